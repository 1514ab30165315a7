#pragma once
// Watching a kept match: its script played through a game of its own (its own
// state and generator, so the player's next match is not touched) on the real
// field, strip, sounds and scorecard, at the match's own pace. Space pauses
// and resumes, 2 and 4 play twice and four times as fast, 1 at the match's
// pace again, Escape stops watching. A watched match is never kept again.

#include <QElapsedTimer>
#include <QTimer>
#include <cstddef>
#include <functional>
#include <memory>

#include "core/game/Game.h"
#include "core/journal/KeptScript.h"
#include "core/ports/Clock.h"
#include "core/ports/Timer.h"
#include "qt/forms/QtEventPump.h"
#include "qt/forms/QtForms.h"
#include "qt/history/WatchForms.h"
#include "qt/history/WatchStrip.h"

class Pictures;
class SoundOutput;

class Watcher : private DisplayEvents, private Timer, private Clock {
 public:
  // `script` has been read without a problem (ReadKeptScript).
  Watcher(KeptScript script, Pictures& pictures, SoundOutput& sound);
  ~Watcher() override;

  // Plays the match to its end or to Escape; returns when its windows are gone.
  void Run();
  int Pace() const { return pace_; }
  void SetPace(int pace);  // 1, 2 or 4 times the match's own
  // Told after each tick of the match watched (a benchmark times them).
  void OnTicked(std::function<void()> heard) { ticked_ = std::move(heard); }
  bool Paused() const { return paused_; }

 private:
  // The field's keys: the watcher's own.
  void Display_KeyDown(i16 keyCode, i16 shift) override;
  void Display_KeyUp(i16, i16) override {}
  void Display_TileSetLost(i16) override {}
  // The match's timer only keeps its interval: the watcher delivers the ticks.
  void SetInterval(i16 milliseconds) override { interval_ = milliseconds; }
  i16 Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }
  std::int64_t MillisecondsSinceMidnight() const override { return clockMs_; }

  void SetUp();
  void Step();  // the inputs up to and including the next tick
  void Apply(const KeptLine& line);
  void Schedule();

  KeptScript script_;
  std::size_t next_ = 0;
  QtForms shown_;
  WatchForms forms_{shown_, *this};
  WatchStrip strip_{shown_};
  QtEventPump pump_;
  i16 interval_ = 1;
  bool enabled_ = false;
  std::int64_t clockMs_ = 0;
  std::unique_ptr<Game> game_;
  std::unique_ptr<class MatchAudience> audience_;
  long long ticksLeft_ = 0;  // of the current `tick N`
  QTimer beat_;
  QElapsedTimer sinceStart_;
  double due_ = 0;  // ms since the start: when the next tick is due
  int pace_ = 1;
  bool paused_ = false;
  std::function<void()> ticked_;
};
