// A draw is kept by the back-test exactly when its number is among the results of a run with
// the same conditions and base set: random conditions on every panel, random histories with
// repeated numbers, with and without a base set. The decision figures agree with one run per
// tolerance and per left-out condition.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <vector>

#include "core/errors.h"
#include "run/backtest.h"
#include "run/filter_run.h"
#include "support/random_conditions.h"

namespace torvane {
namespace {

struct Scenario {
  std::vector<int> pool;  // numbers drawn again and again
  std::vector<history::Draw> draws;
  DigitTable base;  // empty: all numbers
  Conditions conditions;
};

Scenario MakeScenario(unsigned seed, bool withBase) {
  std::mt19937 rng(seed);
  auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(rng); };
  Scenario s;
  for (int i = 0; i < 20; ++i) s.pool.push_back(upTo(99999));

  const int count = 30 + upTo(170);
  for (int i = 0; i < count; ++i) {
    history::Draw d;
    d.period = std::to_string(2004001 + i);
    const int key = upTo(9) < 4 ? s.pool[upTo(19)] : upTo(99999);
    for (int p = 4, k = key; p >= 0; --p, k /= 10) d.digits[p] = static_cast<uint8_t>(k % 10);
    s.draws.push_back(d);
  }

  if (withBase) {
    // About a third of all numbers and half of the pool, so draws fall on both sides.
    std::vector<uint8_t> present(kNumberSpace, 0);
    for (int k = 0; k < kNumberSpace; ++k) present[k] = upTo(2) == 0;
    for (size_t i = 0; i < s.pool.size(); ++i) present[s.pool[i]] = i % 2;
    s.base = TableFromPresence(present);
  }
  s.conditions = testing::RandomConditions(rng, s.pool);
  return s;
}

int KeyOf(const history::Draw& d) {
  return DigitsToKey(d.digits.data());
}

struct PropertyCase {
  unsigned seed;
  bool withBase;
};

std::string Name(const PropertyCase& c) {
  return "Seed" + std::to_string(c.seed) + (c.withBase ? "_Base" : "_AllNumbers");
}
void PrintTo(const PropertyCase& c, std::ostream* os) {
  *os << Name(c);
}
std::string CaseName(const ::testing::TestParamInfo<PropertyCase>& info) {
  return Name(info.param);
}

class BacktestProperty : public ::testing::TestWithParam<PropertyCase> {};

TEST_P(BacktestProperty, KeptExactlyWhenAmongTheRunResults) {
  const Scenario s = MakeScenario(GetParam().seed, GetParam().withBase);
  SCOPED_TRACE(testing::DescribeConditions(s.conditions));

  RunResult run;
  try {
    run = RunFilters(s.base, s.conditions);
  } catch (const RunError&) {
    EXPECT_THROW(Backtest(s.conditions, s.base, s.draws), RunError);
    return;
  }
  const BacktestReport report = Backtest(s.conditions, s.base, s.draws);

  std::vector<uint8_t> result(kNumberSpace, 0), base(kNumberSpace, s.base.empty());
  for (int i = 0; i < run.results.count(); ++i) result[run.results.key(i)] = 1;
  for (int i = 0; i < s.base.count(); ++i) base[s.base.key(i)] = 1;

  ASSERT_EQ(report.judged.draws.size(), s.draws.size());
  EXPECT_EQ(report.resultCount, run.results.count());
  std::vector<std::string> runNames;
  for (const KillRowStat& stat : run.stats) runNames.push_back(stat.name);
  EXPECT_EQ(report.judged.conditions, runNames);

  for (size_t i = 0; i < s.draws.size(); ++i) {
    const DrawVerdict& v = report.judged.draws[i];
    const int key = KeyOf(s.draws[i]);
    EXPECT_EQ(v.kept, result[key] == 1) << "draw " << i << " " << s.draws[i].NumberText();
    EXPECT_EQ(v.inBase, base[key] == 1) << "draw " << i;
    EXPECT_EQ(v.failed, std::popcount(v.killedBy)) << "draw " << i;
  }
}

// Each kill row flags the same draws as the run's row over the drawn numbers themselves.
TEST_P(BacktestProperty, EveryConditionKillsWhatTheRunKills) {
  const Scenario s = MakeScenario(GetParam().seed, GetParam().withBase);
  SCOPED_TRACE(testing::DescribeConditions(s.conditions));
  std::vector<uint8_t> drawn(kNumberSpace, 0);
  for (const history::Draw& d : s.draws) drawn[KeyOf(d)] = 1;
  const DigitTable distinct = TableFromPresence(drawn);

  RunResult run;
  try {
    run = RunFilters(distinct, s.conditions);
  } catch (const RunError&) {
    // A box the run cannot read stops the judging of the draws as well.
    EXPECT_THROW(JudgeDraws(s.conditions, s.base, s.draws), RunError);
    return;
  }
  const DrawVerdicts judged = JudgeDraws(s.conditions, s.base, s.draws);
  ASSERT_EQ(judged.conditions.size(), run.stats.size());
  for (size_t c = 0; c < run.stats.size(); ++c) {
    std::vector<uint8_t> killed(kNumberSpace, 0);
    for (size_t i = 0; i < s.draws.size(); ++i)
      if (judged.draws[i].killedBy >> c & 1) killed[KeyOf(s.draws[i])] = 1;
    EXPECT_EQ(std::count(killed.begin(), killed.end(), 1), run.stats[c].killed)
        << run.stats[c].name;
  }
}

class BacktestDecisionModel : public BacktestProperty {};

TEST_P(BacktestDecisionModel, ToleranceTableAndLeaveOneOutAreRunsOfTheirOwn) {
  const Scenario s = MakeScenario(GetParam().seed, GetParam().withBase);
  SCOPED_TRACE(testing::DescribeConditions(s.conditions));
  BacktestReport r;
  try {
    r = Backtest(s.conditions, s.base, s.draws);
  } catch (const RunError&) {
    // Refused only where the run itself is.
    EXPECT_THROW(RunFilters(s.base, s.conditions), RunError);
    return;
  }
  // Results and kept draws at a tolerance; an empty start is none here, not all numbers.
  const auto runAndKept = [&](const DigitTable& start, int min, int max,
                              const std::vector<history::Draw>& draws) {
    Conditions c = s.conditions;
    c.tolerance = {std::to_string(min), std::to_string(max)};
    int kept = 0;
    for (const DrawVerdict& v : JudgeDraws(c, s.base, draws).draws) kept += v.kept;
    return std::pair(start.empty() ? 0 : RunFilters(start, c).results.count(), kept);
  };
  const DigitTable start = s.base.empty() ? MakeFullSet() : s.base;
  const int top = std::min<int>(r.conditions.size(), 9);
  ASSERT_EQ(r.decision.toleranceTable.size(), static_cast<size_t>((top + 1) * (top + 2) / 2));
  for (const ToleranceRow& row : r.decision.toleranceTable)
    EXPECT_EQ(std::make_pair(row.results, row.kept), runAndKept(start, row.min, row.max, s.draws))
        << row.min << "-" << row.max;

  // Without condition c a number c kills has one kill less: what c spares runs at the
  // tolerance, what it kills at the tolerance one higher.
  const KillTable kills = ApplyConditions(start, s.conditions).kills;
  const ToleranceRange t = r.judged.tolerance;
  for (size_t c = 0; c < r.decision.worth.size(); ++c) {
    DigitTable spared, killed;
    for (int i = 0; i < start.count(); ++i)
      (kills.row(static_cast<int>(c) + 1)[i] ? killed : spared).appendRow(start.row(i));
    std::vector<history::Draw> sparedDraws, killedDraws;
    for (size_t i = 0; i < s.draws.size(); ++i)
      (r.judged.draws[i].killedBy >> c & 1 ? killedDraws : sparedDraws).push_back(s.draws[i]);
    const auto [results, kept] = runAndKept(spared, t.min, t.max, sparedDraws);
    const auto [moreResults, moreKept] = runAndKept(killed, t.min + 1, t.max + 1, killedDraws);
    const ConditionWorth& w = r.decision.worth[c];
    EXPECT_EQ(w.resultsWithout, results + moreResults) << w.name;
    EXPECT_EQ(w.keptWithout, kept + moreKept) << w.name;
  }
}

std::vector<PropertyCase> Cases() {
  std::vector<PropertyCase> cases;
  for (unsigned seed = 1; seed <= 150; ++seed) {
    cases.push_back({seed, false});
    cases.push_back({seed, true});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(RandomConditions, BacktestProperty, ::testing::ValuesIn(Cases()),
                         CaseName);
// Each of these runs once per tolerance and per condition.
std::vector<PropertyCase> DecisionCases() {
  std::vector<PropertyCase> some = Cases();
  some.resize(16);
  return some;
}

INSTANTIATE_TEST_SUITE_P(RandomConditions, BacktestDecisionModel,
                         ::testing::ValuesIn(DecisionCases()), CaseName);

// The cases above would prove little if every draw were kept, or none.
TEST(BacktestPropertyCases, MixKeptMissedAndOutsideTheBase) {
  int kept = 0, missed = 0, outside = 0, refused = 0, appliedRows = 0;
  for (const PropertyCase& c : Cases()) {
    const Scenario s = MakeScenario(c.seed, c.withBase);
    try {
      const DrawVerdicts judged = JudgeDraws(s.conditions, s.base, s.draws);
      appliedRows += static_cast<int>(judged.conditions.size());
      for (const DrawVerdict& v : judged.draws) {
        (v.kept ? kept : missed) += 1;
        outside += v.inBase ? 0 : 1;
      }
    } catch (const RunError&) {
      ++refused;
    }
  }
  const int draws = kept + missed;
  EXPECT_GT(kept, draws / 10);
  EXPECT_GT(missed, draws / 10);
  EXPECT_GT(outside, draws / 20);
  EXPECT_GT(refused, 0);
  EXPECT_LT(refused, 30);
  EXPECT_GT(appliedRows, 3 * 300);
}

// The decision cases check tables only where the back-test ran: most of them must.
TEST(BacktestPropertyCases, DecisionCasesAreMostlyRun) {
  int ran = 0;
  for (const PropertyCase& c : DecisionCases()) {
    const Scenario s = MakeScenario(c.seed, c.withBase);
    try {
      JudgeDraws(s.conditions, s.base, s.draws);
      ++ran;
    } catch (const RunError&) {
    }
  }
  EXPECT_GE(ran, 14);
}

}  // namespace
}  // namespace torvane
