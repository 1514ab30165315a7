#pragma once
// The list of kept matches, read from the history a page at a time as the
// player scrolls down it (a view asks for more at the bottom), so a history of
// thousands of matches opens as fast as one of a few. A click on a heading
// sorts it by asking the history again in that order, from the first page.

#include <QAbstractTableModel>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <vector>

namespace records {

// The first column is the match's row id (the window hides it).
enum MatchColumn { kId, kDate, kTeam1, kTeam2, kScore, kOvers, kGameType, kResult, kState };

class MatchList : public QAbstractTableModel {
 public:
  static constexpr int kPage = 100;  // rows read at a time: a few windowfuls

  // Newest first, until sorted otherwise.
  explicit MatchList(QSqlDatabase db, int page = kPage, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  using Row = std::vector<QVariant>;  // as RecordTable's
  void ReadFirstPage();
  std::vector<Row> ReadPage() const;  // the page after the rows read

  QSqlDatabase db_;
  int page_;
  QString orderBy_;
  std::vector<Row> rows_;
  bool more_ = true;  // the last page read was full
};

}  // namespace records
