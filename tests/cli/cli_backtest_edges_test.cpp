// torvane-cli backtest and compare at their edges: the text forms of compare and of the
// tolerance table, a history of one draw, and --last reaching past the oldest draw.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

// Sums: 11111 5, 12345 15, 22222 10, 90000 9, 54321 15.
const char* const kDraws =
    "2024001 2024-01-01 11111\n"
    "2024002 12345\n"
    "2024003 2024-01-03 22222\n"
    "2024004 2024-01-04 90000\n"
    "2024005 2024-01-05 54321\n";

// Kills two numbers by name and every sum of 15: 3246 numbers die of one condition.
const char* const kScheme =
    R"({"format": "torvane-scheme/1", "directKill": "11111 12345", "sumSpan": {"sums": "15"}})";
// Keeps only the reference itself.
const char* const kRelative = R"({"relative": {"repeats": {"apply": true, "counts": "5"}}})";

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class CliBacktestEdges : public CliWithStore {
 protected:
  void SetUp() override {
    scheme_ = DrawFile("scheme.json", kScheme);
    relative_ = DrawFile("relative.json", kRelative);
    draws_ = DrawFile("draws.txt", kDraws);
    oneDraw_ = DrawFile("one.txt", "2024001 2024-01-01 11111\n");
  }
  std::string scheme_, relative_, draws_, oneDraw_;
};

// The rows of the CSV form (tested there) as percentages, with 无 for no ratio.
TEST_F(CliBacktestEdges, ToleranceTableAsText) {
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_, "--tolerance-table"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out,
            "容错    注数     占比  保留   命中率  命中率÷占比\n"
            "0-0    96753   96.75%     2   40.00%         0.41\n"
            "0-1    99999  100.00%     4   80.00%         0.80\n"
            "0-2   100000  100.00%     5  100.00%         1.00\n"
            "1-1     3246    3.25%     2   40.00%        12.32\n"
            "1-2     3247    3.25%     3   60.00%        18.48\n"
            "2-2        1    0.00%     1   20.00%     20000.00\n");
}

// 2 of 5 kept: Wilson 11.76%-76.93%, p = 0.000326; 5 of 5: 56.55%-100.00%; a scheme that
// keeps nothing cannot be compared and has no ratio.
TEST_F(CliBacktestEdges, CompareAsText) {
  const std::string none = DrawFile("none.json", R"({"format": "torvane-scheme/1"})");
  const std::string empty =
      DrawFile("empty.json", R"({"format": "torvane-scheme/1", "tolerance": ["1", "1"]})");
  const Outcome o = Cli({"compare", scheme_, none, empty, "--history", draws_});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  const std::vector<std::string> lines = Lines(o.out);
  ASSERT_EQ(lines.size(), 7u) << o.out;
  EXPECT_EQ(lines[0], "回测 5 期：2024001 至 2024005");
  EXPECT_EQ(Words(lines[1]),
            (std::vector<std::string>{"方案", "注数", "占比", "保留", "命中率", "95%", "区间",
                                      "命中率÷占比", "p", "值", "Holm", "校正", "p", "投入（元）",
                                      "中奖（元）", "返还率", "结论"}));
  EXPECT_EQ(Words(lines[2]),
            (std::vector<std::string>{scheme_, "96753", "96.75%", "2", "40.00%", "11.76%-76.93%",
                                      "0.41", "<", "0.001", "<", "0.001", "967530", "200000",
                                      "20.67%", "低于随机"}));
  EXPECT_EQ(
      Words(lines[3]),
      (std::vector<std::string>{none, "100000", "100.00%", "5", "100.00%", "56.55%-100.00%", "1.00",
                                "1.00", "1.00", "1000000", "500000", "50.00%", "无显著差别"}));
  EXPECT_EQ(Words(lines[4]),
            (std::vector<std::string>{empty, "0", "0.00%", "0", "0.00%", "0.00%-43.45%", "无", "无",
                                      "无", "0", "0", "无", "无法比较"}));
  // The best-looking scheme does not survive Holm's adjustment over the three.
  EXPECT_NE(lines[5].find("它领先可能只是运气"), std::string::npos) << lines[5];
  EXPECT_EQ(lines[6], "注意：若条件是看着这些开奖挑出来的，它们在这里的成绩会好于今后的开奖。");
  // The counts line up at their right edge, whatever the length of the file names.
  const auto countEnd = [&](size_t line, const std::string& count) {
    return lines[line].find(" " + count + " ") + 1 + count.size();
  };
  EXPECT_EQ(countEnd(3, "100000"), countEnd(2, "96753"));
  EXPECT_EQ(countEnd(4, "0"), countEnd(2, "96753"));
}

// One draw: it is tested; with 按上期 rows it has no draw before it, so nothing is.
TEST_F(CliBacktestEdges, OneDrawHistory) {
  const Outcome plain = Cli({"backtest", scheme_, "--history", oneDraw_});
  ASSERT_EQ(plain.code, kExitDone) << plain.err;
  for (const char* part : {"回测 1 期：2024001 至 2024001\n", "保留 0 期，命中率 0.00%\n",
                           "当前连中 0 期，最长连错 1 期\n", "命中率 95% 区间 0.00% 至 79.35%\n",
                           "2024001  2024-01-01  11111  在           1  杀直选\n"})
    EXPECT_NE(plain.out.find(part), std::string::npos) << part << "\n" << plain.out;

  const Outcome relative = Cli({"backtest", relative_, "--history", oneDraw_});
  ASSERT_EQ(relative.code, kExitDone) << relative.err;
  for (const char* part :
       {"回测 0 期\n", "第 2024001 期之前没有开奖，只作参照，不参加回测",
        "命中率 ÷ 占比 无（没有可回测的开奖）\n", "没有可回测的开奖\n", "未保留的期：无\n"})
    EXPECT_NE(relative.out.find(part), std::string::npos) << part << "\n" << relative.out;
  // No condition is missing: the scheme has one, there was only nothing to judge.
  EXPECT_EQ(relative.out.find("没有设置任何条件"), std::string::npos) << relative.out;
  EXPECT_EQ(Cli({"backtest", relative_, "--history", oneDraw_, "--csv"}).out,
            "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance\n");
}

struct LastCase {
  const char* name;
  bool relative;
  const char* firstJudged;
};
void PrintTo(const LastCase& c, std::ostream* os) {
  *os << c.name;
}
class CliBacktestLast : public CliBacktestEdges, public ::testing::WithParamInterface<LastCase> {};

// --last N with N at or past the history is the whole history; with 按上期 rows the oldest
// draw is then only a reference.
TEST_P(CliBacktestLast, AtOrPastTheHistoryIsTheWholeHistory) {
  const LastCase& c = GetParam();
  const std::string scheme = c.relative ? relative_ : scheme_;
  const Outcome all = Cli({"backtest", scheme, "--history", draws_, "--csv"});
  ASSERT_EQ(all.code, kExitDone) << all.err;
  EXPECT_EQ(Lines(all.out).at(1).substr(0, 7), c.firstJudged);
  for (const char* last : {"5", "6", "2147483647"}) {
    const Outcome o = Cli({"backtest", scheme, "--history", draws_, "--csv", "--last", last});
    EXPECT_EQ(o.code, kExitDone) << o.err;
    EXPECT_EQ(o.out, all.out) << last;
  }
}

INSTANTIATE_TEST_SUITE_P(Schemes, CliBacktestLast,
                         ::testing::Values(LastCase{"Plain", false, "2024001"},
                                           LastCase{"Relative", true, "2024002"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::cli
