// gallowby-soak [--matches N] [--seed S] [--sync-test EVERY]: plays N whole
// matches with random but seeded keys and panel changes through the real game
// core, checking after every tick, key and ball what a scorer would check; in
// one match of EVERY, each tick is also played twice and the plays compared. Prints the totals;
// exits 1 on any failure, 2 on a bad command line.
#include <charconv>
#include <cstring>
#include <iostream>
#include <string_view>

#include "Report.h"
#include "Soak.h"

namespace {

template <typename T>
bool ParseNumber(const char* text, T& value) {
  const std::string_view s(text);
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  return error == std::errc() && end == s.data() + s.size();
}

bool ParseArguments(int argc, char** argv, soak::Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (flag == "--matches") {
      if (!ParseNumber(value, options.matches) || options.matches < 0) return false;
    } else if (flag == "--sync-test") {
      if (!ParseNumber(value, options.syncTestEvery) || options.syncTestEvery < 0) return false;
    } else if (flag == "--seed") {
      if (!ParseNumber(value, options.seed)) return false;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  soak::Options options;
  if (!ParseArguments(argc, argv, options)) {
    std::cerr << "usage: gallowby-soak [--matches N] [--seed S] [--sync-test EVERY]\n";
    return 2;
  }
  soak::Report report(std::cerr);
  soak::Run(options, report);
  std::cout << "soak: " << report.matches << " matches, " << report.balls << " balls, "
            << report.ticks << " ticks, " << report.syncTested << " sync-tested, " << report.checks
            << " checks, " << report.failures << " failures (seed " << options.seed << ")"
            << std::endl;
  return report.failures == 0 ? 0 : 1;
}
