// 按上期条件: what each row kills against a reference draw; the README's worked examples are
// rows of this table.
#include <gtest/gtest.h>

#include <functional>

#include "core/errors.h"
#include "run/filter_run.h"
#include "support/digit_tables.h"

namespace torvane {
namespace {

using support::TableOf;

struct RelativeCase {
  const char* name;
  std::function<void(RelativeState&)> set;
  int reference;
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
  p.set(c.relative);
  std::vector<int> all = p.kept;
  all.insert(all.end(), p.killed.begin(), p.killed.end());
  const AppliedConditions applied = ApplyConditions(TableOf(all), c, TableOf({p.reference}));
  ASSERT_EQ(applied.kills.rowCount(), 2) << "one kill row";
  for (size_t i = 0; i < all.size(); ++i)
    EXPECT_EQ(applied.kills.row(1)[i], i >= p.kept.size() ? 1 : 0) << all[i];
}

RelativeDiffRow Diff(const char* k, bool atLeast) {
  return {true, k, atLeast};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RelativeRows,
    ::testing::Values(RelativeCase{"KillSameTensAndUnits",
                                   [](RelativeState& s) {
                                     s.killSame = true;
                                     s.samePositions[3] = s.samePositions[4] = true;
                                   },
                                   49330,
                                   {49303, 12345},
                                   {11130, 99990}},
                      RelativeCase{"RepeatsZeroOrOne",
                                   [](RelativeState& s) {
                                     s.repeats = true;
                                     s.repeatCounts[0] = s.repeatCounts[1] = true;
                                   },
                                   49330,
                                   {12345, 40111},
                                   {49000, 49330}},
                      RelativeCase{"SumAtMostThree",
                                   [](RelativeState& s) { s.sumDiff = Diff("3", false); },
                                   49330,
                                   {99210, 55550, 88000},
                                   {90000, 99500}},
                      RelativeCase{"SumAtLeastTenHalfRoundsToEven",
                                   [](RelativeState& s) { s.sumDiff = Diff("10.5", true); },
                                   49330,
                                   {0, 99990, 9},
                                   {55, 99100}},
                      RelativeCase{"SpanAtMostOne",
                                   [](RelativeState& s) { s.spanDiff = Diff("1", false); },
                                   49330,
                                   {11119, 20190, 10009},
                                   {22222, 12345}},
                      RelativeCase{"SpanAtLeastTwo",
                                   [](RelativeState& s) { s.spanDiff = Diff("2", true); },
                                   49330,
                                   {22222, 12345},
                                   {11119, 10009}},
                      RelativeCase{"SharedTwoOrThreeOfFourDistinct",
                                   [](RelativeState& s) {
                                     s.shared = true;
                                     s.sharedCounts[2] = s.sharedCounts[3] = true;
                                   },
                                   49330,
                                   {34567, 90003, 99994},
                                   {44444, 12567, 94300}},
                      RelativeCase{"RepeatedReferenceDigitCountsOnce",
                                   [](RelativeState& s) {
                                     s.shared = true;
                                     s.sharedCounts[1] = true;
                                   },
                                   11111,
                                   {11111, 12345},
                                   {22222}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RelativeRows, RowNamesAndOrderAsTheWindowShowsThem) {
  Conditions c;
  c.relative.killSame = c.relative.repeats = c.relative.shared = true;
  c.relative.samePositions[0] = c.relative.repeatCounts[0] = c.relative.sharedCounts[0] = true;
  c.relative.sumDiff.apply = c.relative.spanDiff.apply = true;
  std::vector<std::string> names;
  for (const KillRowStat& s : RunFilters({}, c, TableOf({49330})).stats) names.push_back(s.name);
  EXPECT_EQ(names, (std::vector<std::string>{"杀上期定位", "上期重号个数", "和值差", "跨度差",
                                             "上期号码出现个数"}));
}

struct NotAppliedCase {
  const char* name;
  std::function<void(RelativeState&)> set;
};
void PrintTo(const NotAppliedCase& c, std::ostream* os) {
  *os << c.name;
}
class RelativeNotApplied : public ::testing::TestWithParam<NotAppliedCase> {};

// Without a tick, or with the row's tick but nothing chosen, no row is applied and no
// reference is needed.
TEST_P(RelativeNotApplied, NeedsNoReference) {
  Conditions c;
  GetParam().set(c.relative);
  EXPECT_FALSE(RelativeApplied(c.relative));
  EXPECT_TRUE(RunFilters(TableOf({12345}), c).stats.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RelativeNotApplied,
    ::testing::Values(
        NotAppliedCase{"PositionsWithoutTick", [](RelativeState& s) { s.samePositions[2] = true; }},
        NotAppliedCase{"TickWithoutPositions", [](RelativeState& s) { s.killSame = true; }},
        NotAppliedCase{"TickWithoutRepeatCounts", [](RelativeState& s) { s.repeats = true; }},
        NotAppliedCase{"TickWithoutSharedCounts", [](RelativeState& s) { s.shared = true; }},
        NotAppliedCase{"SumKWithoutTick", [](RelativeState& s) { s.sumDiff.k = "5"; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RelativeRows, AppliedRowWithoutReferenceIsRefused) {
  Conditions c;
  c.relative.sumDiff.apply = true;
  EXPECT_THROW(RunFilters(TableOf({12345}), c), RunError);
}

TEST(RelativeRows, OversizedKIsRefusedNamingTheBox) {
  Conditions c;
  c.relative.spanDiff = Diff("99999", false);
  try {
    RunFilters(TableOf({12345}), c, TableOf({49330}));
    FAIL();
  } catch (const RunError& e) {
    EXPECT_EQ(e.box(), "跨度差的 k");
  }
}

}  // namespace
}  // namespace torvane
