#include "Take.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <string>

#include "Recorder.h"
#include "StallWatch.h"

namespace listening {

namespace {

constexpr double kMatch = 0.9;
constexpr double kLevel = 0.3;
constexpr double kWhole = 0.7;
constexpr double kSettle = 0.25;
constexpr double kLongStall = 0.035;

bool During(const Stall& s, double from, double until) {
  return s.from < until && s.to > from;
}

// Excuses the effects sounding during a stall or settling after it; times
// those judged before the first long stall.
void Judge(Take& take, const Waveforms& sounds, const std::vector<Stall>& stalls) {
  double firstLong = 1e300;
  for (const Stall& s : stalls)
    if (s.to - s.from > kLongStall) firstLong = std::min(firstLong, s.from);
  for (const Asked& a : take.asked) {
    const double seconds =
        static_cast<double>(sounds[SoundEffectIndex(a.effect)].size()) / kRecordingRate;
    const double until = a.at + kOnTimeSearch.to + seconds + kSettle;
    const bool excused = std::any_of(stalls.begin(), stalls.end(), [&](const Stall& s) {
      return During(s, a.at - kSettle, until);
    });
    take.excused.push_back(excused);
    take.timed.push_back(!excused && until < firstLong);
  }
}

}  // namespace

bool HeardWhole(const Heard& h) {
  return h.found && h.match >= kMatch && std::abs(h.gain - 1) <= kLevel && h.weakest >= kWhole;
}

std::size_t Take::Judged() const {
  return static_cast<std::size_t>(std::count(excused.begin(), excused.end(), false));
}

std::size_t Take::Timed() const {
  return static_cast<std::size_t>(std::count(timed.begin(), timed.end(), true));
}

void Take::Add(const Take& other) {
  asked.insert(asked.end(), other.asked.begin(), other.asked.end());
  heard.insert(heard.end(), other.heard.begin(), other.heard.end());
  excused.insert(excused.end(), other.excused.begin(), other.excused.end());
  timed.insert(timed.end(), other.timed.begin(), other.timed.end());
}

void Take::Tell(std::ostream& out) const {
  std::map<std::string, std::pair<int, int>> tally;
  std::vector<double> delays;
  for (std::size_t i = 0; i < asked.size(); ++i) {
    if (excused[i]) continue;
    auto& [whole, all] = tally[std::string(SoundEffectName(asked[i].effect))];
    whole += HeardWhole(heard[i]) ? 1 : 0;
    ++all;
    if (timed[i] && heard[i].found) delays.push_back(1000 * heard[i].delay);
  }
  for (const auto& [name, counts] : tally)
    out << "  " << name << ": " << counts.first << " of " << counts.second << " heard whole\n";
  out << "  of " << asked.size() << " effects " << asked.size() - Judged()
      << " excused (the machine stalled), " << Timed() << " timed\n";
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
  Judge(take, sounds, stalls);
  return take;
}

}  // namespace listening
