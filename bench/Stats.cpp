#include "Stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace bench {

namespace {
// The sample at or below which `fraction` of the samples lie (nearest rank).
double Percentile(const std::vector<double>& sorted, double fraction) {
  const auto rank =
      static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
  return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}
}  // namespace

Summary Summarise(std::vector<double> samples) {
  Summary s;
  s.count = samples.size();
  if (samples.empty()) return s;
  std::sort(samples.begin(), samples.end());
  s.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(s.count);
  s.median = Percentile(samples, 0.5);
  s.p99 = Percentile(samples, 0.99);
  s.max = samples.back();
  return s;
}

std::string Describe(const std::string& name, const Summary& summary, const std::string& unit) {
  char line[256];
  std::snprintf(line, sizeof line,
                "%-22s n=%-5zu mean %8.3f  median %8.3f  p99 %8.3f  max %8.3f %s", name.c_str(),
                summary.count, summary.mean, summary.median, summary.p99, summary.max,
                unit.c_str());
  return line;
}

}  // namespace bench
