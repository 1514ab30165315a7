#pragma once
// What the sound server's sink put out, as a recording of its monitor: mono
// samples at kRecordingRate, and where they stand on this process's steady
// clock.

#include <cstddef>
#include <vector>

namespace listening {

inline constexpr int kRecordingRate = 22050;  // the effects' own rate: compared sample for sample

// Seconds on the steady clock (std::chrono::steady_clock), as a number.
double SteadySeconds();

struct Recording {
  std::vector<float> samples;  // full scale is 1
  double start = 0;            // steady seconds at which samples[0] was mixed

  double TimeOf(double index) const { return start + index / kRecordingRate; }
  double IndexAt(double seconds) const { return (seconds - start) * kRecordingRate; }
};

}  // namespace listening
