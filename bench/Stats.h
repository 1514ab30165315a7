#pragma once
// Summaries of timed samples: the figures a person compares with a target.

#include <string>
#include <vector>

namespace bench {

struct Summary {
  std::size_t count = 0;
  double mean = 0, median = 0, p99 = 0, max = 0;
};

Summary Summarise(std::vector<double> samples);

// "name: n=.. mean .. median .. p99 .. max .. (unit)" on one line.
std::string Describe(const std::string& name, const Summary& summary, const std::string& unit);

}  // namespace bench
