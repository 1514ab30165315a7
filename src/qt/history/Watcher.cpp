#include "qt/history/Watcher.h"

#include <charconv>
#include <cmath>

#include "core/game/MatchAudience.h"
#include "core/journal/CarriedState.h"
#include "core/ports/ControlNames.h"
#include "qt/forms/ResultDialog.h"

namespace {
constexpr std::array<std::pair<int, int>, 3> kPaceKeys{{{49, 1}, {50, 2}, {52, 4}}};
constexpr i16 kPadZero = 96;  // the top row's 1 and 2 come as the keypad's
}  // namespace

Watcher::Watcher(KeptScript script, Pictures& pictures, SoundOutput& sound)
    : script_(std::move(script)) {
  game_ = std::make_unique<Game>(Ports{&forms_, this, &pictures, this, &pump_});
  shown_.Attach(*game_);
  audience_ = std::make_unique<MatchAudience>(*game_, AudienceOutputs{strip_, sound, shown_});
  sinceStart_.start();
  beat_.setTimerType(Qt::PreciseTimer);
  beat_.setSingleShot(true);
  QObject::connect(&beat_, &QTimer::timeout, [this] { Step(); });
}

Watcher::~Watcher() {
  audience_.reset();
}

void Watcher::Run() {
  shown_.ShowOptions();
  forms_.HoldShownPanel();
  SetUp();
  QTimer::singleShot(0, [this] { Schedule(); });
  game_->cmdBegin_Click();  // returns when the match closes
  beat_.stop();
  while (shown_.Result()) pump_.YieldToEvents();  // the result, until Continue
}

// The panel, the carried state, the generator and the clock, up to `begin`.
void Watcher::SetUp() {
  while (next_ < script_.lines.size()) {
    const KeptLine& line = script_.lines[next_++];
    if (line.verb == "begin") return;
    Apply(line);
  }
}

void Watcher::Step() {
  if (paused_ || !game_->MatchRunning()) return;
  while (ticksLeft_ == 0 && next_ < script_.lines.size()) Apply(script_.lines[next_++]);
  if (ticksLeft_ > 0) {
    --ticksLeft_;
    game_->Timer1_Timer();
    if (ticked_) ticked_();
  }
  Schedule();
}

void Watcher::Schedule() {
  if (paused_ || !game_->MatchRunning() || (ticksLeft_ == 0 && next_ >= script_.lines.size()))
    return;
  const double step = std::max(TimerPeriodMs(interval_), kShortestPeriodMs) / double(pace_);
  const double now = static_cast<double>(sinceStart_.nsecsElapsed()) / 1e6;
  // Each tick is due one step after the last was due, whatever the tick cost,
  // so the pace holds; a watch more than a step behind (paused, or the machine
  // stalled) goes on from now rather than hurrying to catch up.
  due_ += step;
  if (due_ < now - step) due_ = now;
  beat_.start(std::max(0, static_cast<int>(std::lround(due_ - now))));
}

// The script has been read, so every word is known good here.
void Watcher::Apply(const KeptLine& l) {
  const std::string& v = l.verb;
  const std::string word = l.words.empty() ? "" : l.words[0];
  const long long number = word.empty() || word[0] > '9' ? 0 : std::stoll(word);
  if (v == "select" && CheckNames().count(word)) forms_.SetTicked(true);
  if (v == "select" && OptionNames().count(word)) forms_.Select(OptionNames().at(word));
  if (v == "unselect") forms_.SetTicked(false);
  if (v == "text") forms_.SetText(TextNames().at(word), l.rest);
  if (v == "carry") carried::Set(game_->S, word, l.rest);
  if (v == "seed") game_->Rnd = Random(std::stoull(word));
  if (v == "clock") clockMs_ = number;
  if (v == "tick") ticksLeft_ = number;
  if (v == "down") game_->Display_KeyDown(static_cast<i16>(number), 0);
  if (v == "up") game_->Display_KeyUp(static_cast<i16>(number), 0);
  if (v == "lost") game_->Display_TileSetLost(static_cast<i16>(number));
  if (v == "close") game_->CloseRequested();
}

void Watcher::Display_KeyDown(i16 keyCode, i16) {
  if (keyCode == 27) return game_->CloseRequested();
  if (keyCode == 32) {
    paused_ = !paused_;
    if (!paused_) Schedule();
    return strip_.SetPace(pace_, paused_);
  }
  for (const auto& [code, pace] : kPaceKeys)
    if (keyCode == code || keyCode == kPadZero + code - 48) SetPace(pace);
}

void Watcher::SetPace(int pace) {
  pace_ = pace;
  strip_.SetPace(pace_, paused_);
}
