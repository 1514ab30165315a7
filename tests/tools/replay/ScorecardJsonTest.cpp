// The replay driver's scorecard line for an innings.

#include <gtest/gtest.h>

#include "ScorecardJson.h"
#include "core/model/InningsRecord.h"

namespace {

scorecard::InningsRecord Innings() {
  scorecard::InningsRecord record;
  record.runs = 9;
  record.wickets = 1;
  record.board = {1, 0};
  record.wides = 1;
  record.fours = 1;
  record.dots = 2;
  record.fall = {{1, 5, {0, 3}}};
  record.overs = {{{".", "1", "W", "wd", "4", "2", "."}, 8, 1}, {{"wd"}, 1, 0}};
  return record;
}

TEST(ScorecardJson, AnInningsIsOneLineOfItsFigures) {
  EXPECT_EQ(ScorecardJson(Innings(), 1, "Team1"),
            R"({"scorecard":{"innings":1,"team":"Team1","runs":9,"wickets":1,"overs":"1.0",)"
            R"("wides":1,"fours":1,"dots":2,"fall":[{"runs":5,"ball":"0.3"}],)"
            R"("overs_detail":[[".","1","W","wd","4","2","."],["wd"]]}})");
}

TEST(ScorecardJson, AnEmptyInningsAndAQuotedNameStayValid) {
  EXPECT_EQ(ScorecardJson(scorecard::InningsRecord{}, 2, "The \"B\" team\\"),
            R"({"scorecard":{"innings":2,"team":"The \"B\" team\\","runs":0,"wickets":0,)"
            R"("overs":"0.0","wides":0,"fours":0,"dots":0,"fall":[],"overs_detail":[]}})");
}

}  // namespace
