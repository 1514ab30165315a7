#pragma once
// Records the sink's monitor with parec, read as it arrives. The server hands
// the monitor out in small pieces as it mixes them, and a piece never arrives
// before its last sample was mixed: in each half of the recording, the piece
// that arrived soonest after pins the recording's own clock (its sample count)
// to the steady clock, to within the delivery of that piece. Two pins, as the
// sink's clock runs a little fast (by some 60 to 130 parts in a million at this
// rate: it counts time in whole microseconds a block), enough to move an
// effect a few milliseconds over a take.

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
  std::vector<float> samples;    // mono, full scale 1
  double start = 0;              // steady seconds at which samples[0] was mixed
  double rate = kRecordingRate;  // samples mixed a steady second

  double IndexAt(double seconds) const { return (seconds - start) * rate; }
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
  struct Arrival {
    double samples;  // recorded by then
    double at;       // steady seconds
  };
  std::vector<Arrival> arrivals_;
};

}  // namespace listening
