#pragma once
// Records the sink's monitor with parec, read as it arrives. The server hands
// the monitor out in small pieces as it mixes them; the piece that arrived
// soonest after its last sample was mixed pins the recording's own clock (its
// sample count) to the steady clock, to within the delivery of that piece.

#include <sys/types.h>

#include <mutex>
#include <thread>
#include <vector>

#include "AudioServer.h"

namespace listening {

inline constexpr int kRecordingRate = 22050;  // the effects' own: compared sample for sample

// Seconds on the steady clock, as a number.
double SteadySeconds();

struct Recording {
  std::vector<float> samples;  // mono, full scale 1
  double start = 0;            // steady seconds at which samples[0] was mixed

  double IndexAt(double seconds) const { return (seconds - start) * kRecordingRate; }
};

class Recorder {
 public:
  explicit Recorder(const AudioServer& server);
  ~Recorder() { Stop(); }
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  bool Started();    // waits until the monitor's sound arrives; false if it never does
  Recording Stop();  // everything recorded so far

 private:
  void Read();

  int pipe_ = -1;
  pid_t pid_ = -1;
  std::thread reader_;
  std::mutex mutex_;
  std::vector<float> samples_;
  std::vector<unsigned char> odd_;  // a sample's first byte, when a read splits it
  double start_ = 1e300;            // the earliest the arrivals allow
};

}  // namespace listening
