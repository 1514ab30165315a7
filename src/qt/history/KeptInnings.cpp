// An innings of a kept match rebuilt from the balls the history holds: the
// figures, the overs' symbols, the fall of wickets and the board after each
// ball, all the scorecard window reads.

#include <QSqlQuery>

#include "qt/history/MatchRecords.h"

namespace records {
namespace {

std::string Symbol(const scorecard::BallRecord& ball) {
  if (ball.wide) return "wd";
  if (ball.dismissal != scorecard::Dismissal::None) return "W";
  return ball.runs > 0 ? std::to_string(ball.runs) : ".";
}

scorecard::BallRecord ReadBall(const QSqlQuery& query, int innings) {
  scorecard::BallRecord ball;
  ball.innings = innings;
  ball.over = query.value(0).toInt() - 1;
  ball.runs = query.value(2).toInt();
  ball.wide = query.value(4).toBool();
  ball.counted = !ball.wide;
  if (query.value(3).toBool())
    ball.dismissal = query.value(1).toString().contains("Caught") ? scorecard::Dismissal::Caught
                                                                  : scorecard::Dismissal::Bowled;
  ball.symbol = Symbol(ball);
  return ball;
}

// Adds one ball to the innings' figures, board and overs.
void Add(scorecard::InningsRecord& record, scorecard::BallRecord ball) {
  const bool wicket = ball.dismissal != scorecard::Dismissal::None;
  record.runs += ball.runs;
  record.wickets += wicket ? 1 : 0;
  record.wides += ball.wide ? 1 : 0;
  record.fours += ball.runs == 4 ? 1 : 0;
  record.dots += ball.counted && ball.runs == 0 && !wicket ? 1 : 0;
  if (ball.counted && ++record.board.balls == laws::kBallsPerOver) {
    record.board.balls = 0;
    ++record.board.overs;
  }
  ball.board = record.board;
  ball.teamRuns = record.runs;
  ball.teamWickets = record.wickets;
  if (wicket) record.fall.push_back({record.wickets, record.runs, record.board});
  if (ball.over < 0) ball.over = 0;
  if (record.overs.size() <= static_cast<std::size_t>(ball.over))
    record.overs.resize(static_cast<std::size_t>(ball.over) + 1);
  scorecard::OverRecord& over = record.overs[static_cast<std::size_t>(ball.over)];
  over.symbols.push_back(ball.symbol);
  over.runs += ball.runs;
  over.wickets += wicket ? 1 : 0;
  record.balls.push_back(std::move(ball));
}

}  // namespace

scorecard::InningsRecord Innings(QSqlDatabase db, qint64 match, int innings) {
  scorecard::InningsRecord record;
  record.innings = innings;
  record.closed = true;
  QSqlQuery query(db);
  query.prepare(
      "SELECT over, outcome, runs, wicket, wide FROM balls WHERE match = ? AND innings = ? "
      "ORDER BY over, ball");
  query.addBindValue(match);
  query.addBindValue(innings);
  if (!query.exec()) return record;
  while (query.next()) Add(record, ReadBall(query, innings));
  return record;
}

}  // namespace records
