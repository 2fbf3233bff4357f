// torvane-cli with 按上期 rows: run reads the newest draw of --history or --db and refuses a
// scheme with such rows without one; backtest gives each draw its predecessor.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

const char* const kDraws =
    "2024001 11111\n"
    "2024002 11111\n"
    "2024003 22222\n"
    "2024004 22222\n"
    "2024005 54321\n";

// Keeps only numbers equal to the reference in all five positions.
const char* const kSameAsLast = R"({"relative": {"repeats": {"apply": true, "counts": "5"}}})";

struct RelativeCliCase {
  const char* name;
  std::vector<std::string> args;  // SCHEME, DRAWS and DB stand for the test's files
  bool importFirst;
  int code;
  std::string out;
  const char* errPart;
};
void PrintTo(const RelativeCliCase& c, std::ostream* os) {
  *os << c.name;
}

class CliRelative : public CliWithStore, public ::testing::WithParamInterface<RelativeCliCase> {};

TEST_P(CliRelative, UsesTheRightReference) {
  const RelativeCliCase& p = GetParam();
  const std::string draws = DrawFile("draws.txt", kDraws);
  const std::string scheme = DrawFile("scheme.json", kSameAsLast);
  if (p.importFirst) ASSERT_EQ(Cli({"history", "import", draws}).code, kExitDone);
  std::vector<std::string> args;
  for (const std::string& a : p.args)
    args.push_back(a == "SCHEME" ? scheme : a == "DRAWS" ? draws : a == "DB" ? DefaultStore() : a);
  const Outcome o = Cli(args);
  EXPECT_EQ(o.code, p.code) << o.err;
  EXPECT_EQ(o.out, p.out);
  EXPECT_NE(o.err.find(p.errPart), std::string::npos) << o.err;
}

const char* const kCsvHeader = "period,date,number,inBase,failed,kept,conditions\n";
const std::string kFourJudged = std::string(kCsvHeader) +
                                "2024002,,11111,1,0,1,\n"
                                "2024003,,22222,1,1,0,上期重号个数\n"
                                "2024004,,22222,1,0,1,\n"
                                "2024005,,54321,1,1,0,上期重号个数\n";

INSTANTIATE_TEST_SUITE_P(
    Commands, CliRelative,
    ::testing::Values(RelativeCliCase{"RunReadsNewestDrawOfFile",
                                      {"run", "SCHEME", "--history", "DRAWS"},
                                      false,
                                      kExitDone,
                                      "54321\n",
                                      ""},
                      RelativeCliCase{"RunReadsNewestDrawOfStore",
                                      {"run", "SCHEME", "--db", "DB"},
                                      true,
                                      kExitDone,
                                      "54321\n",
                                      ""},
                      RelativeCliCase{"RunWithoutHistoryNamesTheKey",
                                      {"run", "SCHEME"},
                                      true,
                                      kExitBadFile,
                                      "",
                                      "key relative"},
                      RelativeCliCase{"RunOnEmptyStoreSaysHowToImport",
                                      {"run", "SCHEME", "--db", "DB"},
                                      false,
                                      kExitBadFile,
                                      "",
                                      "history import"},
                      RelativeCliCase{"RunWithBothSourcesIsWrongUsage",
                                      {"run", "SCHEME", "--history", "DRAWS", "--db", "DB"},
                                      false,
                                      kExitUsage,
                                      "",
                                      "cannot be used together"},
                      RelativeCliCase{"BacktestLeavesOutTheFirstDraw",
                                      {"backtest", "SCHEME", "--history", "DRAWS", "--csv"},
                                      false,
                                      kExitDone,
                                      kFourJudged,
                                      ""},
                      RelativeCliCase{"BacktestLastFourReadsTheDrawBefore",
                                      {"backtest", "SCHEME", "--db", "DB", "--last", "4", "--csv"},
                                      true,
                                      kExitDone,
                                      kFourJudged,
                                      ""},
                      RelativeCliCase{
                          "BacktestLastOne",
                          {"backtest", "SCHEME", "--history", "DRAWS", "--last", "1", "--csv"},
                          false,
                          kExitDone,
                          std::string(kCsvHeader) + "2024005,,54321,1,1,0,上期重号个数\n",
                          ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliWithStore, BacktestReportSaysWhichDrawOnlyServedAsReference) {
  const Outcome o = Cli({"backtest", DrawFile("scheme.json", kSameAsLast), "--history",
                         DrawFile("draws.txt", kDraws)});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_NE(o.out.find("第 2024001 期之前没有开奖，只作参照"), std::string::npos) << o.out;
  EXPECT_NE(o.out.find("按最新一期第 2024005 期（54321）为参照"), std::string::npos) << o.out;
  EXPECT_NE(o.out.find("缩水结果 1 注"), std::string::npos) << o.out;
}

}  // namespace
}  // namespace torvane::cli
