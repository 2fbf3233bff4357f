// The back-test report as text and as CSV.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "run/backtest.h"
#include "run/backtest_report.h"

namespace torvane {
namespace {

history::Draw DrawOf(const char* period, const char* date, const char* number) {
  history::Draw d;
  d.period = period;
  d.date = date;
  d.digits = *history::DigitsFromText(number);
  return d;
}

const std::vector<history::Draw> kDraws = {
    DrawOf("2024001", "2024-01-01", "11111"),
    DrawOf("2024002", "", "12345"),
    DrawOf("2024003", "2024-01-03", "22222"),
    DrawOf("2024004", "2024-01-04", "90000"),
};

Conditions DirectAndSum() {
  Conditions c;
  c.directKill.text = "11111 12345";
  c.sumSpan.sums = "15";
  return c;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(BacktestCsv, OneLinePerDrawOldestFirst) {
  const DigitTable base = ParseNumberText("12345 22222", ParseMode::List).table;
  const BacktestReport r = Backtest(DirectAndSum(), base, kDraws);
  EXPECT_EQ(BacktestCsv(r),
            "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance\n"
            "2024001,2024-01-01,11111,0,1,0,杀直选,1,2,0,-2\n"
            "2024002,,12345,1,2,0,杀直选|杀和值,1,2,0,-4\n"
            "2024003,2024-01-03,22222,1,0,1,,1,2,100000,99994\n"
            "2024004,2024-01-04,90000,0,0,0,,1,2,0,99992\n");
}

TEST(BacktestText, SummaryLines) {
  const BacktestReport r = Backtest(DirectAndSum(), DigitTable(), kDraws);
  const std::vector<std::string> lines = Lines(BacktestText(r));
  ASSERT_GE(lines.size(), 9u);
  EXPECT_EQ(lines[0], "回测 4 期：2024001 至 2024004");
  EXPECT_EQ(lines[1], "起始号码 100000 注（全部号码），容错 0-0");
  EXPECT_EQ(lines[2], "缩水结果 96753 注，占全部号码 96.75%");
  EXPECT_EQ(lines[3], "保留 2 期，命中率 50.00%");
  EXPECT_EQ(lines[4], "命中率 ÷ 占比 0.52（1 表示与随机选同样多的号码相当）");
  EXPECT_EQ(lines[5], "当前连中 2 期，最长连错 2 期");
  // Wilson 2 of 4, and 2 against Binomial(4, 0.96753): P(0) + P(1) + P(2) = 0.00606.
  EXPECT_EQ(lines[6], "命中率 95% 区间 15.00% 至 85.00%");
  EXPECT_EQ(lines[7], "命中率低于随机选同样多的号码（p = 0.006）");
  EXPECT_EQ(lines[8], TuningWarningText());
}

TEST(BacktestText, SignificanceSaysWhichSideOfRandom) {
  const struct {
    const char* name;
    int tested, kept, resultCount;
    double pValue;
    const char* text;
  } cases[] = {
      {"NoDifference", 100, 30, 30000, 0.41, "与随机选同样多的号码相比，没有显著差别（p = 0.41）"},
      {"FivePercent", 100, 40, 30000, 0.05, "与随机选同样多的号码相比，没有显著差别（p = 0.05）"},
      {"Higher", 100, 45, 30000, 2e-9, "命中率高于随机选同样多的号码（p < 0.001）"},
      {"NoDraws", 0, 0, 30000, 1, "没有回测的开奖，无法与随机比较"},
      {"NothingLeft", 100, 0, 0, 1, "缩水结果为 0 注，无法与随机比较"},
  };
  for (const auto& c : cases) {
    BacktestReport r;
    r.tested = c.tested;
    r.kept = c.kept;
    r.resultCount = c.resultCount;
    r.share = c.resultCount / 100000.0;
    r.hitRate = c.tested ? static_cast<double>(c.kept) / c.tested : 0;
    r.decision.confidence.pValue = c.pValue;
    EXPECT_EQ(SignificanceText(r), c.text) << c.name;
  }
}

TEST(BacktestText, ConditionTableAndMissedDrawsLineUp) {
  const DigitTable base = ParseNumberText("12345 22222", ParseMode::List).table;
  const BacktestReport r = Backtest(DirectAndSum(), base, kDraws);
  const std::string text = BacktestText(r);
  EXPECT_NE(text.find("起始号码 2 注（基础号码），容错 0-0\n"), std::string::npos) << text;
  // 杀和值 kills 1 of 4 winners against half the base: p = 10/16 = 0.625, shown 0.63; Holm
  // doubles the smaller p, capped at 1.
  EXPECT_NE(
      text.find("\n"
                "条件    杀中开奖号  误杀率  当前连续未杀  最长连续未杀  杀号率  "
                "误杀÷杀号  p 值  Holm 校正 p  去掉后注数  去掉后保留\n"
                "杀直选           2  50.00%             2             2  50.00%       "
                "1.00  1.00         1.00           1           1\n"
                "杀和值           1  25.00%             2             2  50.00%       "
                "0.50  0.63         1.00           1           1\n"
                "p 值按 Holm 方法校正（同时看了 2 个条件）后，误杀率与随机显著不同的条件：0 个"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("\n"
                      "未保留的期（3 期）：\n"
                      "期号     日期        号码   基础号码  被杀  条件\n"
                      "2024001  2024-01-01  11111  不在         1  杀直选\n"
                      "2024002  -           12345  在           2  杀直选|杀和值\n"
                      "2024004  2024-01-04  90000  不在         0\n"),
            std::string::npos)
      << text;
}

TEST(BacktestText, UndefinedRatioNoConditionsAndNoMissedDraws) {
  Conditions none;
  const BacktestReport all = Backtest(none, DigitTable(), kDraws);
  const std::string kept = BacktestText(all);
  EXPECT_NE(kept.find("命中率 ÷ 占比 1.00（"), std::string::npos) << kept;
  EXPECT_NE(kept.find("\n没有设置任何条件\n"), std::string::npos) << kept;
  EXPECT_NE(kept.find("\n未保留的期：无\n"), std::string::npos) << kept;

  none.tolerance = {"1", "1"};
  const std::string nothing = BacktestText(Backtest(none, DigitTable(), kDraws));
  EXPECT_NE(nothing.find("命中率 ÷ 占比 无（缩水结果为 0 注）"), std::string::npos) << nothing;
}

}  // namespace
}  // namespace torvane
