#include "core/random_pick.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace torvane {
namespace {

DigitTable EveryThirdKey(int n) {
  DigitTable t;
  for (int i = 0; i < n; ++i) t.appendKey(3 * i);
  return t;
}

struct PickCase {
  const char* name;
  int population;
  int asked;
  int picked;
};

class RandomPick : public ::testing::TestWithParam<PickCase> {};

TEST_P(RandomPick, DistinctMembersInTableOrder) {
  const PickCase& c = GetParam();
  const DigitTable table = EveryThirdKey(c.population);
  std::mt19937_64 rng(20261208);
  for (int round = 0; round < 20; ++round) {
    const DigitTable picked = PickRandomRows(table, c.asked, rng);
    ASSERT_EQ(picked.count(), c.picked);
    for (int i = 0; i < picked.count(); ++i) {
      const int key = picked.key(i);
      EXPECT_EQ(key % 3, 0) << key;  // a member of the table
      EXPECT_LT(key, 3 * c.population);
      if (i > 0) {
        EXPECT_LT(picked.key(i - 1), key);  // ascending: distinct as well
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RandomPick,
    ::testing::Values(PickCase{"SomeOfMany", 100000 / 3, 25, 25}, PickCase{"OneNumber", 50, 1, 1},
                      PickCase{"AllOfThem", 7, 7, 7}, PickCase{"MoreThanThereAre", 7, 12, 7},
                      PickCase{"None", 7, 0, 0}, PickCase{"Negative", 7, -3, 0},
                      PickCase{"FromAnEmptyTable", 0, 5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Three of ten, 24000 times: each of the 120 subsets should come about 200 times. The
// chi-square statistic has 119 degrees of freedom (mean 119, deviation about 15.4); a
// biased pick (neighbours favoured, the last row never chosen) lands far above 200.
TEST(RandomPickUniformity, EverySubsetAboutEquallyOften) {
  const DigitTable table = EveryThirdKey(10);
  std::mt19937_64 rng(7);
  constexpr int kDraws = 24000;
  std::map<std::vector<int>, int> seen;
  std::vector<int> perRow(10, 0);
  for (int d = 0; d < kDraws; ++d) {
    const DigitTable picked = PickRandomRows(table, 3, rng);
    std::vector<int> keys;
    for (int i = 0; i < picked.count(); ++i) {
      keys.push_back(picked.key(i));
      ++perRow[static_cast<size_t>(picked.key(i) / 3)];
    }
    ++seen[keys];
  }
  ASSERT_EQ(seen.size(), 120u);
  const double expected = kDraws / 120.0;
  double chi2 = 0;
  for (const auto& [subset, n] : seen) chi2 += (n - expected) * (n - expected) / expected;
  EXPECT_LT(chi2, 200.0);
  for (int n : perRow) EXPECT_NEAR(n, kDraws * 3 / 10, 300);
}

TEST(RandomPickUniformity, FreshSeedsDiffer) {
  const DigitTable table = EveryThirdKey(100000 / 3);
  // Two picks of 20 from 33333 numbers agree by chance far less than once in 10^60.
  EXPECT_NE(PickRandomRows(table, 20), PickRandomRows(table, 20));
}

}  // namespace
}  // namespace torvane
