// torvane-cli with 按上期 rows: run reads the newest draw and refuses such a scheme without a
// history; backtest gives each draw its predecessor.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

struct RelativeCliCase {
  const char* name;
  std::vector<std::string> args;  // SCHEME, DRAWS and DB stand for the test's files
  int code;
  std::string out;
  const char* errPart;
};
void PrintTo(const RelativeCliCase& c, std::ostream* os) {
  *os << c.name;
}

class CliRelative : public CliWithStore, public ::testing::WithParamInterface<RelativeCliCase> {};

TEST_P(CliRelative, ReadsTheRightReference) {
  const RelativeCliCase& p = GetParam();
  const std::string draws = DrawFile(
      "draws.txt", "2024001 11111\n2024002 11111\n2024003 22222\n2024004 22222\n2024005 54321\n");
  // Keeps only the reference itself.
  const std::string scheme =
      DrawFile("scheme.json", R"({"relative": {"repeats": {"apply": true, "counts": "5"}}})");
  ASSERT_EQ(Cli({"history", "import", draws}).code, kExitDone);
  std::vector<std::string> args;
  for (const std::string& a : p.args)
    args.push_back(a == "SCHEME" ? scheme : a == "DRAWS" ? draws : a == "DB" ? DefaultStore() : a);
  const Outcome o = Cli(args);
  EXPECT_EQ(o.code, p.code) << o.err;
  EXPECT_EQ(o.out, p.out);
  EXPECT_NE(o.err.find(p.errPart), std::string::npos) << o.err;
}

// One number bought a draw: the reference itself.
const std::string kFourJudged =
    "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance\n"
    "2024002,,11111,1,0,1,,1,2,100000,99998\n2024003,,22222,1,1,0,上期重号个数,1,2,0,99996\n"
    "2024004,,22222,1,0,1,,1,2,100000,199994\n"
    "2024005,,54321,1,1,0,上期重号个数,1,2,0,199992\n";

INSTANTIATE_TEST_SUITE_P(
    Commands, CliRelative,
    ::testing::Values(
        RelativeCliCase{"RunReadsNewestDraw",
                        {"run", "SCHEME", "--history", "DRAWS"},
                        kExitDone,
                        "54321\n",
                        ""},
        RelativeCliCase{
            "RunWithoutHistoryNamesTheKey", {"run", "SCHEME"}, kExitBadFile, "", "key relative"},
        RelativeCliCase{"BacktestLastFourReadsTheDrawBefore",
                        {"backtest", "SCHEME", "--db", "DB", "--last", "4", "--csv"},
                        kExitDone,
                        kFourJudged,
                        ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::cli
