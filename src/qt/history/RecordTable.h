#pragma once
// A table of records read once from the history: a header and rows of values.
// Numbers and dates are kept as such, so a sorting view orders them rightly.

#include <QAbstractTableModel>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <vector>

class RecordTable : public QAbstractTableModel {
 public:
  using Row = std::vector<QVariant>;

  RecordTable(QStringList header, std::vector<Row> rows, QObject* parent = nullptr)
      : QAbstractTableModel(parent), header_(std::move(header)), rows_(std::move(rows)) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(header_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList header_;
  std::vector<Row> rows_;
};

// The rows left in a query that has run, `columns` values each.
std::vector<RecordTable::Row> ReadRows(QSqlQuery& query, int columns);
