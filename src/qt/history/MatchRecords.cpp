#include "qt/history/MatchRecords.h"

#include <QSqlQuery>

namespace records {
namespace {

std::vector<RecordTable::Row> Rows(QSqlDatabase db, const QString& sql, int columns) {
  std::vector<RecordTable::Row> rows;
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(sql)) return rows;
  while (query.next()) {
    RecordTable::Row& row = rows.emplace_back();
    row.reserve(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) row.push_back(query.value(c));
  }
  return rows;
}

// Each side of each match as one innings: the team, its total, the other side's.
constexpr const char* kSides =
    "SELECT team1 AS team, team1_runs AS runs, team1_wickets AS wickets, team2_runs AS other, "
    "team2 AS against, started_at, finished FROM matches UNION ALL "
    "SELECT team2, team2_runs, team2_wickets, team1_runs, team1, started_at, finished FROM matches";

}  // namespace

std::unique_ptr<RecordTable> MatchList(QSqlDatabase db) {
  std::vector<RecordTable::Row> rows =
      Rows(db,
           "SELECT id, strftime('%Y-%m-%d %H:%M', started_at, 'localtime'), team1, team2, "
           "team1_runs || '/' || team1_wickets || '  ' || "
           "team2_runs || '/' || team2_wickets, overs, game_type, result, finished FROM matches "
           "ORDER BY started_at DESC, id DESC",
           kState + 1);
  for (RecordTable::Row& row : rows) {
    row[kState] = row[kState].toInt() ? QStringLiteral("finished") : QStringLiteral("abandoned");
  }
  return std::make_unique<RecordTable>(
      QStringList{"Id", "Date", "Team 1", "Team 2", "Score", "Overs", "Game", "Result", "State"},
      std::move(rows));
}

std::unique_ptr<RecordTable> TeamTable(QSqlDatabase db) {
  const QString sql = QString(
                          "SELECT team, count(*), sum(runs > other), sum(runs < other), "
                          "sum(runs = other), max(runs), min(runs) FROM (%1) WHERE finished = 1 "
                          "GROUP BY team ORDER BY count(*) DESC, team")
                          .arg(kSides);
  return std::make_unique<RecordTable>(
      QStringList{"Team", "Played", "Won", "Lost", "Drawn", "Highest", "Lowest"}, Rows(db, sql, 7));
}

std::unique_ptr<RecordTable> HighestTotals(QSqlDatabase db, int count) {
  const QString sql = QString(
                          "SELECT runs, wickets, team, against, date(started_at, 'localtime') "
                          "FROM (%1) "
                          "ORDER BY runs DESC, wickets, started_at LIMIT %2")
                          .arg(kSides)
                          .arg(count);
  return std::make_unique<RecordTable>(QStringList{"Runs", "Wickets", "Team", "Against", "Date"},
                                       Rows(db, sql, 5));
}

QString Script(QSqlDatabase db, qint64 match) {
  QSqlQuery query(db);
  query.prepare("SELECT script FROM matches WHERE id = ?");
  query.addBindValue(match);
  return query.exec() && query.next() ? query.value(0).toString() : QString();
}

}  // namespace records
