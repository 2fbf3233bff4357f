// 大小比 / 奇偶比 / 质合比 through the whole run.
#include <gtest/gtest.h>

#include "support/run_results.h"

namespace torvane {
namespace {

using support::AllRows;
using support::KeysOf;
using support::RowNames;
using support::RunOnFullSet;
using support::TableOf;

constexpr int kRatioFamilySize[6] = {3125, 15625, 31250, 31250, 15625, 3125};
const char* const kRowName[3] = {"大小比", "奇偶比", "质合比"};

// One button selected alone: the survivors are that ratio's family on the full set.
class SingleRatioButton : public ::testing::TestWithParam<int> {};

TEST_P(SingleRatioButton, KeepsExactlyItsFamily) {
  const int index = GetParam();
  Conditions c;
  c.ratios.selected[index] = true;
  RunResult r = RunOnFullSet(c);
  EXPECT_EQ(r.results.count(), kRatioFamilySize[index % 6]);
  ASSERT_EQ(r.stats.size(), 1u);
  EXPECT_EQ(r.stats[0].name, kRowName[index / 6]);
  EXPECT_EQ(r.stats[0].killed, 100000 - kRatioFamilySize[index % 6]);
}

std::string ButtonName(const ::testing::TestParamInfo<int>& info) {
  static const char* const kKind[3] = {"BigSmall", "OddEven", "PrimeComposite"};
  const int n = info.param % 6;
  return std::string(kKind[info.param / 6]) + "_" + std::to_string(n) + "to" +
         std::to_string(5 - n);
}

INSTANTIATE_TEST_SUITE_P(AllEighteenButtons, SingleRatioButton, ::testing::Range(0, 18),
                         ButtonName);

TEST(RatioFilter, BigSmallThreeToTwoAloneLeaves31250) {
  Conditions c;
  c.ratios.selected[3] = true;
  EXPECT_EQ(RunOnFullSet(c).results.count(), 31250);
}

struct OnlyClassCase {
  const char* name;
  int button;
  const char* allowedDigits;
};

class RatioOnlyOneClass : public ::testing::TestWithParam<OnlyClassCase> {};

TEST_P(RatioOnlyOneClass, SurvivorsUseOnlyThatClass) {
  const OnlyClassCase& p = GetParam();
  Conditions c;
  c.ratios.selected[p.button] = true;
  RunResult r = RunOnFullSet(c);
  EXPECT_EQ(r.results.count(), 3125);
  const std::string allowed = p.allowedDigits;
  EXPECT_TRUE(AllRows(r.results, [&](const uint8_t* d) {
    for (int k = 0; k < 5; ++k)
      if (allowed.find(static_cast<char>('0' + d[k])) == std::string::npos) return false;
    return true;
  }));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RatioOnlyOneClass,
    ::testing::Values(OnlyClassCase{"BigSmallFiveToZeroAllBig", 5, "56789"},
                      OnlyClassCase{"BigSmallZeroToFiveAllSmall", 0, "01234"},
                      OnlyClassCase{"OddEvenZeroToFiveAllEven", 6, "02468"},
                      OnlyClassCase{"PrimeCompositeFiveToZeroAllPrime", 17, "12357"},
                      OnlyClassCase{"PrimeCompositeZeroToFiveAllComposite", 12, "04689"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RatioFilter, NothingSelectedAddsNoRow) {
  EXPECT_TRUE(RunOnFullSet(Conditions{}).stats.empty());
}

TEST(RatioFilter, WholeRowSelectedAddsRowKillingNothing) {
  Conditions c;
  for (int n = 0; n < 6; ++n) c.ratios.selected[6 + n] = true;
  RunResult r = RunOnFullSet(c);
  ASSERT_EQ(RowNames(r), std::vector<std::string>{"奇偶比"});
  EXPECT_EQ(r.stats[0].killed, 0);
  EXPECT_EQ(r.results.count(), 100000);
}

TEST(RatioFilter, ThreeKindsAreThreeConditionsInOrder) {
  Conditions c;
  c.ratios.selected[0] = true;   // 大小 0:5
  c.ratios.selected[11] = true;  // 奇偶 5:0
  c.ratios.selected[12] = true;  // 质合 0:5
  c.tolerance.max = "1";
  // 56012: big 2 (killed by 大小比), odd 2 (killed), prime 3 (killed): three failures.
  // 11111: big 0 (kept), odd 5 (kept), prime 5 — 1 counts as prime (killed once).
  RunResult r = RunFilters(TableOf({56012, 11111}), c);
  EXPECT_EQ(RowNames(r), (std::vector<std::string>{"大小比", "奇偶比", "质合比"}));
  EXPECT_EQ(KeysOf(r.results), std::vector<int>{11111});
}

TEST(RatioFilter, BigSmallThreeToTwoKeepsOnlyThatRatio) {
  Conditions c;
  c.ratios.selected[3] = true;
  RunResult r = RunFilters(TableOf({56012, 57813}), c);
  EXPECT_EQ(KeysOf(r.results), std::vector<int>{57813});
}

}  // namespace
}  // namespace torvane
