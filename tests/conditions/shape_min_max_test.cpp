// 最小号码 / 最大号码 through the whole run.
#include <gtest/gtest.h>

#include "support/run_results.h"

namespace torvane {
namespace {

using support::KeysOf;
using support::RunOnFullSet;
using support::TableOf;

struct MinMaxCase {
  const char* name;
  const char* smallest;
  const char* largest;
  int survivors;  // on the full set
};

class MinMaxOnFullSet : public ::testing::TestWithParam<MinMaxCase> {};

TEST_P(MinMaxOnFullSet, Survivors) {
  const MinMaxCase& p = GetParam();
  Conditions c;
  c.minMax = {p.smallest, p.largest};
  RunResult r = RunOnFullSet(c);
  EXPECT_EQ(r.results.count(), p.survivors);
  ASSERT_EQ(r.stats.size(), 1u);
  EXPECT_EQ(r.stats[0].name, "最小/最大号码");
  EXPECT_EQ(r.stats[0].killed, 100000 - p.survivors);
}

// Digits 3..6 containing both a 3 and a 6: 4^5 - 2*3^5 + 2^5 = 570.
// Smallest 3 or 4: digits 3..9 containing a 3 or digits 4..9 containing a 4 = 7^5 - 5^5.
INSTANTIATE_TEST_SUITE_P(
    Cases, MinMaxOnFullSet,
    ::testing::Values(MinMaxCase{"SmallestThreeLargestSix", "3", "6", 570},
                      MinMaxCase{"SmallestThreeOnly", "3", "", 16807 - 7776},
                      MinMaxCase{"LargestNineOnly", "", "9", 100000 - 59049},
                      MinMaxCase{"SmallestThreeOrFour", "34", "", 16807 - 3125},
                      MinMaxCase{"SeparatorsIgnored", "3,4", "", 16807 - 3125},
                      MinMaxCase{"ChineseSeparatorsIgnored", " 3，4；", "", 16807 - 3125},
                      MinMaxCase{"OneBlankKillsAll", " ", "", 0},
                      MinMaxCase{"LettersOnlyKillAll", "", "abc", 0},
                      MinMaxCase{"FullWidthDigitIsNoDigit", "３", "", 0},
                      MinMaxCase{"EveryDigitKillsNothing", "0123456789", "0123456789", 100000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MinMaxDigit, BothEmptyAddsNoRow) {
  EXPECT_TRUE(RunOnFullSet(Conditions{}).stats.empty());
}

TEST(MinMaxDigit, SmallestThreeLargestSixKeepsOnlyNumbersWithinBoth) {
  Conditions c;
  c.minMax = {"3", "6"};
  RunResult r = RunFilters(TableOf({23456, 33556, 34566, 34567, 34666, 35556}), c);
  EXPECT_EQ(KeysOf(r.results), (std::vector<int>{33556, 34566, 34666, 35556}));
}

TEST(MinMaxDigit, FailingBothSidesIsOneFailedCondition) {
  Conditions c;
  c.minMax = {"3", "6"};
  c.tolerance = {"1", "1"};
  RunResult r = RunFilters(TableOf({12789}), c);  // smallest 1 and largest 9 both wrong
  EXPECT_EQ(KeysOf(r.results), std::vector<int>{12789});
}

}  // namespace
}  // namespace torvane
