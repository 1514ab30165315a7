#include <gtest/gtest.h>

#include "core/model/NumberText.h"

TEST(NumberText, ReadsDecimalsWithSignAndBlanks) {
  const struct {
    const char* text;
    double value;
  } good[] = {
      {"1", 1},       {" 2 ", 2},       {"\t4\t", 4},   {"+3", 3},  {"-0.4", -0.4},
      {"2.5", 2.5},   {".5", 0.5},      {"5.", 5},      {"007", 7}, {"1e3", 1000},
      {"2.5E2", 250}, {"-1e-2", -0.01}, {" 1e+1 ", 10},
  };
  for (const auto& c : good) {
    const auto n = ReadNumber(c.text);
    ASSERT_TRUE(n.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(*n, c.value) << c.text;
  }
}

TEST(NumberText, RejectsNonsense) {
  for (const char* text : {"", " ", "abc", "1,5", "2x", "0x10", "1e", "e3", "1e+", "1e3.5", "1e999",
                           "+-1", ".", "- 1", "1 2", "inf", "nan"})
    EXPECT_FALSE(ReadNumber(text).has_value()) << '"' << text << '"';
}
