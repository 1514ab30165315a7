#include "qt/history/MatchesWindow.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "qt/history/MatchList.h"
#include "qt/history/MatchRecords.h"
#include "qt/scorecard/ScorecardWindow.h"

namespace {

QLabel* Heading(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

QWidget* Titled(QLabel* heading, QWidget* table) {
  auto* box = new QWidget;
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(heading);
  column->addWidget(table);
  return box;
}

}  // namespace

MatchesWindow::MatchesWindow(QSqlDatabase db, Watch watch, QWidget* parent)
    : QWidget(parent, Qt::Window),
      db_(db),
      watch_(std::move(watch)),
      matchList_(std::make_unique<records::MatchList>(db)),
      teamTable_(records::TeamTable(db)),
      highestTotals_(records::HighestTotals(db)),
      matches_(NewTable(matchList_.get())),
      teams_(NewSortedTable(teamTable_.get())),
      highest_(NewSortedTable(highestTotals_.get())) {
  setWindowTitle(QStringLiteral("Matches"));
  matches_->hideColumn(records::kId);
  // The list sorts itself, by asking the history again: newest first to start.
  matches_->horizontalHeader()->setSortIndicator(records::kDate, Qt::DescendingOrder);
  matches_->setSortingEnabled(true);
  matches_->installEventFilter(this);
  matches_->setColumnWidth(records::kDate, 130);
  matches_->setColumnWidth(records::kResult, 200);
  auto* records = new QSplitter(Qt::Horizontal);
  records->addWidget(Titled(Heading("&Teams", teams_), teams_));
  records->addWidget(Titled(Heading("&Highest totals", highest_), highest_));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Heading("Matches &kept", matches_));
  layout->addWidget(matches_, 3);
  layout->addWidget(records, 2);
  layout->addWidget(NewButtons());
  connect(matches_, &QTableView::activated, this, &MatchesWindow::ShowScorecard);
  connect(matches_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    for (QPushButton* button : selectedOnly_) button->setEnabled(Selected() != 0);
  });
  if (matches_->model()->rowCount() > 0) matches_->selectRow(0);
  for (QPushButton* button : selectedOnly_) button->setEnabled(Selected() != 0);
  matches_->setFocus();
  resize(900, 620);
}

MatchesWindow::~MatchesWindow() = default;

// The small tables are read whole and sorted in the window.
QTableView* MatchesWindow::NewSortedTable(RecordTable* table) {
  auto* sorted = new QSortFilterProxyModel(this);
  sorted->setSourceModel(table);
  QTableView* view = NewTable(sorted);
  view->setSortingEnabled(true);
  view->sortByColumn(-1, Qt::AscendingOrder);  // as read: best first
  return view;
}

// Ctrl+End goes to the last match in the list's order (the oldest, to start),
// not the last one read so far: the rest are read first.
bool MatchesWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
  if (watched == matches_ && key && key->key() == Qt::Key_End &&
      key->modifiers().testFlag(Qt::ControlModifier))
    while (matchList_->canFetchMore({})) matchList_->fetchMore({});
  return QWidget::eventFilter(watched, event);
}

QTableView* MatchesWindow::NewTable(QAbstractItemModel* model) {
  auto* view = new QTableView;
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setTabKeyNavigation(false);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->setWordWrap(false);
  view->horizontalHeader()->setStretchLastSection(true);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  view->horizontalHeader()->setDefaultSectionSize(92);
  return view;
}

QWidget* MatchesWindow::NewButtons() {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  const auto add = [&](const QString& caption, auto slot) {
    auto* button = new QPushButton(caption);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    row->addWidget(button);
    return button;
  };
  selectedOnly_[0] = add("&Scorecard", &MatchesWindow::ShowScorecard);
  selectedOnly_[1] = add("&Watch", &MatchesWindow::WatchSelected);
  selectedOnly_[2] = add("Save &as...", &MatchesWindow::AskSaveAs);
  add("&Open...", &MatchesWindow::AskOpen);
  row->addStretch();
  add("&Close", &QWidget::close);
  return box;
}

qint64 MatchesWindow::Selected() const {
  const QModelIndex current = matches_->currentIndex();
  if (!current.isValid()) return 0;
  return matches_->model()->index(current.row(), records::kId).data().toLongLong();
}

void MatchesWindow::ShowScorecard() {
  const qint64 match = Selected();
  if (match == 0) return;
  if (!scorecard_) scorecard_ = new ScorecardWindow(this);
  scorecard_->setWindowFlag(Qt::Window);
  first_ = records::Innings(db_, match, 1);
  second_ = records::Innings(db_, match, 2);
  const QAbstractItemModel* list = matches_->model();
  const int row = matches_->currentIndex().row();
  scorecard_->SetRecord(first_, second_, list->index(row, records::kTeam1).data().toString(),
                        list->index(row, records::kTeam2).data().toString());
  scorecard_->ShowBothInnings();
}

void MatchesWindow::WatchSelected() {
  const qint64 match = Selected();
  if (match == 0) return;
  hide();
  watch_(records::Script(db_, match).toStdString(), QString("match %1").arg(match));
  show();
}

bool MatchesWindow::SaveSelected(const QString& file) {
  const qint64 match = Selected();
  QFile out(file);
  if (match == 0 || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray script = records::Script(db_, match).toUtf8();
  return out.write(script) == script.size() && out.flush();
}

void MatchesWindow::WatchFile(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return MessageBox("Cannot read " + file + ".");
  hide();
  watch_(in.readAll().toStdString(), file);
  show();
}

void MatchesWindow::AskSaveAs() {
  const QString file = QFileDialog::getSaveFileName(this, "Save the match's script as",
                                                    QString("match-%1.txt").arg(Selected()));
  if (!file.isEmpty() && !SaveSelected(file)) MessageBox("Cannot write " + file + ".");
}

void MatchesWindow::AskOpen() {
  const QString file = QFileDialog::getOpenFileName(this, "Watch a kept match");
  if (!file.isEmpty()) WatchFile(file);
}

void MatchesWindow::MessageBox(const QString& text) {
  QMessageBox::warning(this, windowTitle(), text);
}
