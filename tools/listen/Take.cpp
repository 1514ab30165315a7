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

std::vector<bool> Excused(const std::vector<Asked>& asked, const Waveforms& sounds,
                          const std::vector<Stall>& stalls) {
  std::vector<bool> excused;
  for (const Asked& a : asked) {
    const double seconds =
        static_cast<double>(sounds[SoundEffectIndex(a.effect)].size()) / kRecordingRate;
    const double until = a.at + kOnTimeSearch.to + seconds + kSettle;
    excused.push_back(std::any_of(stalls.begin(), stalls.end(), [&](const Stall& s) {
      const bool longStall = s.to - s.from > kLongStall;
      return s.from < until && (longStall || s.to + kSettle > a.at);
    }));
  }
  return excused;
}

}  // namespace

bool HeardWhole(const Heard& h) {
  return h.found && h.match >= kMatch && std::abs(h.gain - 1) <= kLevel && h.weakest >= kWhole;
}

std::size_t Take::Judged() const {
  return static_cast<std::size_t>(std::count(excused.begin(), excused.end(), false));
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
  out << "  " << asked.size() - Judged() << " of " << asked.size()
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
  take.excused = Excused(take.asked, sounds, stalls);
  return take;
}

}  // namespace listening
