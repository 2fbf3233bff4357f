// One rounding for every figure: the decimal as a person writes the value, halves away from
// zero, whatever the binary value underneath.
#include <gtest/gtest.h>

#include <cmath>

#include "core/figure_text.h"

namespace torvane {
namespace {

TEST(FigureText, RoundsTheWrittenDecimalHalfAwayFromZero) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {3.125, 2, "3.13"},      // exact half in binary too: printf gives 3.12
      {241.625, 2, "241.63"},  // the 指标统计 figure that printed two ways
      {0.145, 2, "0.15"},      // 0.14499999… in binary, written 0.145
      {2.675, 2, "2.68"},      // 2.67499999… in binary
      {0.125, 2, "0.13"},      {0.124999, 2, "0.12"},     {-2.5, 0, "-3"},
      {0.5, 0, "1"},           {-0.001, 2, "0.00"},      // no minus sign on a zero
      {0.0, 2, "0.00"},        {999.995, 2, "1000.00"},  // the carry runs through every digit
      {1e-7, 2, "0.00"},       {5e-5, 4, "0.0001"},       {12345678.9, 0, "12345679"},
      {1.0, 3, "1.000"},       {0.000326, 6, "0.000326"}, {1e20, 1, "100000000000000000000.0"},
      {std::nan(""), 2, "无"},
  };
  for (const auto& c : cases) EXPECT_EQ(FixedText(c.value, c.decimals), c.text) << c.value;
}

TEST(FigureText, PercentShiftsTheDecimalBeforeRounding) {
  const struct {
    double ratio;
    int decimals;
    const char* text;
  } cases[] = {
      {0.03125, 2, "3.13%"},  // 条件回测 printed 3.12%, 指标统计 3.13%
      {0.00145, 2, "0.15%"},  // ×100 in binary would give 0.14499…
      {0.03125, 3, "3.125%"}, {0.0003125, 2, "0.03%"}, {2.0 / 3, 2, "66.67%"},
      {1.0, 2, "100.00%"},    {0.96753, 2, "96.75%"},  {0.0, 2, "0.00%"},
  };
  for (const auto& c : cases) EXPECT_EQ(PercentText(c.ratio, c.decimals), c.text) << c.ratio;
}

}  // namespace
}  // namespace torvane
