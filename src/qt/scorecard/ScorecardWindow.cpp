#include "qt/scorecard/ScorecardWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/scorecard/BallByBall.h"
#include "core/scorecard/ScorecardText.h"
#include "qt/scorecard/InningsPanel.h"
#include "qt/scorecard/ManhattanChart.h"
#include "qt/scorecard/WormChart.h"

namespace {

constexpr int kPanelsStretch = 5, kChartsStretch = 6;

QHBoxLayout* Row(QWidget* left, QWidget* right) {
  auto* row = new QHBoxLayout;
  row->addWidget(left, 1);
  row->addWidget(right, 1);
  return row;
}

}  // namespace

ScorecardWindow::ScorecardWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      first_(new InningsPanel(this)),
      second_(new InningsPanel(this)),
      manhattan_(new ManhattanChart(this)),
      worm_(new WormChart(this)),
      copy_(new QPushButton(QStringLiteral("&Copy"), this)),
      close_(new QPushButton(QStringLiteral("Close"), this)) {
  setObjectName(QStringLiteral("Scorecard"));
  setWindowTitle(QStringLiteral("Scorecard"));
  resize(kWidth, kHeight);

  copy_->setToolTip(QStringLiteral("Copy the scorecard as text"));
  copy_->setDefault(true);
  connect(copy_, &QPushButton::clicked, this, &ScorecardWindow::CopyText);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(copy_);
  buttons->addWidget(close_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row(first_, second_), kPanelsStretch);
  layout->addLayout(Row(manhattan_, worm_), kChartsStretch);
  layout->addLayout(buttons);
  SetTabOrder();
  copy_->setFocus(Qt::OtherFocusReason);
  Refresh();
}

void ScorecardWindow::SetTabOrder() {
  setTabOrder(copy_, close_);
  setTabOrder(close_, first_->OverList());
  setTabOrder(first_->OverList(), second_->OverList());
}

void ScorecardWindow::SetRecord(const scorecard::BallByBall& record, const QString& team1,
                                const QString& team2) {
  SetRecord(record.Innings(1), record.Innings(2), team1, team2);
}

void ScorecardWindow::SetRecord(const scorecard::InningsRecord& first,
                                const scorecard::InningsRecord& second, const QString& team1,
                                const QString& team2) {
  firstRecord_ = &first;
  secondRecord_ = &second;
  team1_ = team1;
  team2_ = team2;
  Refresh();
}

void ScorecardWindow::ShowFirstInnings() {
  ShowInnings(1);
}
void ScorecardWindow::ShowBothInnings() {
  ShowInnings(2);
}

void ScorecardWindow::ShowInnings(int count) {
  inningsShown_ = count;
  Refresh();
  // Shown beside the play without taking the keyboard from it: Space still
  // starts the next innings, and Continue keeps the result dialog's focus.
  setAttribute(Qt::WA_ShowWithoutActivating);
  show();
  raise();
  copy_->setFocus(Qt::OtherFocusReason);
}

void ScorecardWindow::Refresh() {
  const bool both = inningsShown_ >= 2;
  second_->setVisible(both);
  first_->SetInnings(firstRecord_, team1_);
  second_->SetInnings(secondRecord_, team2_);
  // A side that has not batted has nothing to draw, nor a place in the legend.
  ChartSides sides;
  if (firstRecord_ && firstRecord_->Started())
    sides.push_back({firstRecord_, team1_, chart_style::kTeamColours[0]});
  if (both && secondRecord_ && secondRecord_->Started())
    sides.push_back({secondRecord_, team2_, chart_style::kTeamColours[1]});
  manhattan_->SetSides(sides);
  worm_->SetSides(sides);
}

QString ScorecardWindow::Text() const {
  if (!firstRecord_) return {};
  const scorecard::InningsRecord* second = inningsShown_ >= 2 ? secondRecord_ : nullptr;
  return QString::fromStdString(
      scorecard::ScorecardText(*firstRecord_, team1_.toStdString(), second, team2_.toStdString()));
}

void ScorecardWindow::CopyText() {
  QGuiApplication::clipboard()->setText(Text());
}
