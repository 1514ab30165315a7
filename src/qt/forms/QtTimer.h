#pragma once
// Timer1, the game's tick: a precise timer whose period is its interval but at
// least 16 ms, so a game delay of 1 runs at about 60 ticks a second. An
// interval of 0 (or less) gives no ticks at all while it is enabled.

#include <QTimer>
#include <functional>

#include "core/ports/Ports.h"

class QtTimer : public Timer {
 public:
  QtTimer();

  // What a tick runs: the game's Timer1 handler.
  void OnTick(std::function<void()> tick) { tick_ = std::move(tick); }

  void SetInterval(i16 milliseconds) override;
  i16 Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return enabled_; }

  // Whether ticks are coming, and how far apart.
  bool Running() const { return timer_.isActive(); }
  int RunningPeriodMs() const { return timer_.interval(); }

 private:
  void Apply();

  QTimer timer_;
  std::function<void()> tick_;
  i16 interval_ = 1;  // design state: 1 ms, disabled
  bool enabled_ = false;
};
