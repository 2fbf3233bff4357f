// 按上期条件: what each row kills against the reference 49330 (sum 19, span 9, distinct digits
// {0, 3, 4, 9}); the README's worked examples are rows of this table. Then the edges of k and
// a reference with repeated digits.
#include <gtest/gtest.h>

#include "core/errors.h"
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

// The edges of k and of the reference: a negative k, k at the limits of a box, and a
// reference with one digit repeated (R = 11111: sum 5, span 0, distinct digits {1}).
TEST(RelativeEdges, KillExactlyTheListedNumbers) {
  const struct {
    const char* name;
    int reference;
    RelativeState state;
    std::vector<int> kept, killed;
  } cases[] = {
      {"SumAtMostNegative", 49330, Diff(&S::sumDiff, "-3", false), {}, {49330, 0, 99999}},
      {"SpanAtLeastNegative", 49330, Diff(&S::spanDiff, "-9", true), {20190, 22222}, {}},
      {"SumAtMostLargestK", 49330, Diff(&S::sumDiff, "32767", false), {0, 99999}, {}},
      {"SumAtLeastLargestK", 49330, Diff(&S::sumDiff, "32767", true), {}, {0, 99999}},
      {"SpanAtLeastSmallestK", 49330, Diff(&S::spanDiff, "-32768", true), {22222, 20190}, {}},
      // Every number holding a 1 shares one distinct digit, however many 1s.
      {"SharesOneDigit",
       11111,
       Ticks(true, &S::shared, &S::sharedCounts, {1}),
       {12345, 11111, 90001},
       {23456, 99999}},
      {"SamePositions",
       11111,
       Ticks(true, &S::repeats, &S::repeatCounts, {4, 5}),
       {11111, 11112, 71111},
       {11122, 12345, 22222}},
      {"SumAtMostTwo", 11111, Diff(&S::sumDiff, "2", false), {11111, 30000, 21110}, {0, 22223}},
      {"SpanAtLeastOne", 11111, Diff(&S::spanDiff, "1", true), {11112, 90000}, {11111, 55555}},
  };
  for (const auto& p : cases) {
    SCOPED_TRACE(p.name);
    Conditions c;
    c.relative = p.state;
    std::vector<int> all = p.kept;
    all.insert(all.end(), p.killed.begin(), p.killed.end());
    const AppliedConditions applied = ApplyConditions(TableOf(all), c, TableOf({p.reference}));
    ASSERT_EQ(applied.kills.rowCount(), 2);
    for (size_t i = 0; i < all.size(); ++i)
      EXPECT_EQ(applied.kills.row(1)[i], i >= p.kept.size() ? 1 : 0) << all[i];
  }
}

TEST(RelativeEdges, KPastTheBoxIsRefused) {
  const struct {
    RelativeState state;
    const char* refused;
  } cases[] = {
      {Diff(&S::sumDiff, "32768", false), "和值差的 k“32768”超出范围"},
      {Diff(&S::spanDiff, "-32769", true), "跨度差的 k“-32769”超出范围"},
  };
  for (const auto& p : cases) {
    Conditions c;
    c.relative = p.state;
    try {
      ApplyConditions(TableOf({12345}), c, TableOf({49330}));
      ADD_FAILURE() << p.refused << ": the run was not refused";
    } catch (const RunError& e) {
      EXPECT_EQ(DescribeRunError(e), p.refused);
    }
  }
}

}  // namespace
}  // namespace torvane
