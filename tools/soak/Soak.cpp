#include "Soak.h"

#include <exception>
#include <string>

#include "Player.h"
#include "Scorer.h"
#include "SyncTest.h"
#include "World.h"

namespace soak {

namespace {

// A match that has not ended after this many events of the loop never will.
constexpr long long kMostEventsInAMatch = 3'000'000;

std::uint64_t SessionSeed(std::uint64_t seed, long long session) {
  std::uint64_t z = seed + 0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(session + 1);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

class Session {
 public:
  Session(Report& report, std::uint64_t seed, long long syncTestEvery)
      : report_(report),
        syncTestEvery_(syncTestEvery),
        world_(seed),
        player_(world_.game, seed ^ 0x5DEECE66Dull),
        scorer_(report, world_) {
    world_.pump.fallback = [this] { Step(); };
  }

  // Plays matches until the program ends or `matchesLeft` runs out.
  void Play(long long& matchesLeft);

 private:
  bool PlayMatch();
  void Step();
  void Execute(const Input& input);
  void Tick();
  void PlayTick();
  void Apply(const Input& input);

  Report& report_;
  long long syncTestEvery_;
  bool syncTesting_ = false;
  World world_;
  Player player_;
  Scorer scorer_;
  bool started_ = false;
  long long events_ = 0;
};

void Session::Play(long long& matchesLeft) {
  while (matchesLeft > 0) {
    --matchesLeft;
    ++report_.matches;
    ++report_.matchInSession;
    if (!PlayMatch()) return;
    world_.game.Command1_Click();
    report_.Check(world_.forms.loaded && !world_.forms.resultShown,
                  "Continue brings back the options panel");
  }
}

// One match from Begin; false when the program would end after it.
bool Session::PlayMatch() {
  player_.SetUpPanel(world_.forms);
  report_.tickInMatch = 0;
  report_.failuresInMatch = 0;
  syncTesting_ = syncTestEvery_ > 0 && report_.matches % syncTestEvery_ == 0;
  if (syncTesting_) ++report_.syncTested;
  started_ = false;
  events_ = 0;
  try {
    world_.game.cmdBegin_Click();
  } catch (const std::exception& error) {
    report_.Fail(std::string("an exception escaped the match: ") + error.what());
    return false;
  }
  report_.Check(started_, "Begin starts the match");
  scorer_.EndMatch();
  return world_.forms.resultShown && report_.failuresInMatch == 0;
}

// One yield of the match loop: the player's next event, checked.
void Session::Step() {
  if (!started_) {
    started_ = true;
    scorer_.StartMatch(Snapshot::Of(world_.game.S));
  }
  if (++events_ == kMostEventsInAMatch) report_.Fail("the match never ends");
  if (report_.failuresInMatch > 0 || events_ >= kMostEventsInAMatch) player_.GiveUp();
  Execute(player_.Next());
}

void Session::Execute(const Input& input) {
  if (input.kind == Input::Kind::Tick) return Tick();
  world_.clock.Advance(1);
  const Snapshot pre = Snapshot::Of(world_.game.S);
  Apply(input);
  const bool escape = input.kind == Input::Kind::KeyDown && input.code == 27;
  scorer_.AfterInput(pre, Snapshot::Of(world_.game.S), escape);
}

void Session::Apply(const Input& input) {
  switch (input.kind) {
    case Input::Kind::KeyDown:
      return world_.game.Display_KeyDown(input.code, input.shift);
    case Input::Kind::KeyUp:
      return world_.game.Display_KeyUp(input.code, input.shift);
    case Input::Kind::Select:
      return world_.forms.Select(input.option);
    case Input::Kind::SetText:
      return world_.forms.SetText(input.box, input.text);
    case Input::Kind::Tick:
      return;
  }
}

// Timer1 ticks only while enabled with an interval above 0; the clock moves on
// by its period, as the real timer's would.
void Session::Tick() {
  auto& timer = world_.timer;
  if (!timer.Enabled() || timer.PeriodMs() == 0) return;
  world_.clock.Advance(timer.PeriodMs());
  ++report_.ticks;
  ++report_.tickInMatch;
  const Snapshot pre = Snapshot::Of(world_.game.S);
  auto& display = *world_.display;
  display.frames = 0;
  world_.watch.Clear();
  world_.watch.watching = true;
  PlayTick();
  world_.watch.watching = false;
  scorer_.AfterTick(pre, Snapshot::Of(world_.game.S), world_.watch, display.frames);
  report_.detail = display.fault;
  report_.Check(display.fault.empty(), "every sprite drawn exists in its tile set");
  report_.detail.clear();
  display.fault.clear();
}

// In a sync-tested match the tick is played aside first, from copies, and
// the two plays must agree in everything.
void Session::PlayTick() {
  if (!syncTesting_) return world_.game.Timer1_Timer();
  SyncTest twice(world_);
  twice.Rehearse();
  const auto difference = twice.Perform([this] { world_.game.Timer1_Timer(); });
  report_.detail = difference.value_or("");
  report_.Check(!difference, "a tick played twice from the same state plays the same");
  report_.detail.clear();
}

}  // namespace

void Run(const Options& options, Report& report) {
  long long matchesLeft = options.matches;
  for (long long session = 0; matchesLeft > 0; ++session) {
    report.session = session;
    report.sessionSeed = SessionSeed(options.seed, session);
    report.matchInSession = 0;
    Session(report, report.sessionSeed, options.syncTestEvery).Play(matchesLeft);
  }
}

}  // namespace soak
