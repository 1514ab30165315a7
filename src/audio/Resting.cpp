#include "audio/Resting.h"

Resting::Resting(AudioDevice& device) : device_(device), watcher_([this] { Watch(); }) {
  device_.Pause();
}

Resting::~Resting() {
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  changed_.notify_one();
  watcher_.join();
}

void Resting::Sounding(Clock::duration length) {
  {
    const std::lock_guard lock(mutex_);
    device_.Resume();
    const Clock::time_point until = Clock::now() + length + kQuietBeforeRest;
    if (restAt_ == Clock::time_point::max() || until > restAt_) restAt_ = until;
  }
  changed_.notify_one();
}

// Waits for the moment to rest, which each effect may push further away.
void Resting::Watch() {
  std::unique_lock lock(mutex_);
  while (!closing_) {
    if (restAt_ == Clock::time_point::max()) {
      changed_.wait(lock);
    } else if (changed_.wait_until(lock, restAt_) == std::cv_status::timeout &&
               Clock::now() >= restAt_) {
      device_.Pause();
      restAt_ = Clock::time_point::max();
    }
  }
}
