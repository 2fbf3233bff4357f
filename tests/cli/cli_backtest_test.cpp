// torvane-cli backtest and compare on a small history: the CSV and the text report, draws from
// a file or from the store, --last, --base, --out, the tolerance table and several schemes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

using torvane::testing::ReadBytes;

// Sums: 11111 5, 12345 15, 22222 10, 90000 9, 54321 15.
const char* const kDraws =
    "2024001 2024-01-01 11111\n"
    "2024002 12345\n"
    "2024003 2024-01-03 22222\n"
    "2024004 2024-01-04 90000\n"
    "2024005 2024-01-05 54321\n";

// 96753 numbers bought at 2 yuan every draw (193506 yuan), a kept draw wins 100000.
const char* const kCsv =
    "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance\n"
    "2024001,2024-01-01,11111,1,1,0,杀直选,96753,193506,0,-193506\n"
    "2024002,,12345,1,2,0,杀直选|杀和值,96753,193506,0,-387012\n"
    "2024003,2024-01-03,22222,1,0,1,,96753,193506,100000,-480518\n"
    "2024004,2024-01-04,90000,1,0,1,,96753,193506,100000,-574024\n"
    "2024005,2024-01-05,54321,1,1,0,杀和值,96753,193506,0,-767530\n";

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

class CliBacktest : public CliWithStore {
 protected:
  void SetUp() override {
    scheme_ =
        DrawFile("scheme.json", R"({"format": "torvane-scheme/1", "directKill": "11111 12345",)"
                                R"( "sumSpan": {"sums": "15"}})");
    draws_ = DrawFile("draws.txt", kDraws);
  }
  std::string scheme_;
  std::string draws_;
};

TEST_F(CliBacktest, CsvFromADrawFile) {
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_, "--csv"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, kCsv);
  EXPECT_EQ(o.err, "");
}

TEST_F(CliBacktest, StoreGivesWhatTheFileGives) {
  ASSERT_EQ(Cli({"history", "import", draws_}).code, kExitDone);
  EXPECT_EQ(Cli({"backtest", scheme_, "--csv"}).out, kCsv);
  const Outcome text = Cli({"backtest", scheme_});
  ASSERT_EQ(text.code, kExitDone);
  EXPECT_EQ(text.out, Cli({"backtest", scheme_, "--history", draws_}).out);

  const std::string other = File("other.db");
  ASSERT_EQ(Cli({"history", "import", draws_, "--db", other}).code, kExitDone);
  EXPECT_EQ(Cli({"backtest", scheme_, "--db", other, "--csv"}).out, kCsv);
}

TEST_F(CliBacktest, LastKeepsTheNewestDraws) {
  const std::string expected =
      "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance\n"
      "2024004,2024-01-04,90000,1,0,1,,96753,193506,100000,-93506\n"
      "2024005,2024-01-05,54321,1,1,0,杀和值,96753,193506,0,-287012\n";
  EXPECT_EQ(Cli({"backtest", scheme_, "--history", draws_, "--csv", "--last", "2"}).out, expected);
  ASSERT_EQ(Cli({"history", "import", draws_}).code, kExitDone);
  EXPECT_EQ(Cli({"backtest", scheme_, "--last", "2", "--csv"}).out, expected);
  EXPECT_EQ(Cli({"backtest", scheme_, "--last", "99", "--csv"}).out, kCsv);
}

TEST_F(CliBacktest, TextReport) {
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  for (const char* part :
       {"回测 5 期：2024001 至 2024005\n", "保留 2 期，命中率 40.00%\n",
        "当前连中 0 期，最长连错 2 期\n", "杀直选           2  40.00%", "未保留的期（3 期）：\n",
        "2024005  2024-01-05  54321  在           1  杀和值\n"})
    EXPECT_NE(o.out.find(part), std::string::npos) << part << "\n" << o.out;
}

// The figures are the engine's (tested there); the text report carries them.
TEST_F(CliBacktest, TextReportCountsTheMoney) {
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_NE(o.out.find("投入 967530 元，中奖 2 次共 200000 元，净输赢 -767530 元，返还率 20.67%\n"),
            std::string::npos)
      << o.out;
}

// A number costs 3 × 2 yuan; a hit pays 50000 × 2.
TEST_F(CliBacktest, PricePrizeAndMultiple) {
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_, "--csv", "--last", "2",
                         "--price", "3", "--prize", "50000", "--multiple", "2"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out,
            "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance\n"
            "2024004,2024-01-04,90000,1,0,1,,96753,580518,100000,-480518\n"
            "2024005,2024-01-05,54321,1,1,0,杀和值,96753,580518,0,-1061036\n");
}

// The newest two draws are the check part: the tolerance table is figured on the first three
// (one kept) with the check part's kept draws beside it (one of two).
TEST_F(CliBacktest, HoldoutSplitsTheDraws) {
  const Outcome table = Cli(
      {"backtest", scheme_, "--history", draws_, "--holdout", "2", "--tolerance-table", "--csv"});
  ASSERT_EQ(table.code, kExitDone) << table.err;
  EXPECT_TRUE(
      table.out.starts_with("min,max,results,share,kept,hitRate,ratio,checkKept,"
                            "checkHitRate\n0,0,96753,0.967530,1,0.333333,0.3445,1,"
                            "0.500000\n"))
      << table.out;

  const Outcome text = Cli({"backtest", scheme_, "--history", draws_, "--holdout", "2"});
  ASSERT_EQ(text.code, kExitDone) << text.err;
  EXPECT_NE(text.out.find("留出最近 2 期检验：条件和容错只看前 3 期"), std::string::npos)
      << text.out;
}

TEST_F(CliBacktest, BaseFileDecidesInBase) {
  const std::string base = DrawFile("base.txt", "22222 54321");
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_, "--base", base, "--csv"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  // Of the base only 22222 survives: one number bought a draw.
  EXPECT_NE(o.out.find("2024003,2024-01-03,22222,1,0,1,,1,2,100000,99994\n"), std::string::npos)
      << o.out;
  EXPECT_NE(o.out.find("2024004,2024-01-04,90000,0,0,0,,1,2,0,99992\n"), std::string::npos)
      << o.out;
  EXPECT_NE(o.out.find("2024005,2024-01-05,54321,1,1,0,杀和值,1,2,0,99990\n"), std::string::npos)
      << o.out;
}

TEST_F(CliBacktest, OutFileAndNothingOnStdout) {
  const std::string out = File("report.csv");
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_, "--csv", "--out", out});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(ReadBytes(out), kCsv);
}

TEST_F(CliBacktest, EmptyStoreSaysHowToImport) {
  const Outcome o = Cli({"backtest", scheme_});
  EXPECT_EQ(o.code, kExitBadFile);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find(DefaultStore()), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("torvane-cli history import FILE"), std::string::npos) << o.err;
}

// Kill sums over all numbers: 96753 none, 3246 one (sum 15, or 11111), 12345 two. The draws
// fail 1, 2, 0, 0 and 1 conditions.
TEST_F(CliBacktest, ToleranceTableCsvByMinThenMax) {
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_, "--tolerance-table", "--csv"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out,
            "min,max,results,share,kept,hitRate,ratio\n"
            "0,0,96753,0.967530,2,0.400000,0.4134\n"
            "0,1,99999,0.999990,4,0.800000,0.8000\n"
            "0,2,100000,1.000000,5,1.000000,1.0000\n"
            "1,1,3246,0.032460,2,0.400000,12.3229\n"
            "1,2,3247,0.032470,3,0.600000,18.4786\n"
            "2,2,1,0.000010,1,0.200000,20000.0000\n");
}

// 2 of 5 against Binomial(5, 0.96753) is p = 0.000326 (exact fractions), three times that
// after Holm's adjustment over three schemes; nothing kept of nothing left has no ratio and
// no return; a comma in a file name is quoted.
TEST_F(CliBacktest, CompareOneRowPerSchemeOnTheSameDraws) {
  const std::string none = DrawFile("none.json", R"({"format": "torvane-scheme/1"})");
  const std::string empty =
      DrawFile("tolerance 1,1.json", R"({"format": "torvane-scheme/1", "tolerance": ["1", "1"]})");
  const Outcome o = Cli({"compare", scheme_, none, empty, "--history", draws_, "--csv"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  // The best-looking scheme (all numbers, ratio 1) is not below 0.05 after the adjustment.
  const Outcome text = Cli({"compare", scheme_, none, empty, "--history", draws_});
  EXPECT_NE(text.out.find("看起来最好的方案 " + none +
                          " 按 Holm 方法校正（比了 3 个方案）后 "
                          "p = 1.00，不低于 0.05"),
            std::string::npos)
      << text.out;
  // As text: a scheme that keeps nothing has 无 for what it cannot have, and the counts line
  // up at their right edge whatever the length of the file names.
  const std::vector<std::string> lines = Lines(text.out);
  ASSERT_EQ(lines.size(), 7u) << text.out;
  EXPECT_EQ(lines[0], "回测 5 期：2024001 至 2024005");
  EXPECT_EQ(Words(lines[4].substr(lines[4].find(empty) + empty.size())),
            (std::vector<std::string>{"0", "0.00%", "0", "0.00%", "0.00%-43.45%", "无", "无", "无",
                                      "0", "0", "无", "无法比较"}));
  EXPECT_EQ(lines[6], "注意：若条件是看着这些开奖挑出来的，它们在这里的成绩会好于今后的开奖。");
  const auto countEnd = [&](size_t line, const std::string& count) {
    return lines[line].find(" " + count + " ") + 1 + count.size();
  };
  EXPECT_EQ(countEnd(3, "100000"), countEnd(2, "96753"));
  EXPECT_EQ(countEnd(4, "0"), countEnd(2, "96753"));
  EXPECT_EQ(
      o.out,
      "scheme,results,share,kept,tested,hitRate,ratio,pValue,cost,won,return,pHolm\n" + scheme_ +
          ",96753,0.967530,2,5,0.400000,0.4134,0.000326,967530,200000,0.206712,0.000978\n" + none +
          ",100000,1.000000,5,5,1.000000,1.0000,1.000000,1000000,500000,0.500000,"
          "1.000000\n\"" +
          empty + "\",0,0.000000,0,5,0.000000,,1.000000,0,0,,1.000000\n");
}

// The text form of the tolerance table: the CSV rows as percentages.
TEST_F(CliBacktest, ToleranceTableAsText) {
  const Outcome o = Cli({"backtest", scheme_, "--history", draws_, "--tolerance-table"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_TRUE(
      o.out.starts_with("容错    注数     占比  保留   命中率  命中率÷占比\n"
                        "0-0    96753   96.75%     2   40.00%         0.41\n"))
      << o.out;
  EXPECT_TRUE(o.out.ends_with("2-2        1    0.00%     1   20.00%     20000.00\n")) << o.out;
}

// One draw: it is tested; with 按上期 rows it has no draw before it, so nothing is.
TEST_F(CliBacktest, OneDrawHistory) {
  const std::string one = DrawFile("one.txt", "2024001 2024-01-01 11111\n");
  const std::string relative = DrawFile("relative.json", kRelative);
  const Outcome plain = Cli({"backtest", scheme_, "--history", one});
  ASSERT_EQ(plain.code, kExitDone) << plain.err;
  for (const char* part :
       {"回测 1 期：2024001 至 2024001\n", "2024001  2024-01-01  11111  在           1  杀直选\n"})
    EXPECT_NE(plain.out.find(part), std::string::npos) << part << "\n" << plain.out;

  const Outcome none = Cli({"backtest", relative, "--history", one});
  ASSERT_EQ(none.code, kExitDone) << none.err;
  for (const char* part : {"回测 0 期\n", "第 2024001 期之前没有开奖，只作参照，不参加回测",
                           "命中率 ÷ 占比 无（没有可回测的开奖）\n"})
    EXPECT_NE(none.out.find(part), std::string::npos) << part << "\n" << none.out;
  // No condition is missing: the scheme has one, there was only nothing to judge.
  EXPECT_EQ(none.out.find("没有设置任何条件"), std::string::npos) << none.out;
  EXPECT_EQ(Cli({"backtest", relative, "--history", one, "--csv"}).out,
            "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance\n");
}

// --last N with N at or past the history is the whole history; with 按上期 rows the oldest
// draw is then only a reference.
TEST_F(CliBacktest, LastAtOrPastTheHistoryIsTheWholeHistory) {
  const std::string relative = DrawFile("relative.json", kRelative);
  for (const auto& [scheme, firstJudged] :
       {std::pair(scheme_, "2024001"), std::pair(relative, "2024002")}) {
    const Outcome all = Cli({"backtest", scheme, "--history", draws_, "--csv"});
    ASSERT_EQ(all.code, kExitDone) << all.err;
    EXPECT_EQ(Lines(all.out).at(1).substr(0, 7), firstJudged);
    for (const char* last : {"5", "6", "2147483647"}) {
      const Outcome o = Cli({"backtest", scheme, "--history", draws_, "--csv", "--last", last});
      EXPECT_EQ(o.code, kExitDone) << o.err;
      EXPECT_EQ(o.out, all.out) << last;
    }
  }
}

}  // namespace
}  // namespace torvane::cli
