#include <gtest/gtest.h>

#include "qt/forms/QtTimer.h"

namespace {

TEST(QtTimer, TicksEveryIntervalButNeverUnderSixteenAndNeverAtZero) {
  QtTimer timer;
  EXPECT_EQ(timer.Interval(), 1);  // the design state: 1 ms, disabled
  EXPECT_FALSE(timer.Enabled());
  const struct {
    int interval;
    bool enabled;
    bool running;
    int period;
  } steps[] = {
      {1, false, false, 0},       {1, true, true, 16},    {15, true, true, 16},
      {17, true, true, 17},       {400, true, true, 400}, {0, true, false, 0},
      {30, true, true, 30},       {30, false, false, 0},  {-5, true, false, 0},
      {32767, true, true, 32767},
  };
  for (const auto& s : steps) {
    timer.SetInterval(static_cast<i16>(s.interval));
    timer.SetEnabled(s.enabled);
    EXPECT_EQ(timer.Interval(), s.interval);
    EXPECT_EQ(timer.Enabled(), s.enabled);
    EXPECT_EQ(timer.Running(), s.running) << s.interval << (s.enabled ? " on" : " off");
    if (s.running) {
      EXPECT_EQ(timer.RunningPeriodMs(), s.period) << s.interval;
    }
  }
}

}  // namespace
