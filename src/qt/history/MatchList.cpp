#include "qt/history/MatchList.h"

#include <QSqlQuery>
#include <QStringList>
#include <array>

#include "qt/history/RecordTable.h"

namespace records {
namespace {

constexpr int kColumns = kState + 1;

const std::array<const char*, kColumns> kHeadings{"Id",    "Date", "Team 1", "Team 2", "Score",
                                                  "Overs", "Game", "Result", "State"};

// What each column sorts by. Scores by the first side's runs, then the
// second's; overs as numbers ("10" after "9"), then as typed.
const std::array<QStringList, kColumns> kSortKeys{{{"id"},
                                                   {"started_at"},
                                                   {"team1"},
                                                   {"team2"},
                                                   {"team1_runs", "team2_runs"},
                                                   {"CAST(overs AS INTEGER)", "overs"},
                                                   {"game_type"},
                                                   {"result"},
                                                   {"finished"}}};

QString OrderBy(int column, Qt::SortOrder order) {
  const QString way = order == Qt::DescendingOrder ? " DESC" : "";
  QStringList keys;
  if (column >= 0 && column < kColumns)
    for (const QString& key : kSortKeys[static_cast<std::size_t>(column)]) keys << key + way;
  keys << "id" + way;  // the newer of two alike first when descending
  return keys.join(", ");
}

}  // namespace

MatchList::MatchList(QSqlDatabase db, int page, QObject* parent)
    : QAbstractTableModel(parent),
      db_(db),
      page_(page),
      orderBy_(OrderBy(kDate, Qt::DescendingOrder)) {
  ReadFirstPage();
}

int MatchList::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MatchList::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant MatchList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
}

QVariant MatchList::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section >= 0 && section < kColumns ? kHeadings[static_cast<std::size_t>(section)]
                                            : QVariant();
}

bool MatchList::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && more_;
}

void MatchList::fetchMore(const QModelIndex& parent) {
  if (!canFetchMore(parent)) return;
  std::vector<Row> page = ReadPage();
  more_ = static_cast<int>(page.size()) == page_;
  if (page.empty()) return;
  const int first = static_cast<int>(rows_.size());
  beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
  for (Row& row : page) rows_.push_back(std::move(row));
  endInsertRows();
}

void MatchList::sort(int column, Qt::SortOrder order) {
  const QString orderBy = OrderBy(column, order);
  if (orderBy == orderBy_) return;  // the view asking for the order it was given
  beginResetModel();
  orderBy_ = orderBy;
  ReadFirstPage();
  endResetModel();
}

void MatchList::ReadFirstPage() {
  rows_.clear();
  rows_ = ReadPage();
  more_ = static_cast<int>(rows_.size()) == page_;
}

// The next page in the list's order, the columns as the window shows them.
std::vector<MatchList::Row> MatchList::ReadPage() const {
  QSqlQuery query(db_);
  query.setForwardOnly(true);
  query.prepare(QString("SELECT id, strftime('%Y-%m-%d %H:%M', started_at, 'localtime'), team1, "
                        "team2, team1_runs || '/' || team1_wickets || '  ' || team2_runs || '/' "
                        "|| team2_wickets, overs, game_type, result, "
                        "CASE finished WHEN 0 THEN 'abandoned' ELSE 'finished' END "
                        "FROM matches ORDER BY %1 LIMIT ? OFFSET ?")
                    .arg(orderBy_));
  query.addBindValue(page_);
  query.addBindValue(static_cast<qint64>(rows_.size()));
  return query.exec() ? ReadRows(query, kColumns) : std::vector<Row>();
}

}  // namespace records
