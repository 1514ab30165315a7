#pragma once
// The replay driver's scorecard line for one innings:
// {"scorecard":{"innings":1,"team":"Team1","runs":R,"wickets":W,"overs":"1.0",...}}

#include <string>

#include "core/model/InningsRecord.h"

std::string ScorecardJson(const scorecard::InningsRecord& record, int innings,
                          const std::string& team);
