#include "Take.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace listening {

namespace {

struct Stall {
  double from = 0;  // steady seconds
  double to = 0;
};

// A thread on each processor, above the loudspeaker's own threads (the lowest
// real-time priority, where granted) so their work never looks like a stall,
// wakes every millisecond and notes each time it woke 8 ms or more late.
class StallWatch {
 public:
  StallWatch() {
    for (unsigned p = 0; p < std::max(1U, std::thread::hardware_concurrency()); ++p)
      watchers_.emplace_back([this, p] { Watch(p); });
  }
  ~StallWatch() { Stop(); }
  std::vector<Stall> Stop() {
    stop_ = true;
    for (std::thread& watcher : watchers_)
      if (watcher.joinable()) watcher.join();
    return stalls_;
  }

 private:
  void Watch(unsigned processor) {
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(processor, &set);
    pthread_setaffinity_np(pthread_self(), sizeof(set), &set);
    const sched_param aboveLowest{sched_get_priority_min(SCHED_RR) + 1};
    pthread_setschedparam(pthread_self(), SCHED_RR, &aboveLowest);
    while (!stop_) {
      const double asleep = SteadySeconds();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      const double awake = SteadySeconds();
      if (awake - asleep < 0.009) continue;
      const std::lock_guard<std::mutex> lock(mutex_);
      stalls_.push_back({asleep, awake});
    }
  }

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Stall> stalls_;
  std::vector<std::thread> watchers_;
};

constexpr double kMatch = 0.9;
constexpr double kLevel = 0.3;
constexpr double kWhole = 0.7;
constexpr double kSettle = 0.25;

// Excuses the effects sounding during a stall or settling after it.
void Excuse(Take& take, const Waveforms& sounds, const std::vector<Stall>& stalls) {
  for (const Asked& a : take.asked) {
    const double seconds =
        static_cast<double>(sounds[SoundEffectIndex(a.effect)].size()) / kRecordingRate;
    const double from = a.at - kSettle, until = a.at + kOnTimeSearch.to + seconds + kSettle;
    take.excused.push_back(std::any_of(stalls.begin(), stalls.end(), [&](const Stall& s) {
      return s.from < until && s.to > from;
    }));
  }
}

}  // namespace

bool HeardWhole(const Heard& h) {
  return h.found && h.match >= kMatch && std::abs(h.gain - 1) <= kLevel && h.weakest >= kWhole;
}

std::size_t Take::Judged() const {
  return static_cast<std::size_t>(std::count(excused.begin(), excused.end(), false));
}

void Take::Add(const Take& other) {
  asked.insert(asked.end(), other.asked.begin(), other.asked.end());
  heard.insert(heard.end(), other.heard.begin(), other.heard.end());
  excused.insert(excused.end(), other.excused.begin(), other.excused.end());
}

void Take::Tell(std::ostream& out) const {
  std::map<std::string, std::pair<int, int>> tally;
  std::vector<double> delays;
  for (std::size_t i = 0; i < asked.size(); ++i) {
    if (excused[i]) continue;
    auto& [whole, all] = tally[std::string(SoundEffectName(asked[i].effect))];
    whole += HeardWhole(heard[i]) ? 1 : 0;
    ++all;
    if (heard[i].found) delays.push_back(1000 * heard[i].delay);
  }
  for (const auto& [name, counts] : tally)
    out << "  " << name << ": " << counts.first << " of " << counts.second << " heard whole\n";
  out << "  of " << asked.size() << " effects " << asked.size() - Judged()
      << " excused (the machine stalled)\n";
  if (delays.empty()) return;
  std::sort(delays.begin(), delays.end());
  const auto at = [&](double q) { return delays[std::lround(q * (delays.size() - 1))]; };
  out << "  request to first sample: median " << at(0.5) << " ms, p95 " << at(0.95) << " ms, least "
      << at(0) << " ms, most " << at(1) << " ms\n";
}

Take RecordTake(const AudioServer& server, const Waveforms& sounds, const Scene& scene,
                Search search) {
  Recorder recorder(server);
  Take take;
  if (!recorder.Started()) return take;
  StallWatch watch;
  take.asked = scene();
  const std::vector<Stall> stalls = watch.Stop();
  take.recording = recorder.Stop();
  take.heard = FindEffects(take.recording, take.asked, sounds, search);
  Excuse(take, sounds, stalls);
  return take;
}

}  // namespace listening
