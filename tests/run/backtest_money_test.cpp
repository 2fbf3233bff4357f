// Money and held-out draws of the back-test against independent models: each draw's result
// count is a run of its own with the draw before it as reference; the two parts of a held-out
// back-test are the back-tests of those draws alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/errors.h"
#include "run/backtest.h"
#include "run/backtest_report.h"
#include "run/filter_run.h"
#include "support/digit_tables.h"
#include "support/history_samples.h"
#include "support/random_conditions.h"

namespace torvane {
namespace {

using support::TableOf;

// Random conditions with 按上期 rows in every mix (only the rows reading positions, only those
// reading sum, span and digit set, both), a tolerance from narrow to wide, a base set now and
// then.
struct CountCase {
  Conditions conditions;
  DigitTable base;
  std::vector<history::Digits> references;
};

CountCase MakeCountCase(unsigned seed) {
  std::mt19937 rng(seed);
  auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(rng); };
  CountCase c;
  std::vector<int> likely;
  for (int i = 0; i < 6; ++i) likely.push_back(upTo(99999));
  c.conditions = testing::RandomConditions(rng, likely);
  c.conditions.relative = testing::RandomRelative(rng);
  RelativeState& r = c.conditions.relative;
  if (seed % 3 == 1) r.killSame = r.repeats = false;
  if (seed % 3 == 2) r.sumDiff.apply = r.spanDiff.apply = r.shared = false;
  if (seed % 4 == 0) {
    c.conditions.tolerance.min = std::to_string(upTo(3));
    c.conditions.tolerance.max = std::to_string(3 + upTo(9));
  }
  if (seed % 2 == 0) {
    std::vector<uint8_t> present(kNumberSpace, 0);
    for (int k = 0; k < kNumberSpace; ++k) present[k] = upTo(9) == 0;
    c.base = TableFromPresence(present);  // a tenth of the numbers: a quicker run
  }
  // The last reference repeats the first, as draws do.
  for (int i = 0; i < 5; ++i) {
    history::Digits d;
    KeyToDigits(i == 4 ? DigitsToKey(c.references[0].data()) : likely[i], d.data());
    c.references.push_back(d);
  }
  return c;
}

class ResultCountsProperty : public ::testing::TestWithParam<unsigned> {};

TEST_P(ResultCountsProperty, EachReferenceCountsWhatAFullRunLists) {
  const CountCase c = MakeCountCase(GetParam());
  SCOPED_TRACE(testing::DescribeConditions(c.conditions));
  std::vector<int> expected;
  try {
    for (const history::Digits& ref : c.references)
      expected.push_back(
          RunFilters(c.base, c.conditions, TableOf({DigitsToKey(ref.data())})).results.count());
  } catch (const RunError&) {
    EXPECT_THROW(ResultCountsPerDraw(c.conditions, c.base, c.references), RunError);
    return;
  }
  EXPECT_EQ(ResultCountsPerDraw(c.conditions, c.base, c.references), expected);
}

INSTANTIATE_TEST_SUITE_P(RandomConditions, ResultCountsProperty, ::testing::Range(1u, 61u));

history::Draw WithPrize(history::Draw d, std::int64_t prize) {
  d.prize = prize;
  return d;
}

// An 按上期 back-test buys at each draw what a run with the draw before it lists, pays the
// draw's own prize (or the one given), and runs the balance.
TEST(BacktestMoney, RelativeDrawsBuyTheirOwnCount) {
  const std::vector<history::Draw> h = testing::GeneratedHistory(41, 5);
  std::vector<history::Draw> draws(h.begin() + 1, h.end());
  for (size_t i = 0; i < draws.size(); i += 3) draws[i] = WithPrize(draws[i], 95000 + 10 * i);
  Conditions c;
  c.sumSpan.sums = "10 11 12 13";
  c.tolerance = {"0", "1"};
  c.relative.killSame = true;
  c.relative.samePositions[4] = true;
  c.relative.sumDiff = {true, "7", false};
  c.relative.shared = true;
  c.relative.sharedCounts[1] = c.relative.sharedCounts[2] = true;

  for (const MoneyRules& rules : {MoneyRules{}, MoneyRules{3, 50000, 4}}) {
    BacktestOptions options;
    options.money = rules;
    const BacktestReport r = Backtest(c, {}, draws, &h[0], options);
    ASSERT_EQ(r.money.size(), draws.size());
    std::int64_t balance = 0;
    std::vector<int> counts;
    for (size_t i = 0; i < draws.size(); ++i) {
      const history::Draw& before = i == 0 ? h[0] : draws[i - 1];
      const std::vector<int> listed =
          support::KeysOf(RunFilters({}, c, TableOf({DigitsToKey(before.digits.data())})).results);
      const bool kept =
          std::binary_search(listed.begin(), listed.end(), DigitsToKey(draws[i].digits.data()));
      const std::int64_t prize = rules.prize ? *rules.prize : draws[i].prize.value_or(100000);
      const DrawMoney& m = r.money[i];
      EXPECT_EQ(m.results, static_cast<int>(listed.size())) << i;
      EXPECT_EQ(m.cost, static_cast<std::int64_t>(listed.size()) * rules.price * rules.multiple);
      EXPECT_EQ(m.won, kept ? prize * rules.multiple : 0) << i;
      balance += m.won - m.cost;
      EXPECT_EQ(m.balance, balance) << i;
      counts.push_back(m.results);
    }
    EXPECT_GT(*std::max_element(counts.begin(), counts.end()),
              *std::min_element(counts.begin(), counts.end()));
    EXPECT_FALSE(r.moneySummary.band.exact);  // the counts differ: normal approximation
    EXPECT_EQ(r.moneySummary.net, balance);
  }
}

struct HoldoutCase {
  const char* name;
  unsigned seed;
  bool relative;
  int holdout;
};
void PrintTo(const HoldoutCase& c, std::ostream* os) {
  *os << c.name;
}

class BacktestHoldout : public ::testing::TestWithParam<HoldoutCase> {};

TEST_P(BacktestHoldout, PartsAreTheBacktestsOfTheirOwnDraws) {
  const HoldoutCase& p = GetParam();
  std::mt19937 rng(p.seed);
  const std::vector<history::Draw> h = testing::GeneratedHistory(61, p.seed);
  std::vector<int> keys;
  for (const history::Draw& d : h) keys.push_back(DigitsToKey(d.digits.data()));
  Conditions c = testing::RandomConditions(rng, keys);
  c.tolerance = {"0", std::to_string(rng() % 3)};
  if (p.relative) c.relative = testing::RandomRelative(rng);
  const std::span<const history::Draw> tested = std::span(h).subspan(1);
  const int n = static_cast<int>(tested.size());

  BacktestOptions options;
  options.holdout = p.holdout;
  const BacktestReport r = Backtest(c, {}, tested, &h[0], options);
  ASSERT_TRUE(r.heldOut);
  const BacktestReport fit = Backtest(c, {}, tested.first(n - p.holdout), &h[0]);
  const BacktestReport check = Backtest(c, {}, tested.last(p.holdout), &h[n - p.holdout]);

  // With 按上期 rows the shares (of the result, of each condition's kills) are the whole
  // report's, read against the newest draw, where a part alone reads its own newest draw:
  // only figures of the draws themselves are compared then.
  for (const auto& [part, alone] :
       {std::pair(&r.heldOut->fit, &fit), std::pair(&r.heldOut->check, &check)}) {
    EXPECT_EQ(part->count, alone->tested);
    EXPECT_EQ(part->kept, alone->kept);
    if (!p.relative) EXPECT_DOUBLE_EQ(part->confidence.pValue, alone->decision.confidence.pValue);
    EXPECT_EQ(part->money.cost, alone->moneySummary.cost);
    EXPECT_EQ(part->money.won, alone->moneySummary.won);
    ASSERT_EQ(part->decision.worth.size(), alone->decision.worth.size());
    for (size_t i = 0; i < part->decision.worth.size(); ++i) {
      const ConditionWorth &a = part->decision.worth[i], &b = alone->decision.worth[i];
      EXPECT_EQ(a.killedWinners, b.killedWinners) << a.name;
      EXPECT_EQ(a.keptWithout, b.keptWithout) << a.name;
      if (!p.relative) EXPECT_DOUBLE_EQ(a.pHolm, b.pHolm) << a.name;
    }
    ASSERT_EQ(part->decision.toleranceTable.size(), alone->decision.toleranceTable.size());
    for (size_t i = 0; i < part->decision.toleranceTable.size(); ++i)
      EXPECT_EQ(part->decision.toleranceTable[i].kept, alone->decision.toleranceTable[i].kept);
  }

  // The per-draw CSV marks the newest draws as the check part.
  std::istringstream csv(BacktestCsv(r));
  std::string line;
  std::getline(csv, line);
  EXPECT_TRUE(line.ends_with(",balance,part")) << line;
  for (int i = 0; std::getline(csv, line); ++i)
    EXPECT_TRUE(line.ends_with(i < n - p.holdout ? ",fit" : ",test")) << i << ": " << line;
}

INSTANTIATE_TEST_SUITE_P(Histories, BacktestHoldout,
                         ::testing::Values(HoldoutCase{"Plain", 3, false, 20},
                                           HoldoutCase{"Relative", 4, true, 7},
                                           HoldoutCase{"OneHeldOut", 5, false, 1},
                                           HoldoutCase{"AllButOne", 6, true, 59}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BacktestHoldout, MustLeaveDrawsOnBothSides) {
  const std::vector<history::Draw> h = testing::GeneratedHistory(10, 2);
  Conditions relative;
  relative.relative.sumDiff.apply = true;
  const Conditions none;
  // With 按上期 rows the oldest draw only serves as a reference: 9 tested.
  const struct {
    const Conditions& conditions;
    int holdout;
    bool refused;
  } cases[] = {{relative, 9, true}, {relative, 8, false}, {none, 10, true},
               {none, 9, false},    {none, -1, true},     {none, 0, false}};
  for (const auto& c : cases) {
    BacktestOptions options;
    options.holdout = c.holdout;
    const auto run = [&] { Backtest(c.conditions, {}, h, nullptr, options); };
    if (c.refused)
      EXPECT_THROW(run(), HoldoutError) << c.holdout;
    else
      EXPECT_NO_THROW(run()) << c.holdout;
  }
}

TEST(BacktestCancel, ProgressCanStopTheCounting) {
  const std::vector<history::Draw> h = testing::GeneratedHistory(600, 9);
  Conditions c;
  c.relative.sumDiff.apply = true;
  BacktestOptions options;
  int calls = 0, last = -1;
  options.progress = [&](int done, int total) {
    EXPECT_EQ(total, 599);
    EXPECT_GT(done, last);
    last = done;
    return ++calls < 2;
  };
  EXPECT_THROW(Backtest(c, {}, h, nullptr, options), BacktestCancelled);
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace torvane
