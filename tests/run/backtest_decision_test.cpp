// The decision figures against runs done the long way: one RunFilters/JudgeDraws per
// tolerance of the table, and per left-out condition, on random conditions and histories.
#include <gtest/gtest.h>

#include <algorithm>
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
  std::vector<history::Draw> draws;
  DigitTable base;  // empty: all numbers
  Conditions conditions;
};

Scenario MakeScenario(unsigned seed, bool withBase) {
  std::mt19937 rng(seed);
  auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(rng); };
  Scenario s;
  std::vector<int> pool;
  for (int i = 0; i < 12; ++i) pool.push_back(upTo(99999));
  for (int i = 0, count = 40 + upTo(80); i < count; ++i) {
    history::Draw d;
    d.period = std::to_string(2004001 + i);
    const int key = upTo(2) == 0 ? pool[upTo(11)] : upTo(99999);
    for (int p = 4, k = key; p >= 0; --p, k /= 10) d.digits[p] = static_cast<uint8_t>(k % 10);
    s.draws.push_back(d);
  }
  if (withBase) {
    std::vector<uint8_t> present(kNumberSpace, 0);
    for (int k = 0; k < kNumberSpace; ++k) present[k] = upTo(3) == 0;
    for (size_t i = 0; i < pool.size(); ++i) present[pool[i]] = i % 2;
    s.base = TableFromPresence(present);
  }
  s.conditions = testing::RandomConditions(rng, pool);
  return s;
}

Conditions WithTolerance(Conditions c, int min, int max) {
  c.tolerance = {std::to_string(min), std::to_string(max)};
  return c;
}

int Results(const DigitTable& base, const Conditions& c) {
  return RunFilters(base, c).results.count();
}

int Kept(const Conditions& c, const DigitTable& base, const std::vector<history::Draw>& draws) {
  const DrawVerdicts judged = JudgeDraws(c, base, draws);
  return static_cast<int>(std::count_if(judged.draws.begin(), judged.draws.end(),
                                        [](const DrawVerdict& v) { return v.kept; }));
}

struct ModelCase {
  unsigned seed;
  bool withBase;
};
std::string CaseName(const ::testing::TestParamInfo<ModelCase>& info) {
  return "Seed" + std::to_string(info.param.seed) + (info.param.withBase ? "_Base" : "_AllNumbers");
}

class BacktestDecisionModel : public ::testing::TestWithParam<ModelCase> {
 protected:
  void SetUp() override {
    s_ = MakeScenario(GetParam().seed, GetParam().withBase);
    try {
      report_ = Backtest(s_.conditions, s_.base, s_.draws);
    } catch (const RunError&) {
      GTEST_SKIP() << "a tolerance the run refuses";
    }
  }
  Scenario s_;
  BacktestReport report_;
};

TEST_P(BacktestDecisionModel, ToleranceTableIsARunPerRange) {
  SCOPED_TRACE(testing::DescribeConditions(s_.conditions));
  const int top = std::min<int>(report_.conditions.size(), 9);
  const std::vector<ToleranceRow>& table = report_.decision.toleranceTable;
  ASSERT_EQ(table.size(), static_cast<size_t>((top + 1) * (top + 2) / 2));
  size_t at = 0;
  for (int min = 0; min <= top; ++min)
    for (int max = min; max <= top; ++max) {
      const ToleranceRow& row = table[at++];
      const Conditions c = WithTolerance(s_.conditions, min, max);
      ASSERT_EQ(row.min, min);
      ASSERT_EQ(row.max, max);
      EXPECT_EQ(row.results, Results(s_.base, c)) << min << "-" << max;
      EXPECT_EQ(row.kept, Kept(c, s_.base, s_.draws)) << min << "-" << max;
      EXPECT_EQ(row.ratio.has_value(), row.results > 0);
    }
}

// Without condition c, a candidate c kills counts one kill less: the numbers c spares run at
// the tolerance, the ones it kills at the tolerance one higher.
TEST_P(BacktestDecisionModel, LeaveOneOutIsTwoRunsSplitByTheCondition) {
  SCOPED_TRACE(testing::DescribeConditions(s_.conditions));
  const DigitTable start = s_.base.empty() ? MakeFullSet() : s_.base;
  const AppliedConditions applied = ApplyConditions(start, s_.conditions);
  const ToleranceRange t = report_.judged.tolerance;
  const Conditions same = WithTolerance(s_.conditions, t.min, t.max);
  const Conditions higher = WithTolerance(s_.conditions, t.min + 1, t.max + 1);
  const RunResult whole = RunFilters(s_.base, s_.conditions);
  ASSERT_EQ(report_.decision.worth.size(), whole.stats.size());

  for (size_t c = 0; c < whole.stats.size(); ++c) {
    const ConditionWorth& w = report_.decision.worth[c];
    SCOPED_TRACE(w.name);
    DigitTable spared, killed;
    const uint8_t* flags = applied.kills.row(static_cast<int>(c) + 1);
    for (int i = 0; i < start.count(); ++i) (flags[i] ? killed : spared).appendRow(start.row(i));
    std::vector<history::Draw> sparedDraws, killedDraws;
    for (size_t i = 0; i < s_.draws.size(); ++i)
      (report_.judged.draws[i].killedBy >> c & 1 ? killedDraws : sparedDraws)
          .push_back(s_.draws[i]);
    // An empty base means all numbers to a run, so an empty half is counted as none.
    const int results = (spared.empty() ? 0 : Results(spared, same)) +
                        (killed.empty() ? 0 : Results(killed, higher));
    const int kept = Kept(same, s_.base, sparedDraws) + Kept(higher, s_.base, killedDraws);

    EXPECT_EQ(w.name, whole.stats[c].name);
    EXPECT_EQ(w.killedCandidates, whole.stats[c].killed);
    EXPECT_EQ(w.killedWinners, static_cast<int>(killedDraws.size()));
    EXPECT_EQ(w.resultsWithout, results);
    EXPECT_EQ(w.keptWithout, kept);
    EXPECT_EQ(w.ratio.has_value(), w.killedCandidates > 0);
  }
}

std::vector<ModelCase> Cases() {
  std::vector<ModelCase> cases;
  for (unsigned seed = 1; seed <= 12; ++seed) cases.push_back({seed, seed % 2 == 0});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(RandomConditions, BacktestDecisionModel, ::testing::ValuesIn(Cases()),
                         CaseName);

}  // namespace
}  // namespace torvane
