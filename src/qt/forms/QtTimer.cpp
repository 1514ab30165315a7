#include "qt/forms/QtTimer.h"

int tick::PeriodMs(i16 interval) {
  if (interval <= 0) return 0;
  return interval < kShortestPeriodMs ? kShortestPeriodMs : interval;
}

QtTimer::QtTimer() {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (tick_) tick_();
  });
}

void QtTimer::SetInterval(i16 milliseconds) {
  if (milliseconds == interval_) return;  // an unchanged interval does not restart the count
  interval_ = milliseconds;
  Apply();
}

void QtTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Apply();
}

void QtTimer::Apply() {
  const int period = tick::PeriodMs(interval_);
  if (!enabled_ || period == 0) {
    timer_.stop();
    return;
  }
  timer_.start(period);
}
