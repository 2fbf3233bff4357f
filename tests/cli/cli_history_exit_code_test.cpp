// Exit status and message of the history, backtest, compare and stats commands for each kind
// of failure, in process and as the real program, always against a store in a temporary folder.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

const std::string kSchemes = TORVANE_TEST_DATA "/schemes/";
const std::string kNumbers = TORVANE_TEST_DATA "/numbers/";

struct ExitCase {
  const char* name;
  std::vector<std::string> setup;  // run first when not empty
  std::vector<std::string> args;   // "{dir}" stands for the temporary folder
  int code;
  const char* messagePart;  // what stderr must mention
};
void PrintTo(const ExitCase& c, std::ostream* os) {
  *os << c.name;
}

class HistoryExitCode : public CliWithStore, public ::testing::WithParamInterface<ExitCase> {
 protected:
  void SetUp() override {
    DrawFile("draws.txt", "期号,日期,号码\n2024001,2024-01-01,12345\n2024002,2024-01-02,54321\n");
    DrawFile("bad.txt", "2024001 12345\n2024002 1234x\n");
    DrawFile("not_a_db.db", "just some text, not a database\n");
    if (!GetParam().setup.empty()) {
      const Outcome o = Cli(Expand(GetParam().setup));
      ASSERT_EQ(o.code, kExitDone) << o.err;
    }
  }
  std::vector<std::string> Expand(std::vector<std::string> args) const {
    for (std::string& a : args)
      if (size_t at = a.find("{dir}"); at != std::string::npos)
        a.replace(at, 5, dir_.path().string());
    return args;
  }
};

TEST_P(HistoryExitCode, InProcess) {
  const Outcome o = Cli(Expand(GetParam().args));
  EXPECT_EQ(o.code, GetParam().code) << o.err;
  EXPECT_NE(o.err.find(GetParam().messagePart), std::string::npos) << o.err;
  if (GetParam().code != kExitDone) {
    EXPECT_EQ(o.out, "");
  }
}

TEST_P(HistoryExitCode, AsAProgram) {
  std::string command = TORVANE_CLI_PATH;
  for (const std::string& a : Expand(GetParam().args)) command += " '" + a + "'";
  command += " >/dev/null 2>&1";
  const int status = std::system(command.c_str());  // TORVANE_DB is inherited
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), GetParam().code);
}

const std::vector<std::string> kAdd = {"history", "add", "2024001", "12345"};
const std::string kEmptyScheme = kSchemes + "empty.json";

INSTANTIATE_TEST_SUITE_P(
    Commands, HistoryExitCode,
    ::testing::Values(
        ExitCase{
            "HistoryAlone", {}, {"history"}, kExitUsage, "import, add, delete, export or check"},
        ExitCase{"HistoryUnknownAction", {}, {"history", "list"}, kExitUsage, "'list'"},
        ExitCase{"ImportNoFile", {}, {"history", "import"}, kExitUsage, "one draw file"},
        ExitCase{"ImportWithOut",
                 {},
                 {"history", "import", "{dir}/draws.txt", "--out", "{dir}/x"},
                 kExitUsage,
                 "--out"},
        ExitCase{"ImportMissingFile",
                 {},
                 {"history", "import", "{dir}/none.txt"},
                 kExitBadFile,
                 "none.txt"},
        ExitCase{
            "ImportBadLine", {}, {"history", "import", "{dir}/bad.txt"}, kExitBadFile, "第 2 行"},
        ExitCase{"ImportIntoAForeignFile",
                 {},
                 {"history", "import", "{dir}/draws.txt", "--db", "{dir}/not_a_db.db"},
                 kExitBadFile,
                 "not_a_db.db"},
        ExitCase{"ImportDone", {}, {"history", "import", "{dir}/draws.txt"}, kExitDone, ""},
        ExitCase{"CheckWhole",
                 {"history", "import", "{dir}/draws.txt"},
                 {"history", "check"},
                 kExitDone,
                 ""},
        ExitCase{"CheckEmptyStore", {}, {"history", "check"}, kExitBadFile, "history import"},
        ExitCase{"CheckArgument", {}, {"history", "check", "x"}, kExitUsage, "--db"},
        ExitCase{"AddFourDigits", {}, {"history", "add", "2024001", "1234"}, kExitUsage, "'1234'"},
        ExitCase{
            "AddNoNumber", {}, {"history", "add", "2024001"}, kExitUsage, "period and a number"},
        ExitCase{
            "AddBadPeriod", {}, {"history", "add", "第1期", "12345"}, kExitUsage, "not a period"},
        ExitCase{"AddImpossibleDate",
                 {},
                 {"history", "add", "2024001", "12345", "--date", "2024-02-30"},
                 kExitUsage,
                 "2024-02-30"},
        ExitCase{"AddDateWrittenOtherwise",
                 {},
                 {"history", "add", "2024001", "12345", "--date", "2024/01/05"},
                 kExitUsage,
                 "YYYY-MM-DD"},
        ExitCase{"AddDateWithoutValue",
                 {},
                 {"history", "add", "2024001", "12345", "--date"},
                 kExitUsage,
                 "--date needs a date"},
        ExitCase{"AddOtherNumberForStoredPeriod",
                 kAdd,
                 {"history", "add", "2024001", "54321"},
                 kExitBadFile,
                 "12345，与新的号码 54321"},
        ExitCase{"DeleteNothing", {}, {"history", "delete"}, kExitUsage, "one or more periods"},
        ExitCase{"DeleteBadPeriod", {}, {"history", "delete", "abc"}, kExitUsage, "'abc'"},
        ExitCase{"ExportLastZero", {}, {"history", "export", "--last", "0"}, kExitUsage, "--last"},
        ExitCase{"ExportLastTooLarge",
                 {},
                 {"history", "export", "--last", "99999999999"},
                 kExitUsage,
                 "--last"},
        ExitCase{"ExportFileArgument", {}, {"history", "export", "x.csv"}, kExitUsage, "--out"},
        ExitCase{"ExportEmptyStore",
                 {},
                 {"history", "export"},
                 kExitBadFile,
                 "torvane-cli history import FILE"},
        ExitCase{"BacktestNoScheme", {}, {"backtest"}, kExitUsage, "one scheme file"},
        ExitCase{"BacktestHistoryAndDb",
                 {},
                 {"backtest", kEmptyScheme, "--history", "{dir}/draws.txt", "--db", "{dir}/h.db"},
                 kExitUsage,
                 "--history and --db"},
        ExitCase{"BacktestLastWord",
                 {},
                 {"backtest", kEmptyScheme, "--last", "ten"},
                 kExitUsage,
                 "'ten'"},
        ExitCase{"BacktestEmptyStore",
                 {},
                 {"backtest", kEmptyScheme},
                 kExitBadFile,
                 "torvane-cli history import FILE"},
        ExitCase{"BacktestMissingDrawFile",
                 {},
                 {"backtest", kEmptyScheme, "--history", "{dir}/none.txt"},
                 kExitBadFile,
                 "none.txt"},
        ExitCase{"BacktestForeignStore",
                 {},
                 {"backtest", kEmptyScheme, "--db", "{dir}/not_a_db.db"},
                 kExitBadFile,
                 "not_a_db.db"},
        ExitCase{"BacktestBaseWithoutNumbers",
                 {},
                 {"backtest", kEmptyScheme, "--history", "{dir}/draws.txt", "--base",
                  kNumbers + "no_numbers.txt"},
                 kExitBadFile,
                 "no_numbers.txt"},
        ExitCase{"BacktestToleranceNotANumber",
                 {},
                 {"backtest", kSchemes + "tolerance_point.json", "--history", "{dir}/draws.txt"},
                 kExitRunFailed,
                 "缩水失败"},
        ExitCase{"CompareToleranceNotANumber",
                 {},
                 {"compare", kEmptyScheme, kSchemes + "tolerance_point.json", "--history",
                  "{dir}/draws.txt"},
                 kExitRunFailed,
                 "tolerance_point.json 缩水失败：容错级别的最小值"},
        // Price, prize and multiple are positive whole numbers; a holdout leaves draws on
        // both sides (the file has two).
        ExitCase{"PriceZero",
                 {},
                 {"backtest", kEmptyScheme, "--price", "0"},
                 kExitUsage,
                 "--price 需要 1 至 10000 的整数，'0' 不是"},
        ExitCase{"PrizeTooLarge",
                 {},
                 {"backtest", kEmptyScheme, "--prize", "1000000001"},
                 kExitUsage,
                 "--prize"},
        ExitCase{"MultipleNegative",
                 {},
                 {"compare", kEmptyScheme, "--multiple", "-1"},
                 kExitUsage,
                 "--multiple"},
        ExitCase{"HoldoutAllDraws",
                 {},
                 {"backtest", kEmptyScheme, "--history", "{dir}/draws.txt", "--holdout", "2"},
                 kExitUsage,
                 "留出检验的期数 2 不合适：应至少 1 期，且少于回测的 2 期"},
        ExitCase{"HoldoutOnCompare",
                 {},
                 {"compare", kEmptyScheme, "--holdout", "1"},
                 kExitUsage,
                 "--holdout"},
        ExitCase{"CompareNoScheme", {}, {"compare", "--csv"}, kExitUsage, "one or more scheme"},
        ExitCase{
            "CompareBadSecondScheme",
            {},
            {"compare", kEmptyScheme, kSchemes + "bad_key.json", "--history", "{dir}/draws.txt"},
            kExitBadFile,
            "bad_key.json"},
        ExitCase{"StatsEmptyStore", {}, {"stats"}, kExitBadFile, "torvane-cli history import FILE"},
        ExitCase{"StatsHistoryAndDb",
                 {},
                 {"stats", "--history", "{dir}/draws.txt", "--db", "{dir}/h.db"},
                 kExitUsage,
                 "--history and --db"},
        ExitCase{
            "StatsFileArgument", {}, {"stats", "{dir}/draws.txt"}, kExitUsage, "--history FILE"},
        ExitCase{"BacktestDone",
                 {"history", "import", "{dir}/draws.txt"},
                 {"backtest", kEmptyScheme, "--csv"},
                 kExitDone,
                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::cli
