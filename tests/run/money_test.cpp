// Money of a back-test: per draw, the summary, random play's truth and its band, worked by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "run/backtest_report.h"
#include "run/money.h"

namespace torvane {
namespace {

std::vector<DrawMoney> Uniform(int draws, int results, std::int64_t prize, int wins) {
  std::unique_ptr<bool[]> kept(new bool[draws]());
  std::fill_n(kept.get(), wins, true);
  return MoneyOfDraws(std::vector<int>(draws, results), std::span<const bool>(kept.get(), draws),
                      std::vector<std::int64_t>(draws, prize), 2, 1);
}

TEST(Money, EachDrawBuysItsOwnCountAndTheBalanceRuns) {
  const std::vector<int> results = {100, 250, 0, 40};
  const bool kept[] = {false, true, false, true};
  const std::vector<std::int64_t> prizes = {100000, 90000, 100000, 120000};
  // Price 3, multiple 2: a number costs 6 yuan, a hit pays twice the prize.
  const std::vector<DrawMoney> m = MoneyOfDraws(results, kept, prizes, 3, 2);
  const std::vector<std::vector<std::int64_t>> expected = {
      // results, payout, cost, won, balance
      {100, 200000, 600, 0, -600},
      {250, 180000, 1500, 180000, 177900},
      {0, 200000, 0, 0, 177900},
      {40, 240000, 240, 240000, 417660},
  };
  ASSERT_EQ(m.size(), expected.size());
  for (size_t i = 0; i < m.size(); ++i)
    EXPECT_EQ(
        (std::vector<std::int64_t>{m[i].results, m[i].payout, m[i].cost, m[i].won, m[i].balance}),
        expected[i])
        << i;
}

TEST(Money, StoredPrizeUnlessOneIsGiven) {
  EXPECT_EQ(PrizeOf({}, std::nullopt), 100000);
  EXPECT_EQ(PrizeOf({}, 98000), 98000);
  EXPECT_EQ(PrizeOf({2, 50000, 1}, 98000), 50000);
  EXPECT_EQ(PrizeOf({}, 0), 100000);  // a missing figure, not a prize of nothing
}

TEST(Money, SummaryAndTheFixedTruthOfRandomPlay) {
  MoneyRules rules;
  // 30 draws of 1000 numbers at 2 yuan, one hit of 100000.
  const MoneySummary s = SummarizeMoney(Uniform(30, 1000, 100000, 1), rules);
  EXPECT_EQ(s.cost, 60000);
  EXPECT_EQ(s.wins, 1);
  EXPECT_EQ(s.won, 100000);
  EXPECT_EQ(s.net, 40000);
  ASSERT_TRUE(s.returnRate);
  EXPECT_NEAR(*s.returnRate, 100000.0 / 60000, 1e-12);
  EXPECT_DOUBLE_EQ(s.fairReturnPer100, 50);  // 100000 ÷ (2 × 1000)
  EXPECT_EQ(FairReturnText(s), "随机选同样多的号码，长期每投入 100 元返还 50 元");
  EXPECT_EQ(MoneyText(s), "投入 60000 元，中奖 1 次共 100000 元，净输赢 40000 元，返还率 166.67%");

  rules.price = 3;
  EXPECT_EQ(FairReturnText(SummarizeMoney({}, rules)),
            "随机选同样多的号码，长期每投入 100 元返还 33.33 元");
  // Nothing bought: no return rate, and the truth still holds.
  const MoneySummary none = SummarizeMoney(Uniform(5, 0, 100000, 0), MoneyRules{});
  EXPECT_FALSE(none.returnRate);
  EXPECT_DOUBLE_EQ(none.fairReturnPer100, 50);
}

TEST(Money, DifferentPrizesWeighTheTruthByWhatWasBought) {
  // 1000 numbers at 100000, 3000 at 80000: (1000 × 100000 + 3000 × 80000) ÷ 4000 ÷ 2000.
  const bool kept[] = {false, false};
  const std::vector<DrawMoney> m = MoneyOfDraws(std::vector<int>{1000, 3000}, kept,
                                                std::vector<std::int64_t>{100000, 80000}, 2, 1);
  EXPECT_DOUBLE_EQ(SummarizeMoney(m, MoneyRules{}).fairReturnPer100, 42.5);
}

TEST(RandomBand, ExactBinomialQuantilesWhenEveryDrawIsAlike) {
  const struct {
    const char* name;
    int draws, results;
    double expected, low, high;
  } cases[] = {
      // Binomial(30, 0.01): 0 hits at 2.5%, 2 at 97.5%; cost 30 × 2000 = 60000.
      {"ThirtyDrawsOnePercent", 30, 1000, -30000, -60000, 140000},
  };
  for (const auto& c : cases) {
    const RandomBand b = BandOf(Uniform(c.draws, c.results, 100000, 0));
    EXPECT_TRUE(b.exact) << c.name;
    EXPECT_NEAR(b.expected, c.expected, 1e-6) << c.name;
    EXPECT_DOUBLE_EQ(b.low, c.low) << c.name;
    EXPECT_DOUBLE_EQ(b.high, c.high) << c.name;
  }
}

TEST(RandomBand, NormalApproximationWhenCountsDiffer) {
  // Chances 0.5 and 0.25 of 100000: mean winnings 75000, variance 0.25e10 + 0.1875e10, so
  // sd 66143.78 and half-width 1.959964 × sd = 129639.4; cost 150000. Winnings are never below
  // 0, so the low end is -150000.
  const bool kept[] = {false, false};
  const std::vector<DrawMoney> m = MoneyOfDraws(std::vector<int>{50000, 25000}, kept,
                                                std::vector<std::int64_t>{100000, 100000}, 2, 1);
  const RandomBand b = BandOf(m);
  EXPECT_FALSE(b.exact);
  EXPECT_NEAR(b.expected, -75000, 1e-6);
  EXPECT_DOUBLE_EQ(b.low, -150000);
  EXPECT_NEAR(b.high, 54639.4, 0.1);
  EXPECT_EQ(
      RandomBandText(SummarizeMoney(m, MoneyRules{})),
      "随机选同样多的号码，净输赢 95% 落在 -150000 至 54639 元之间（平均 -75000 元，正态近似）");
}

TEST(MoneyCurve, PointsSpreadEvenlyAndEndOnTheLastDraw) {
  const std::vector<DrawMoney> m = Uniform(30, 1000, 100000, 1);
  const std::vector<MoneyPoint> all = MoneyCurve(m);
  ASSERT_EQ(all.size(), 30u);
  EXPECT_EQ(all.front().balance, 100000 - 2000);  // the first draw was the hit
  EXPECT_EQ(all.back().balance, 40000);
  // The last point's band is the whole back-test's.
  const RandomBand whole = BandOf(m);
  EXPECT_DOUBLE_EQ(all.back().low, whole.low);
  EXPECT_DOUBLE_EQ(all.back().high, whole.high);
  EXPECT_NEAR(all.back().expected, whole.expected, 1e-6);

  const std::vector<MoneyPoint> few = MoneyCurve(m, 4);
  std::vector<int> draws;
  for (const MoneyPoint& p : few) draws.push_back(p.draw);
  EXPECT_EQ(draws, (std::vector<int>{0, 9, 19, 29}));
  EXPECT_EQ(MoneyCurve(m, 1).front().draw, 29);
  EXPECT_TRUE(MoneyCurve({}, 10).empty());
}

}  // namespace
}  // namespace torvane
