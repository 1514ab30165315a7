#include "qt/history/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <array>

namespace history {
namespace {

// Step n makes a version n - 1 file a version n file.
// Version 1: the matches alone. Version 2: every ball, and the list's order.
// Version 3: the Matches window's columns in an index of their own, so the
// records are read without the scripts' pages. Version 4: each side's record
// and totals in indexes of their own, so the team table and the highest totals
// are read without a sort of every match. Version 5: network matches, with the
// other machine's address, and the message a match stopped with.
const std::array<QStringList, 5> kSteps{{
    {R"(CREATE TABLE matches (
          id INTEGER PRIMARY KEY,
          started_at TEXT NOT NULL,
          team1 TEXT NOT NULL,
          team2 TEXT NOT NULL,
          overs TEXT NOT NULL,
          game_type TEXT NOT NULL,
          team1_runs INTEGER NOT NULL,
          team1_wickets INTEGER NOT NULL,
          team2_runs INTEGER NOT NULL,
          team2_wickets INTEGER NOT NULL,
          result TEXT NOT NULL,
          finished INTEGER NOT NULL,
          script TEXT NOT NULL))"},
    {R"(CREATE TABLE balls (
          match INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,
          innings INTEGER NOT NULL,
          over INTEGER NOT NULL,
          ball INTEGER NOT NULL,
          outcome TEXT NOT NULL,
          runs INTEGER NOT NULL,
          wicket INTEGER NOT NULL,
          wide INTEGER NOT NULL,
          PRIMARY KEY (match, innings, over, ball)))",
     "CREATE INDEX matches_by_start ON matches(started_at)"},
    {"CREATE INDEX matches_records ON matches(started_at, id, team1, team2, overs, game_type, "
     "team1_runs, team1_wickets, team2_runs, team2_wickets, result, finished)"},
    {"CREATE INDEX matches_team1 ON matches(finished, team1, team1_runs, team2_runs)",
     "CREATE INDEX matches_team2 ON matches(finished, team2, team2_runs, team1_runs)",
     "CREATE INDEX matches_team1_total ON matches(team1_runs DESC, team1_wickets, started_at)",
     "CREATE INDEX matches_team2_total ON matches(team2_runs DESC, team2_wickets, started_at)"},
    {"ALTER TABLE matches ADD COLUMN network INTEGER NOT NULL DEFAULT 0",
     "ALTER TABLE matches ADD COLUMN peer TEXT NOT NULL DEFAULT ''",
     "ALTER TABLE matches ADD COLUMN ending TEXT NOT NULL DEFAULT ''"},
}};

bool Step(QSqlDatabase& db, int to, QString& why) {
  QSqlQuery query(db);
  if (!query.exec("BEGIN IMMEDIATE")) return why = query.lastError().text(), false;
  // Another game may have taken the file up meanwhile.
  if (FileVersion(db) >= to) return query.exec("COMMIT");
  QStringList statements = kSteps[static_cast<std::size_t>(to - 1)];
  statements << QString("PRAGMA user_version = %1").arg(to);
  for (const QString& sql : statements) {
    if (!query.exec(sql)) {
      why = query.lastError().text();
      query.exec("ROLLBACK");
      return false;
    }
  }
  return query.exec("COMMIT") || (why = query.lastError().text(), false);
}

}  // namespace

int FileVersion(QSqlDatabase& db) {
  QSqlQuery query("PRAGMA user_version", db);
  if (!query.next()) return -1;
  // A file whose header reads but whose pages do not is damaged too.
  QSqlQuery tables("SELECT count(*) FROM sqlite_master", db);
  return tables.next() ? query.value(0).toInt() : -1;
}

int CurrentVersion() {
  return static_cast<int>(kSteps.size());
}

bool Migrate(QSqlDatabase& db, QString& why) {
  const int version = FileVersion(db);
  if (version < 0) return why = "not a database", false;
  if (version > CurrentVersion()) return why = "written by a newer game", false;
  for (int to = version + 1; to <= CurrentVersion(); ++to)
    if (!Step(db, to, why)) return false;
  return true;
}

}  // namespace history
