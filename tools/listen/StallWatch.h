#pragma once
// Notices when the machine stops running a processor. On each processor a
// thread of real-time priority (where the system grants it) wakes every
// millisecond and notes each time it woke much later than it asked. A busy
// virtual machine can have a processor taken away for 100 ms at a time; no
// sound client or server keeps a stream fed through that, so a recording
// test excuses the effects that were sounding then, and says so.

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace listening {

struct Stall {
  double from = 0;  // steady seconds
  double to = 0;
};

class StallWatch {
 public:
  StallWatch();
  ~StallWatch();
  StallWatch(const StallWatch&) = delete;
  StallWatch& operator=(const StallWatch&) = delete;

  // Stops watching; the stalls of 8 ms or more seen since it started.
  std::vector<Stall> Stop();

 private:
  void Watch(unsigned processor);

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Stall> stalls_;
  std::vector<std::thread> watchers_;
};

}  // namespace listening
