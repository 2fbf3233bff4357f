// The back-test with 按上期 rows judges each draw by the draw before it: draw by draw, a draw
// is kept exactly when a run with its predecessor as reference lists its number.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "run/backtest.h"
#include "support/digit_tables.h"
#include "support/history_samples.h"
#include "support/random_conditions.h"

namespace torvane {
namespace {

using support::TableOf;

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
  for (const history::Draw& d : h) keys.push_back(DigitsToKey(d.digits.data()));
  Conditions c = testing::RandomConditions(rng, keys);
  c.tolerance = {"0", std::to_string(rng() % 3)};
  c.relative = testing::RandomRelative(rng);

  const std::span<const history::Draw> all(h);
  const BacktestReport r =
      p.previousGiven ? Backtest(c, {}, all.subspan(1), &h[0]) : Backtest(c, {}, all);
  ASSERT_EQ(r.draws, std::vector<history::Draw>(h.begin() + 1, h.end()));
  EXPECT_GT(r.tested - r.kept, 0) << "the rows kill some draws";

  std::vector<int> distinct(keys);
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  for (size_t k = 1; k < h.size(); ++k) {
    const std::vector<int> listed =
        support::KeysOf(RunFilters(TableOf(distinct), c, TableOf({keys[k - 1]})).results);
    EXPECT_EQ(r.judged.draws[k - 1].kept, std::binary_search(listed.begin(), listed.end(), keys[k]))
        << h[k].period;
  }
  EXPECT_EQ(r.resultCount, RunFilters({}, c, TableOf({keys.back()})).results.count());
  // The summary names the reference of the share, and the draw left out when there is one.
  const std::string note = RelativeNote(r);
  EXPECT_NE(note.find(h.back().period), std::string::npos) << note;
  EXPECT_EQ(note.find(h[0].period) != std::string::npos, !p.previousGiven) << note;
}

INSTANTIATE_TEST_SUITE_P(Histories, BacktestRelative,
                         ::testing::Values(RelativeCase{"WholeHistory", 1, false},
                                           RelativeCase{"LastN", 3, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane
