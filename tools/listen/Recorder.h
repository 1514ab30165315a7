#pragma once
// Records the sink's monitor with parec, read as it arrives. The server hands
// out the monitor in small pieces as it mixes them; the piece that arrived
// soonest after its last sample was mixed pins the recording's own clock (its
// sample count) to the steady clock, to within the delivery of that piece.

#include <sys/types.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "AudioServer.h"
#include "Recording.h"

namespace listening {

class Recorder {
 public:
  explicit Recorder(const AudioServer& server);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // Waits until the monitor's sound is arriving; false if it never does.
  bool Started();
  // Stops recording; everything recorded so far.
  Recording Stop();

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
