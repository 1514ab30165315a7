#pragma once
// What the Matches window shows beside the list of matches (MatchList.h), read
// from the history: each team's record, the highest innings totals, and one
// match's script and scorecard.

#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "core/model/InningsRecord.h"
#include "qt/history/RecordTable.h"

namespace records {

// Per team name, finished matches only: played, won, lost, drawn, highest, lowest.
std::unique_ptr<RecordTable> TeamTable(QSqlDatabase db);
std::unique_ptr<RecordTable> HighestTotals(QSqlDatabase db, int count = 20);

QString Script(QSqlDatabase db, qint64 match);
// One innings of a kept match, rebuilt from its balls.
scorecard::InningsRecord Innings(QSqlDatabase db, qint64 match, int innings);

}  // namespace records
