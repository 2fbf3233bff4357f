// A draw is kept by the back-test exactly when its number is among the results of a run with
// the same conditions and base set: random conditions on every panel, random histories with
// repeated numbers, with and without a base set.
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
    return;  // the test above checks that the back-test refuses too
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

}  // namespace
}  // namespace torvane
