#pragma once
// What the Matches window shows, read from the history: every match kept
// (newest first), each team's record, the highest innings totals, and one
// match's script and scorecard.

#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "core/model/InningsRecord.h"
#include "qt/history/RecordTable.h"

namespace records {

// The first column of the match list is the match's row id (the window hides it).
enum MatchColumn { kId, kDate, kTeam1, kTeam2, kScore, kOvers, kGameType, kResult, kState };

std::unique_ptr<RecordTable> MatchList(QSqlDatabase db);
// Per team name, finished matches only: played, won, lost, drawn, highest, lowest.
std::unique_ptr<RecordTable> TeamTable(QSqlDatabase db);
std::unique_ptr<RecordTable> HighestTotals(QSqlDatabase db, int count = 20);

QString Script(QSqlDatabase db, qint64 match);
// One innings of a kept match, rebuilt from its balls.
scorecard::InningsRecord Innings(QSqlDatabase db, qint64 match, int innings);

}  // namespace records
