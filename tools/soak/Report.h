#pragma once
// The soak's tally: what was played, how many invariants were checked, and
// every failure, told once on standard error with where it happened.

#include <cstdint>
#include <iosfwd>
#include <string>

namespace soak {

class Report {
 public:
  explicit Report(std::ostream& errors) : errors_(errors) {}

  // Counts one check; a failed one is told with the place it happened.
  bool Check(bool ok, const char* what) {
    ++checks;
    if (!ok) Fail(what);
    return ok;
  }
  void Fail(const std::string& what);

  // Where the soak is, for the failure lines: session, match, tick.
  std::uint64_t sessionSeed = 0;
  long long session = 0;
  long long matchInSession = 0;
  long long tickInMatch = 0;
  std::string detail;  // the field as it stood, added to the next failure line

  long long matches = 0;
  long long syncTested = 0;  // matches with every tick played twice
  long long balls = 0;
  long long ticks = 0;
  long long checks = 0;
  long long failures = 0;
  long long failuresInMatch = 0;

 private:
  static constexpr long long kFailuresTold = 25;
  std::ostream& errors_;
};

}  // namespace soak
