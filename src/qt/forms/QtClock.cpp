#include "qt/forms/QtClock.h"

#include <QTime>

std::int64_t QtClock::MillisecondsSinceMidnight() const {
  return QTime::currentTime().msecsSinceStartOfDay();
}
