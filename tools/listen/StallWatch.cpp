#include "StallWatch.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <chrono>

#include "Recording.h"

namespace listening {

namespace {

constexpr double kTick = 0.001;
constexpr double kStall = 0.008;

void RunOn(unsigned processor) {
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(processor, &set);
  pthread_setaffinity_np(pthread_self(), sizeof(set), &set);
  // Above the loudspeaker's own threads (the lowest real-time priority), so
  // their work never looks like a stall; below the sound server's.
  const sched_param aboveLowest{sched_get_priority_min(SCHED_RR) + 1};
  pthread_setschedparam(pthread_self(), SCHED_RR, &aboveLowest);
}

}  // namespace

StallWatch::StallWatch() {
  const unsigned processors = std::max(1U, std::thread::hardware_concurrency());
  for (unsigned p = 0; p < processors; ++p) watchers_.emplace_back([this, p] { Watch(p); });
}

StallWatch::~StallWatch() {
  Stop();
}

void StallWatch::Watch(unsigned processor) {
  RunOn(processor);
  while (!stop_.load()) {
    const double asleep = SteadySeconds();
    std::this_thread::sleep_for(std::chrono::duration<double>(kTick));
    const double awake = SteadySeconds();
    if (awake - asleep < kTick + kStall) continue;
    const std::lock_guard<std::mutex> lock(mutex_);
    stalls_.push_back({asleep, awake});
  }
}

std::vector<Stall> StallWatch::Stop() {
  stop_ = true;
  for (std::thread& watcher : watchers_)
    if (watcher.joinable()) watcher.join();
  const std::lock_guard<std::mutex> lock(mutex_);
  return stalls_;
}

}  // namespace listening
