#include "qt/history/MatchRecords.h"

#include <QSqlQuery>

namespace records {
namespace {

std::vector<RecordTable::Row> Rows(QSqlDatabase db, const QString& sql, int columns) {
  QSqlQuery query(db);
  query.setForwardOnly(true);
  return query.exec(sql) ? ReadRows(query, columns) : std::vector<RecordTable::Row>();
}

// Each side's record in finished matches, per team name: each half is read
// along an index of its own (schema version 4), then the halves are added up.
constexpr const char* kTeamRecords =
    "SELECT team, sum(played), sum(won), sum(lost), sum(drawn), max(highest), min(lowest) FROM ("
    "SELECT team1 AS team, count(*) AS played, sum(team1_runs > team2_runs) AS won, "
    "sum(team1_runs < team2_runs) AS lost, sum(team1_runs = team2_runs) AS drawn, "
    "max(team1_runs) AS highest, min(team1_runs) AS lowest "
    "FROM matches WHERE finished = 1 GROUP BY team1 UNION ALL "
    "SELECT team2, count(*), sum(team2_runs > team1_runs), sum(team2_runs < team1_runs), "
    "sum(team2_runs = team1_runs), max(team2_runs), min(team2_runs) "
    "FROM matches WHERE finished = 1 GROUP BY team2) "
    "GROUP BY team ORDER BY sum(played) DESC, team";

// Every innings, best first: the two sides' totals each read down an index of
// their own and merged, so only the rows shown are read.
constexpr const char* kHighestTotals =
    "SELECT team1_runs, team1_wickets, team1, team2, date(started_at, 'localtime'), started_at "
    "FROM matches UNION ALL "
    "SELECT team2_runs, team2_wickets, team2, team1, date(started_at, 'localtime'), started_at "
    "FROM matches ORDER BY 1 DESC, 2, 6 LIMIT %1";

}  // namespace

std::unique_ptr<RecordTable> TeamTable(QSqlDatabase db) {
  return std::make_unique<RecordTable>(
      QStringList{"Team", "Played", "Won", "Lost", "Drawn", "Highest", "Lowest"},
      Rows(db, kTeamRecords, 7));
}

std::unique_ptr<RecordTable> HighestTotals(QSqlDatabase db, int count) {
  return std::make_unique<RecordTable>(QStringList{"Runs", "Wickets", "Team", "Against", "Date"},
                                       Rows(db, QString(kHighestTotals).arg(count), 5));
}

QString Script(QSqlDatabase db, qint64 match) {
  QSqlQuery query(db);
  query.prepare("SELECT script FROM matches WHERE id = ?");
  query.addBindValue(match);
  return query.exec() && query.next() ? query.value(0).toString() : QString();
}

}  // namespace records
