// What a tick of the game costs, side by side with the floor it is measured
// against: copying one 640 x 480 32-bit frame. Run with QT_QPA_PLATFORM unset
// and the offscreen platform is used; nothing is shown.
//
//   FrameCopy          the floor: one memcpy of a whole frame
//   DrawnFlightTick    a flight tick drawn through the Qt display into its back buffer,
//                      after the flight tick before it (only what moved is drawn)
//   DrawnFlightAfresh  the same tick after the innings-break picture: every sprite
//                      of the busiest picture is drawn afresh
//   ShownFlightTick/N  the tick drawn and then painted on a shown widget N times the
//                      field's size (1 in a normal window; 2 or 3 full screen, F11)
//   ShownFlightAfresh/N  the same after the innings-break picture: the whole field
//                      drawn, enlarged and painted again
//   PresentFrame       the widget painting the whole shown frame (at most what a tick adds)
//   DrawnStillTick     a tick whose picture is the same as the last (waiting for the bowler)
//   LogicFlightTick    the same tick with a display that does nothing
//   StateRestore       putting the saved flight back (included in both flight ticks)
//   HeadlessMatch      a whole match played by both bots, nothing drawn
//   BeginToFirstFrame  Begin with the real bitmaps, up to the first tick drawn
//   EventToPlay        a four told through the event stream, with the commentary,
//                      the scorecard and the replay listening too, up to the sound's
//                      play call (p99_us: the 99th percentile of single events)
//
// "floors" is a benchmark's time over the frame copy's, from the same run.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

#include "MatchBot.h"
#include "Rigs.h"
#include "core/model/FieldGeometry.h"
#include "fakes/Fakes.h"
#include "qt/display/DisplayWidget.h"

namespace {

using Clock = std::chrono::steady_clock;
double gFrameCopyNs = 0;  // the floor, once FrameCopy has run

constexpr std::size_t kFramePixels = std::size_t{field::ScreenWidth} * field::ScreenHeight;

// Times the loop by hand as well, to relate it to the floor.
class LoopTimer {
 public:
  explicit LoopTimer(benchmark::State& state) : state_(state), start_(Clock::now()) {}
  double NsPerIteration() const {
    const auto elapsed = std::chrono::duration<double, std::nano>(Clock::now() - start_);
    return state_.iterations() ? elapsed.count() / static_cast<double>(state_.iterations()) : 0;
  }
  void ReportFloors() const {
    if (gFrameCopyNs > 0) state_.counters["floors"] = NsPerIteration() / gFrameCopyNs;
  }

 private:
  benchmark::State& state_;
  Clock::time_point start_;
};

void BM_FrameCopy(benchmark::State& state) {
  std::vector<std::uint32_t> from(kFramePixels, 0x00336633u), to(kFramePixels);
  const LoopTimer timer(state);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kFramePixels * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  gFrameCopyNs = timer.NsPerIteration();
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kFramePixels * 4));
}

// What the tick before the measured one left on screen.
enum class Before {
  NextFlightTick,  // the flight tick before: as in play, only what moved is redrawn
  InningsBreak,    // the break picture: every sprite of the flight is drawn afresh
};

// Holds the ball in mid-flight: every iteration puts back the state of flight
// tick 30 or the state before it and runs one tick from it, so each frame
// differs from the one before.
template <typename Rig>
void FlightTicks(
    benchmark::State& state, Rig& rig, Game& game, Before before,
    const std::function<void()>& afterTick = [] {}) {
  const bool ok = bench::RunInMatch(game, rig.forms, rig.pump, [&] {
    if (!bench::BowlToMidFlight(game)) return state.SkipWithError("the ball is not in flight");
    const MatchState flight = game.S;
    if (before == Before::NextFlightTick) game.Timer1_Timer();
    if (before == Before::InningsBreak) game.S.InningsBreak = true;
    const MatchState saved[] = {flight, game.S};
    const LoopTimer timer(state);
    std::size_t next = 0;
    for (auto _ : state) {
      game.S = saved[next++ & 1];
      game.Timer1_Timer();
      afterTick();
    }
    timer.ReportFloors();
    game.S = flight;
  });
  if (!ok) state.SkipWithError("the match did not run to the end");
}

void DrawnFlightTicks(benchmark::State& state, Before before) {
  bench::DrawnRig rig;
  rig.forms.displayFactory = [&rig, inner = rig.forms.displayFactory](DisplayEvents& events) {
    auto display = inner(events);
    rig.widget->hide();  // drawn into the back buffer only
    return display;
  };
  FlightTicks(state, rig, rig.game, before);
}

void BM_DrawnFlightTick(benchmark::State& state) {
  DrawnFlightTicks(state, Before::NextFlightTick);
}

void BM_DrawnFlightAfresh(benchmark::State& state) {
  DrawnFlightTicks(state, Before::InningsBreak);
}

void ShownFlightTicks(benchmark::State& state, Before before) {
  bench::DrawnRig rig;
  const QSize size = QSize(field::ScreenWidth, field::ScreenHeight) * state.range(0);
  rig.forms.displayFactory = [&rig, inner = rig.forms.displayFactory, size](DisplayEvents& events) {
    auto display = inner(events);
    rig.widget->resize(size);
    rig.widget->show();
    return display;
  };
  FlightTicks(state, rig, rig.game, before, [] { QCoreApplication::processEvents(); });
}

void BM_ShownFlightTick(benchmark::State& state) {
  ShownFlightTicks(state, Before::NextFlightTick);
}

void BM_ShownFlightAfresh(benchmark::State& state) {
  ShownFlightTicks(state, Before::InningsBreak);
}

// The widget's paint: the shown frame onto the window's backing store.
void BM_PresentFrame(benchmark::State& state) {
  bench::DrawnRig rig;
  QImage window(field::ScreenWidth, field::ScreenHeight, QImage::Format_RGB32);
  const bool ok = bench::RunInMatch(rig.game, rig.forms, rig.pump, [&] {
    rig.game.Timer1_Timer();
    const LoopTimer timer(state);
    for (auto _ : state) rig.widget->render(&window);
    timer.ReportFloors();
  });
  if (!ok) state.SkipWithError("the match did not run to the end");
}

// The waiting picture, the same every tick: drawn once, then neither drawn
// nor repainted again.
void BM_DrawnStillTick(benchmark::State& state) {
  bench::DrawnRig rig;
  const bool ok = bench::RunInMatch(rig.game, rig.forms, rig.pump, [&] {
    rig.game.Timer1_Timer();
    const MatchState saved = rig.game.S;
    const LoopTimer timer(state);
    for (auto _ : state) {
      rig.game.S = saved;
      rig.game.Timer1_Timer();
    }
    timer.ReportFloors();
  });
  if (!ok) state.SkipWithError("the match did not run to the end");
}

void BM_LogicFlightTick(benchmark::State& state) {
  bench::NullRig rig;
  FlightTicks(state, rig.rig, rig.game, Before::NextFlightTick);
}

void BM_StateRestore(benchmark::State& state) {
  bench::NullRig rig;
  Game& game = rig.game;
  const bool ok = bench::RunInMatch(game, rig.rig.forms, rig.rig.pump, [&] {
    bench::BowlToMidFlight(game);
    const MatchState saved = game.S;
    for (auto _ : state) {
      game.S = saved;
      benchmark::DoNotOptimize(game.S);
    }
  });
  if (!ok) state.SkipWithError("the match did not run to the end");
}

// Whole matches at the design values, both sides played by the bot.
void BM_HeadlessMatch(benchmark::State& state) {
  bench::NullRig rig;
  std::optional<bench::MatchBot> bot;
  rig.rig.pump.fallback = [&bot] { bot->Step(); };
  long ticks = 0;
  for (auto _ : state) {
    bot.emplace(rig.game);
    rig.rig.pump.steps.clear();
    rig.game.cmdBegin_Click();
    if (!rig.rig.forms.resultShown)
      return state.SkipWithError("the match did not reach its result");
    rig.game.Command1_Click();
    ticks += bot->Ticks();
  }
  state.counters["ticks/s"] =
      benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
  state.counters["ticks/match"] =
      benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}

// Begin's work before the first frame: the seven bitmaps loaded and cut, the
// map and frame tables made, and the first tick drawn; the match is closed
// again after each.
void BM_BeginToFirstFrame(benchmark::State& state) {
  bench::DrawnRig rig;
  for (auto _ : state) {
    const bool ok =
        bench::RunInMatch(rig.game, rig.forms, rig.pump, [&] { rig.game.Timer1_Timer(); });
    if (!ok) return state.SkipWithError("the match did not run");
    rig.game.Command1_Click();
  }
}

}  // namespace

// The game's own audience; the sound's output here only counts, so what is
// measured is the core's share.
void BM_EventToPlay(benchmark::State& state) {
  bench::NullRig rig;
  const auto& record = rig.audience.listeners.scorecard.Record();
  const GameEvent four{.kind = EventKind::BallScored, .outcome = Outcome::FourRuns, .runs = 4};
  std::vector<double> micros;
  micros.reserve(1 << 20);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    rig.game.Events.Tell(four);
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
    // A long innings, not an endless one: a new match empties the book.
    if (record.Innings(1).balls.size() > 10000) rig.game.Events.StartMatch();
  }
  std::sort(micros.begin(), micros.end());
  state.counters["p99_us"] = micros.empty() ? 0 : micros[micros.size() * 99 / 100];
  benchmark::DoNotOptimize(rig.audience.outputs.played);
}

BENCHMARK(BM_FrameCopy);
BENCHMARK(BM_DrawnFlightTick);
BENCHMARK(BM_DrawnFlightAfresh);
BENCHMARK(BM_ShownFlightTick)->Arg(1)->Arg(2)->Arg(3);
BENCHMARK(BM_ShownFlightAfresh)->Arg(1)->Arg(2)->Arg(3);
BENCHMARK(BM_PresentFrame);
BENCHMARK(BM_DrawnStillTick);
BENCHMARK(BM_LogicFlightTick);
BENCHMARK(BM_StateRestore);
BENCHMARK(BM_HeadlessMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeginToFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EventToPlay);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
