// torvane-cli stats: the CSV layout, the text table and where the draws come from.
// The figures themselves are checked against a plain count in the history tests.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

const char* const kDraws =
    "期号,开奖号码\n"
    "2024001,11111\n2024002,12345\n2024003,90000\n2024004,12000\n2024005,55555\n";

class CliStats : public CliWithStore {
 protected:
  std::string draws_ = DrawFile("draws.csv", kDraws);
};

TEST_F(CliStats, CsvRowsInValueOrder) {
  const Outcome o = Cli({"stats", "--history", draws_, "--last", "2", "--csv"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out.substr(0, o.out.find("万位,2,")),
            "attribute,value,probability,hits,expected,current,longest,expectedGap\n"
            "万位,0,0.10000,0,0.20,5,5,9.00\n"
            "万位,1,0.10000,1,0.20,1,1,9.00\n");
  // 2 × 0.3125 = 0.625 exactly: an exact half rounds up, as the window rounds it.
  for (const char* line :
       {"\n和值,0,0.00001,0,0.00,5,5,99999.00\n", "\n大小比,2:3,0.31250,0,0.63,5,5,2.20\n",
        "\n形态,ABCDE,0.30240,0,0.60,3,3,2.31\n"})
    EXPECT_NE(o.out.find(line), std::string::npos) << line;
  EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 1 + 141);
}

TEST_F(CliStats, StoreGivesWhatTheFileGives) {
  ASSERT_EQ(Cli({"history", "import", draws_}).code, kExitDone);
  for (const char* last : {"1", "3", "99"}) {
    EXPECT_EQ(Cli({"stats", "--last", last, "--csv"}).out,
              Cli({"stats", "--history", draws_, "--last", last, "--csv"}).out);
  }
  const Outcome text = Cli({"stats", "--last", "2"});
  ASSERT_EQ(text.code, kExitDone) << text.err;
  EXPECT_EQ(text.out.substr(0, text.out.find('\n')),
            "指标统计：全部 5 期（2024001 至 2024005），出现次数按最近 2 期，遗漏按全部历史");
}

}  // namespace
}  // namespace torvane::cli
