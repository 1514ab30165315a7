#include "qt/scorecard/InningsPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/scorecard/ScorecardText.h"
#include "qt/scorecard/ElidedLabel.h"

namespace {

constexpr qreal kScoreScale = 1.5;  // the score stands out from the rest of the panel

QLabel* FixedLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
  return label;
}

QFont Scaled(QFont font, qreal scale, bool bold) {
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(bold);
  return font;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

InningsPanel::InningsPanel(QWidget* parent)
    : QFrame(parent),
      team_(new ElidedLabel(this)),
      score_(FixedLabel(this)),
      overs_(FixedLabel(this)),
      tallies_(FixedLabel(this)),
      fall_(FixedLabel(this)),
      overList_(new QListWidget(this)) {
  setFrameShape(QFrame::StyledPanel);
  team_->setFont(Scaled(font(), 1.0, true));
  score_->setFont(Scaled(font(), kScoreScale, true));

  fall_->setWordWrap(true);
  fall_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
  overList_->setAccessibleName(QStringLiteral("Overs"));
  overList_->setSelectionMode(QAbstractItemView::SingleSelection);

  auto* header = new QHBoxLayout;
  header->addWidget(team_, 1);
  header->addWidget(score_);
  header->addWidget(overs_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(header);
  layout->addWidget(tallies_);
  layout->addWidget(fall_);
  layout->addWidget(overList_, 1);
  layout->addStretch(0);  // holds the figures up when the side has no overs to list
}

void InningsPanel::SetInnings(const scorecard::InningsRecord* record, const QString& team) {
  team_->SetFullText(team);
  overList_->clear();
  const bool batted = record && record->Started();
  overList_->setVisible(batted);
  if (!batted) {
    score_->setText(QString());
    overs_->setText(QStringLiteral("yet to bat"));
    tallies_->clear();
    fall_->clear();
    return;
  }
  ShowFigures(*record);
}

void InningsPanel::ShowFigures(const scorecard::InningsRecord& record) {
  score_->setText(QStringLiteral("%1/%2").arg(record.runs).arg(record.wickets));
  overs_->setText(QStringLiteral("(%1 ov)").arg(Q(scorecard::BoardText(record.board))));
  tallies_->setText(Q(scorecard::TalliesText(record)));
  fall_->setText(QStringLiteral("Fall of wickets: ") + Q(scorecard::FallText(record)));
  for (std::size_t i = 0; i < record.overs.size(); ++i) {
    const QString line = QStringLiteral("Over %1:  %2   = %3")
                             .arg(i + 1)
                             .arg(Q(scorecard::OverText(record.overs[i])))
                             .arg(record.overs[i].runs);
    overList_->addItem(line);
  }
}
