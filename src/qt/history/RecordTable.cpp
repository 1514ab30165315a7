#include "qt/history/RecordTable.h"

QVariant RecordTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<std::size_t>(index.column());
  return column < row.size() ? row[column] : QVariant();
}

QVariant RecordTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return section < header_.size() ? header_[section] : QVariant();
}

std::vector<RecordTable::Row> ReadRows(QSqlQuery& query, int columns) {
  std::vector<RecordTable::Row> rows;
  while (query.next()) {
    RecordTable::Row& row = rows.emplace_back();
    row.reserve(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) row.push_back(query.value(c));
  }
  return rows;
}
