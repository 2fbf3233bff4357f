// The back-test with 按上期 rows judges each draw by the draw before it: draw by draw, a draw
// is kept exactly when a run with its predecessor as reference lists its number.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "core/errors.h"
#include "run/backtest.h"
#include "support/digit_tables.h"
#include "support/history_samples.h"
#include "support/random_conditions.h"

namespace torvane {
namespace {

using support::TableOf;

RelativeState RandomRelative(std::mt19937& rng) {
  auto chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
  auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(rng); };
  RelativeState s;
  s.killSame = s.repeats = s.shared = true;  // rows without a chosen tick stay unapplied
  for (bool& b : s.samePositions) b = chance(0.2);
  for (bool& b : s.repeatCounts) b = chance(0.6);
  for (bool& b : s.sharedCounts) b = chance(0.6);
  s.sumDiff = {chance(0.6), std::to_string(upTo(12)), chance(0.3)};
  s.spanDiff = {chance(0.6), std::to_string(upTo(5)), chance(0.3)};
  s.sumDiff.apply = s.sumDiff.apply || !RelativeApplied(s);
  return s;
}

int KeyOf(const history::Draw& d) {
  return DigitsToKey(d.digits.data());
}

struct RelativeCase {
  const char* name;
  unsigned seed;
  bool previousGiven;  // as with --last N: the draw before the tested ones is known
};
void PrintTo(const RelativeCase& c, std::ostream* os) {
  *os << c.name;
}

class BacktestRelative : public ::testing::TestWithParam<RelativeCase> {};

TEST_P(BacktestRelative, AgreesDrawByDrawWithARunOnEachPredecessor) {
  const RelativeCase& p = GetParam();
  std::mt19937 rng(p.seed);
  const std::vector<history::Draw> h = testing::GeneratedHistory(160, p.seed);
  std::vector<int> keys;
  for (const history::Draw& d : h) keys.push_back(KeyOf(d));
  Conditions c = testing::RandomConditions(rng, keys);
  c.tolerance = {"0", std::to_string(rng() % 3)};
  c.relative = RandomRelative(rng);

  const std::span<const history::Draw> all(h);
  const BacktestReport r =
      p.previousGiven ? Backtest(c, {}, all.subspan(1), &h[0]) : Backtest(c, {}, all);
  ASSERT_EQ(r.draws, std::vector<history::Draw>(h.begin() + 1, h.end()));
  EXPECT_GT(r.tested - r.kept, 0) << "the rows kill some draws";
  EXPECT_EQ(r.leftOut.has_value(), !p.previousGiven);

  std::vector<int> distinct(keys);
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  const DigitTable candidates = TableOf(distinct);
  for (size_t k = 1; k < h.size(); ++k) {
    const RunResult run = RunFilters(candidates, c, TableOf({KeyOf(h[k - 1])}));
    const std::vector<int> listed = support::KeysOf(run.results);
    const bool kept = std::binary_search(listed.begin(), listed.end(), keys[k]);
    EXPECT_EQ(r.judged.draws[k - 1].kept, kept) << h[k].period << " " << h[k].NumberText();
  }
  EXPECT_EQ(r.resultCount, RunFilters({}, c, TableOf({KeyOf(h.back())})).results.count());
  const std::string note = RelativeNote(r);
  EXPECT_NE(note.find(h.back().period), std::string::npos) << note;
  EXPECT_EQ(note.find(h[0].period) != std::string::npos, !p.previousGiven) << note;
}

INSTANTIATE_TEST_SUITE_P(Histories, BacktestRelative,
                         ::testing::Values(RelativeCase{"WholeHistorySeed1", 1, false},
                                           RelativeCase{"WholeHistorySeed2", 2, false},
                                           RelativeCase{"LastNSeed3", 3, true},
                                           RelativeCase{"LastNSeed4", 4, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BacktestRelative, JudgingWithoutAReferenceIsRefused) {
  Conditions c;
  c.relative.sumDiff.apply = true;
  const std::vector<history::Draw> h = testing::GeneratedHistory(3);
  EXPECT_THROW(JudgeDraws(c, {}, h), RunError);
  EXPECT_EQ(JudgeDraws(c, {}, std::span(h).subspan(1), &h[0]).draws.size(), 2u);
}

}  // namespace
}  // namespace torvane
