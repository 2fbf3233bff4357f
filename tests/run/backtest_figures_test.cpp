// The back-test figures on small hand-made histories: rates, streaks, result count and
// hit rate ÷ share.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/errors.h"
#include "core/number_text.h"
#include "run/backtest.h"

namespace torvane {
namespace {

history::Draw DrawOf(int index, const char* number) {
  history::Draw d;
  d.period = std::to_string(2024001 + index);
  d.digits = *history::DigitsFromText(number);
  return d;
}

std::vector<history::Draw> History(std::initializer_list<const char*> numbers) {
  std::vector<history::Draw> h;
  for (const char* n : numbers) h.push_back(DrawOf(static_cast<int>(h.size()), n));
  return h;
}

// Numbers whose five digits add up to `sum`, counted without the filters.
int NumbersWithSum(int sum) {
  int n = 0;
  for (int k = 0; k < kNumberSpace; ++k) {
    int s = 0;
    for (int v = k; v > 0; v /= 10) s += v % 10;
    n += s == sum;
  }
  return n;
}

// 杀直选 11111 12345 and 杀和值 15, tolerance 0-0. Sums: 11111 5, 12345 15, 54321 15,
// 22222 10, 90000 9.
Conditions DirectAndSum() {
  Conditions c;
  c.directKill.text = "11111 12345";
  c.sumSpan.sums = "15";
  return c;
}

// missed missed kept kept kept missed kept kept
const auto kHistory = {"11111", "12345", "22222", "22222", "90000", "54321", "22222", "22222"};

TEST(BacktestFigures, PerDrawVerdicts) {
  const BacktestReport r = Backtest(DirectAndSum(), DigitTable(), History(kHistory));
  ASSERT_EQ(r.judged.conditions, (std::vector<std::string>{"杀直选", "杀和值"}));
  const std::vector<DrawVerdict> expected = {
      {true, 1, 0b01, false}, {true, 2, 0b11, false}, {true, 0, 0, true}, {true, 0, 0, true},
      {true, 0, 0, true},     {true, 1, 0b10, false}, {true, 0, 0, true}, {true, 0, 0, true},
  };
  EXPECT_EQ(r.judged.draws, expected);
  EXPECT_EQ(KilledNames(r.judged, r.judged.draws[1]),
            (std::vector<std::string>{"杀直选", "杀和值"}));
}

TEST(BacktestFigures, SummaryOverAllNumbers) {
  const BacktestReport r = Backtest(DirectAndSum(), DigitTable(), History(kHistory));
  EXPECT_EQ(r.tested, 8);
  EXPECT_EQ(r.kept, 5);
  EXPECT_DOUBLE_EQ(r.hitRate, 5.0 / 8);
  EXPECT_EQ(r.startCount, kNumberSpace);
  // 12345 has sum 15 itself; 11111 is the one more number killed.
  const int results = kNumberSpace - NumbersWithSum(15) - 1;
  EXPECT_EQ(r.resultCount, results);
  EXPECT_DOUBLE_EQ(r.share, results / 100000.0);
  ASSERT_TRUE(r.hitRateOverShare.has_value());
  EXPECT_DOUBLE_EQ(*r.hitRateOverShare, (5.0 / 8) / (results / 100000.0));
  EXPECT_EQ(r.currentKeptStreak, 2);
  EXPECT_EQ(r.longestMissedStreak, 2);
}

TEST(BacktestFigures, PerConditionKillsRatesAndStreaks) {
  const BacktestReport r = Backtest(DirectAndSum(), DigitTable(), History(kHistory));
  ASSERT_EQ(r.conditions.size(), 2u);
  const ConditionRecord& direct = r.conditions[0];
  EXPECT_EQ(direct.name, "杀直选");
  EXPECT_EQ(direct.killed, 2);
  EXPECT_DOUBLE_EQ(direct.killRate, 0.25);
  EXPECT_EQ(direct.currentStreak, 6);  // nothing killed since the second draw
  EXPECT_EQ(direct.longestStreak, 6);
  const ConditionRecord& sum = r.conditions[1];
  EXPECT_EQ(sum.killed, 2);
  EXPECT_EQ(sum.currentStreak, 2);
  EXPECT_EQ(sum.longestStreak, 3);  // the three draws between 12345 and 54321
}

TEST(BacktestFigures, DrawOutsideTheBaseIsMissedEvenWhenNothingKillsIt) {
  const DigitTable base = ParseNumberText("22222 12345 54321", ParseMode::List).table;
  const BacktestReport r = Backtest(DirectAndSum(), base, History(kHistory));
  EXPECT_FALSE(r.judged.draws[4].inBase);  // 90000
  EXPECT_EQ(r.judged.draws[4].failed, 0);
  EXPECT_FALSE(r.judged.draws[4].kept);
  EXPECT_FALSE(r.judged.draws[0].inBase);  // 11111, killed as well
  EXPECT_EQ(r.judged.draws[0].failed, 1);
  EXPECT_EQ(r.kept, 4);
  EXPECT_EQ(r.startCount, 3);
  EXPECT_EQ(r.resultCount, 1);  // 22222
  EXPECT_DOUBLE_EQ(*r.hitRateOverShare, 0.5 / (1 / 100000.0));
  EXPECT_EQ(r.longestMissedStreak, 2);
  EXPECT_EQ(r.conditions[0].killed, 2);  // kills count outside the base too
}

TEST(BacktestFigures, NothingKeptByTheRunLeavesTheRatioUndefined) {
  Conditions c;
  c.tolerance = {"1", "1"};  // no condition: no number is killed exactly once
  const BacktestReport r = Backtest(c, DigitTable(), History(kHistory));
  EXPECT_EQ(r.resultCount, 0);
  EXPECT_EQ(r.share, 0);
  EXPECT_EQ(r.kept, 0);
  EXPECT_FALSE(r.hitRateOverShare.has_value());
  EXPECT_EQ(r.longestMissedStreak, 8);
  EXPECT_TRUE(r.conditions.empty());
}

TEST(BacktestFigures, NoDrawsGiveZeroRatesAndNoRatio) {
  const BacktestReport r = Backtest(DirectAndSum(), DigitTable(), {});
  EXPECT_EQ(r.tested, 0);
  EXPECT_EQ(r.hitRate, 0);
  EXPECT_FALSE(r.hitRateOverShare.has_value());
  EXPECT_GT(r.resultCount, 0);
}

TEST(BacktestFigures, RefusesWhatTheRunRefuses) {
  Conditions badTolerance = DirectAndSum();
  badTolerance.tolerance.max = ".";
  EXPECT_THROW(Backtest(badTolerance, DigitTable(), History(kHistory)), RunError);
  Conditions badRange;
  badRange.positional.rangeMax = "99999";  // beyond 16 bits, even with nothing marked
  EXPECT_THROW(Backtest(badRange, DigitTable(), History(kHistory)), RunError);
}

}  // namespace
}  // namespace torvane
