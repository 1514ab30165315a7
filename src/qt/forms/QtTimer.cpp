#include "qt/forms/QtTimer.h"

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
  const int period = TimerPeriodMs(interval_);
  if (!enabled_ || period == 0) {
    timer_.stop();
    return;
  }
  timer_.start(period);
}
