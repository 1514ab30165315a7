#include <gtest/gtest.h>

#include "core/model/Int16.h"

TEST(Int16, RoundsHalfToEven) {
  const struct {
    double in;
    i16 out;
  } cases[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2},       {-0.4, 0},
      {0.5, 0}, {1.5, 2}, {279.65808, 280}, {32767.4, 32767},
  };
  for (const auto& c : cases) EXPECT_EQ(int16::Round(c.in), c.out) << c.in;
}

TEST(Int16, OutOfRangeRaisesOverflow) {
  const double bad[] = {32767.5, -32768.6, 1e9, std::numeric_limits<double>::quiet_NaN()};
  for (double v : bad) {
    try {
      int16::Round(v);
      FAIL() << v;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), 6);
      EXPECT_EQ(e.Description(), "Overflow");
    }
  }
  EXPECT_THROW(int16::Add(32767, 1), RuntimeError);
  EXPECT_THROW(int16::Sub(-32768, 1), RuntimeError);
  EXPECT_THROW(int16::Mul(200, 200), RuntimeError);
  EXPECT_EQ(int16::Add(32766, 1), 32767);
}

TEST(Int16, TileNumberIsAByte) {
  EXPECT_EQ(int16::ToByte(255), 255);
  EXPECT_EQ(int16::ToByte(0), 0);
  EXPECT_THROW(int16::ToByte(256), RuntimeError);
  EXPECT_THROW(int16::ToByte(-1), RuntimeError);
}
