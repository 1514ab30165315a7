#include "ScorecardJson.h"

#include "Json.h"
#include "core/scorecard/ScorecardText.h"

namespace {

std::string Field(const char* name, const std::string& value) {
  return json::Quote(name) + ":" + value;
}

std::string Count(int value) {
  return json::Number(static_cast<long long>(value));
}

std::string FallJson(const scorecard::InningsRecord& record) {
  std::string out = "[";
  for (const scorecard::FallOfWicket& fall : record.fall) {
    if (out.size() > 1) out += ",";
    out += "{" + Field("runs", Count(fall.runs)) + "," +
           Field("ball", json::Quote(scorecard::BoardText(fall.at))) + "}";
  }
  return out + "]";
}

std::string OversJson(const scorecard::InningsRecord& record) {
  std::string out = "[";
  for (const scorecard::OverRecord& over : record.overs) {
    if (out.size() > 1) out += ",";
    std::string symbols = "[";
    for (const std::string& symbol : over.symbols)
      symbols += (symbols.size() > 1 ? "," : "") + json::Quote(symbol);
    out += symbols + "]";
  }
  return out + "]";
}

}  // namespace

std::string ScorecardJson(const scorecard::InningsRecord& record, int innings,
                          const std::string& team) {
  const std::string body =
      Field("innings", Count(innings)) + "," + Field("team", json::Quote(team)) + "," +
      Field("runs", Count(record.runs)) + "," + Field("wickets", Count(record.wickets)) + "," +
      Field("overs", json::Quote(scorecard::BoardText(record.board))) + "," +
      Field("wides", Count(record.wides)) + "," + Field("fours", Count(record.fours)) + "," +
      Field("dots", Count(record.dots)) + "," + Field("fall", FallJson(record)) + "," +
      Field("overs_detail", OversJson(record));
  return "{" + Field("scorecard", "{" + body + "}") + "}";
}
