#include "history/draw_figures.h"

#include <gtest/gtest.h>

#include <string>

namespace torvane::history {
namespace {

struct FiguresCase {
  const char* number;
  int sum, span;
  const char *bigSmall, *oddEven, *primeComposite, *route, *shape;
};

class DrawFiguresTest : public ::testing::TestWithParam<FiguresCase> {};

TEST_P(DrawFiguresTest, MatchTheNumber) {
  const FiguresCase& c = GetParam();
  Digits d = *DigitsFromText(c.number);
  EXPECT_EQ(DigitSum(d), c.sum);
  EXPECT_EQ(DigitSpan(d), c.span);
  EXPECT_EQ(BigSmallRatio(d), c.bigSmall);
  EXPECT_EQ(OddEvenRatio(d), c.oddEven);
  EXPECT_EQ(PrimeCompositeRatio(d), c.primeComposite);
  EXPECT_EQ(RouteText(d), c.route);
  EXPECT_STREQ(ShapeName(d), c.shape);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, DrawFiguresTest,
    ::testing::Values(FiguresCase{"92882", 29, 7, "3:2", "1:4", "2:3", "02222", "AABBC"},
                      FiguresCase{"00000", 0, 0, "0:5", "0:5", "0:5", "00000", "AAAAA"},
                      FiguresCase{"99999", 45, 0, "5:0", "5:0", "0:5", "00000", "AAAAA"},
                      // 1 counts as prime; 4 and 5 sit on either side of big/small.
                      FiguresCase{"13579", 25, 8, "3:2", "5:0", "4:1", "10210", "ABCDE"},
                      FiguresCase{"45012", 12, 5, "1:4", "2:3", "3:2", "12012", "ABCDE"},
                      FiguresCase{"24680", 20, 8, "2:3", "0:5", "1:4", "21020", "ABCDE"},
                      FiguresCase{"70777", 28, 7, "4:1", "4:1", "4:1", "10111", "AAAAB"},
                      FiguresCase{"33311", 11, 2, "0:5", "5:0", "5:0", "00011", "AAABB"},
                      FiguresCase{"55561", 22, 5, "4:1", "4:1", "4:1", "22201", "AAABC"},
                      FiguresCase{"01123", 7, 3, "0:5", "3:2", "4:1", "01120", "AABCD"}),
    [](const auto& info) { return std::string("N") + info.param.number; });

}  // namespace
}  // namespace torvane::history
