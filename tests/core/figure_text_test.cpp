// One rounding for every figure: the decimal as a person writes the value, halves away from
// zero, whatever the binary value underneath.
#include <gtest/gtest.h>

#include <cmath>

#include "core/figure_text.h"

namespace torvane {
namespace {

// Percent shifts the decimal before rounding: ×100 in binary would move some halves.
TEST(FigureText, RoundsTheWrittenDecimalHalfAwayFromZero) {
  const struct {
    std::string got;
    const char* want;
  } cases[] = {
      {FixedText(3.125, 2), "3.13"},  // exact half in binary too: printf gives 3.12
      {FixedText(0.145, 2), "0.15"},  // 0.14499999… in binary, written 0.145
      {FixedText(0.124999, 2), "0.12"},
      {FixedText(-2.5, 0), "-3"},
      {FixedText(-0.001, 2), "0.00"},      // no minus sign on a zero
      {FixedText(999.995, 2), "1000.00"},  // the carry runs through every digit
      {FixedText(5e-5, 4), "0.0001"},
      {FixedText(1e20, 1), "100000000000000000000.0"},
      {FixedText(std::nan(""), 2), "无"},
      {PercentText(0.03125, 2), "3.13%"},  // 条件回测 printed 3.12%, 指标统计 3.13%
      {PercentText(0.00145, 2), "0.15%"},
      {PercentText(2.0 / 3, 2), "66.67%"},
      {PercentText(1.0, 2), "100.00%"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

}  // namespace
}  // namespace torvane
