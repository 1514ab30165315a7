#include "Report.h"

#include <ostream>

namespace soak {

void Report::Fail(const std::string& what) {
  ++failures;
  ++failuresInMatch;
  if (failures > kFailuresTold) return;
  errors_ << "soak: FAILED: " << what << " (session " << session << " seed " << sessionSeed
          << ", match " << matchInSession << ", tick " << tickInMatch << ")";
  if (!detail.empty()) errors_ << "\n  " << detail;
  errors_ << '\n';
  if (failures == kFailuresTold) errors_ << "soak: further failures are counted, not told\n";
}

}  // namespace soak
