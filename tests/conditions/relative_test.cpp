// 按上期条件: what each row kills against the reference 49330 (sum 19, span 9, distinct digits
// {0, 3, 4, 9}); the README's worked examples are rows of this table.
#include <gtest/gtest.h>

#include "run/filter_run.h"
#include "support/digit_tables.h"

namespace torvane {
namespace {

using support::TableOf;

// A state with one row set: ticks lists the positions or counts ticked.
RelativeState Ticks(bool apply, bool RelativeState::*row,
                    std::array<bool, 6> RelativeState::*counts, std::initializer_list<int> ticks) {
  RelativeState s;
  s.*row = apply;
  for (int t : ticks) (counts ? (s.*counts)[t] : s.samePositions[t]) = true;
  return s;
}
RelativeState Diff(RelativeDiffRow RelativeState::*row, const char* k, bool atLeast) {
  RelativeState s;
  s.*row = {true, k, atLeast};
  return s;
}

struct RelativeCase {
  const char* name;
  RelativeState state;
  const char* row;  // the kill row's name; nullptr: no row applies, no reference needed
  std::vector<int> kept;
  std::vector<int> killed;
};
void PrintTo(const RelativeCase& c, std::ostream* os) {
  *os << c.name;
}

class RelativeRows : public ::testing::TestWithParam<RelativeCase> {};

TEST_P(RelativeRows, KillExactlyTheListedNumbers) {
  const RelativeCase& p = GetParam();
  Conditions c;
  c.relative = p.state;
  std::vector<int> all = p.kept;
  all.insert(all.end(), p.killed.begin(), p.killed.end());
  const AppliedConditions applied =
      ApplyConditions(TableOf(all), c, p.row ? TableOf({49330}) : DigitTable());
  ASSERT_EQ(applied.kills.rowCount(), p.row ? 2 : 1);
  if (!p.row) return;
  EXPECT_EQ(applied.kills.name(1), p.row);
  for (size_t i = 0; i < all.size(); ++i)
    EXPECT_EQ(applied.kills.row(1)[i], i >= p.kept.size() ? 1 : 0) << all[i];
}

using S = RelativeState;
INSTANTIATE_TEST_SUITE_P(
    Rows, RelativeRows,
    ::testing::Values(RelativeCase{"KillSameTensAndUnits",
                                   Ticks(true, &S::killSame, nullptr, {3, 4}),
                                   "杀上期定位",
                                   {49303, 12345},
                                   {11130, 99990}},
                      RelativeCase{"TickWithoutCountsAppliesNothing",
                                   Ticks(true, &S::repeats, &S::repeatCounts, {}),
                                   nullptr,
                                   {},
                                   {}},
                      RelativeCase{"RepeatsZeroOrOne",
                                   Ticks(true, &S::repeats, &S::repeatCounts, {0, 1}),
                                   "上期重号个数",
                                   {12345, 40111},
                                   {49000, 49330}},
                      RelativeCase{"SumAtMostThree",
                                   Diff(&S::sumDiff, "3", false),
                                   "和值差",
                                   {99210, 55550, 88000},
                                   {90000, 99500}},
                      RelativeCase{"SumAtLeastTenHalfRoundsToEven",
                                   Diff(&S::sumDiff, "10.5", true),
                                   "和值差",
                                   {0, 99990, 9},
                                   {55, 99100}},
                      RelativeCase{"SpanAtMostOne",
                                   Diff(&S::spanDiff, "1", false),
                                   "跨度差",
                                   {11119, 20190, 10009},
                                   {22222, 12345}},
                      RelativeCase{"SpanAtLeastTwo",
                                   Diff(&S::spanDiff, "2", true),
                                   "跨度差",
                                   {22222, 12345},
                                   {11119, 10009}},
                      RelativeCase{"SharedTwoOrThreeOfFourDistinct",
                                   Ticks(true, &S::shared, &S::sharedCounts, {2, 3}),
                                   "上期号码出现个数",
                                   {34567, 90003, 99994},
                                   {44444, 12567, 94300}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane
