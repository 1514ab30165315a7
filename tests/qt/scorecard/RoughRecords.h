#pragma once
// Innings the game can hardly or never produce, for the window's layout: the
// records are plain data, so they are written out by hand.

#include <string>
#include <vector>

#include "core/model/InningsRecord.h"

namespace rough_records {

// count wickets, all in the first over, the score not moving.
inline scorecard::InningsRecord WicketsInOneOver(int count) {
  scorecard::InningsRecord record;
  record.closed = true;
  record.wickets = count;
  record.board = {0, count};
  scorecard::OverRecord over;
  for (int w = 1; w <= count; ++w) {
    over.symbols.push_back("W");
    record.fall.push_back({w, 0, {0, w}});
    scorecard::BallRecord ball;
    ball.dismissal = scorecard::Dismissal::Caught;
    ball.board = {0, w};
    record.balls.push_back(ball);
  }
  over.wickets = count;
  record.overs.push_back(over);
  return record;
}

// Big numbers everywhere: a long innings of fours with an over of many wides.
inline scorecard::InningsRecord Huge(int overs) {
  scorecard::InningsRecord record;
  record.closed = true;
  for (int i = 0; i < overs; ++i) {
    scorecard::OverRecord over;
    over.symbols.assign(6, "4");
    if (i == 0) over.symbols.insert(over.symbols.begin(), 12, "wd");
    over.runs = 24 + (i == 0 ? 12 : 0);
    record.overs.push_back(over);
    record.runs += over.runs;
  }
  record.wickets = 9;
  for (int w = 1; w <= 9; ++w) record.fall.push_back({w, w * 111, {w * 11, 5}});
  record.board = {overs, 0};
  record.wides = 12;
  record.fours = overs * 6;
  return record;
}

}  // namespace rough_records
