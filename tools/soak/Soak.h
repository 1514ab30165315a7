#pragma once
// Whole matches, thousands of them, through the real game core on fakes. A
// session is one run of the program: matches follow each other through the
// result dialog's "Continue" until Escape ends the program, so whatever a
// match leaves behind is carried into the next, as in play.

#include <cstdint>

#include "Report.h"

namespace soak {

struct Options {
  long long matches = 1000;
  std::uint64_t seed = 1;
  // One match in this many has every tick played twice and compared (0: none).
  long long syncTestEvery = 0;
};

void Run(const Options& options, Report& report);

}  // namespace soak
