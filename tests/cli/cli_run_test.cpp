// torvane-cli run on golden schemes: survivor counts, --stats, --group, --out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"

namespace torvane::cli {
namespace {

const std::string kSchemes = TORVANE_TEST_DATA "/schemes/";
const std::string kNumbers = TORVANE_TEST_DATA "/numbers/";

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int code = RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

int Lines(const std::string& s) {
  return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

struct CountCase {
  const char* name;
  const char* scheme;
  int remaining;
};
void PrintTo(const CountCase& c, std::ostream* os) {
  *os << c.name;
}

class CliFullSetCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(CliFullSetCounts, FullSetShrinksTo) {
  const Outcome o = Cli({"run", kSchemes + GetParam().scheme});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(Lines(o.out), GetParam().remaining);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, CliFullSetCounts,
    ::testing::Values(CountCase{"NoConditions", "empty.json", 100000},
                      CountCase{"BigSmallThreeTwo", "ratio_big_small_3_2.json", 31250},
                      CountCase{"SmallestThreeLargestSix", "min_max_3_6.json", 570},
                      CountCase{"KillDigitFive", "kill_digit_5.json", 59049},
                      CountCase{"SpanNine", "span_9.json", 85330},
                      CountCase{"RouteAllZero", "route_00000.json", 98976},
                      CountCase{"Compound", "compound.json", 99928},
                      CountCase{"PatternEndsInFive", "pattern_ends_in_5.json", 90000},
                      CountCase{"RunOfFive", "special_run_of_five.json", 98800}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliRun, OutputIsAscendingFiveDigitLines) {
  const Outcome o = Cli({"run", kSchemes + "min_max_3_6.json"});
  ASSERT_EQ(o.code, kExitDone);
  std::istringstream in(o.out);
  std::string line, previous;
  while (std::getline(in, line)) {
    ASSERT_EQ(line.size(), 5u) << line;
    EXPECT_LT(previous, line);
    previous = line;
  }
  EXPECT_EQ(o.out.substr(0, 6), "33336\n");
}

TEST(CliRun, StatsNameEveryAppliedConditionAndTheCount) {
  const Outcome o = Cli({"run", kSchemes + "kill_digit_5.json", "--stats"});
  ASSERT_EQ(o.code, kExitDone);
  EXPECT_EQ(o.err, "通杀码\t40951\n结果注数\t59049\n");
}

TEST(CliRun, StatsWithNoConditionIsOnlyTheCount) {
  const Outcome o = Cli({"run", kSchemes + "empty.json", "--stats"});
  EXPECT_EQ(o.err, "结果注数\t100000\n");
}

TEST(CliRun, GroupOnABaseFile) {
  const Outcome o = Cli({"run", kSchemes + "empty.json", "--base", kNumbers + "group_base.txt",
                         "--group", "--stats"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "01235\n11223\n");
  EXPECT_EQ(o.err, "结果注数\t3\n组选注数\t2\n");
}

TEST(CliRun, OutFileGetsTheNumbersAndStdoutStaysEmpty) {
  const auto path = std::filesystem::temp_directory_path() / "torvane_cli_out.txt";
  const Outcome o = Cli({"run", kSchemes + "empty.json", "--base", kNumbers + "group_base.txt",
                         "--out", path.string()});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "");
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "11223\n12035\n53120\n");
  std::filesystem::remove(path);
}

TEST(CliRun, EveryPanelSchemeRuns) {
  const Outcome o = Cli({"run", kSchemes + "every_panel.json", "--stats"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_NE(o.err.find("杀直选\t2\n"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("大小比\t68750\n"), std::string::npos) << o.err;
}

struct SetOpCase {
  const char* op;
  const char* expected;
};
void PrintTo(const SetOpCase& c, std::ostream* os) {
  *os << c.op;
}

class CliSetOp : public ::testing::TestWithParam<SetOpCase> {};

TEST_P(CliSetOp, CombinesTheTwoFiles) {
  const Outcome o = Cli({"setop", GetParam().op, kNumbers + "set_a.txt", kNumbers + "set_b.txt"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ops, CliSetOp,
    ::testing::Values(SetOpCase{"and", "00003\n"}, SetOpCase{"or", "00001\n00002\n00003\n00004\n"},
                      SetOpCase{"a-b", "00001\n00002\n"}, SetOpCase{"b-a", "00004\n"}),
    [](const auto& info) {
      std::string n = info.param.op;
      return n == "and" ? "And" : n == "or" ? "Or" : n == "a-b" ? "AMinusB" : "BMinusA";
    });

// set_a and set_b share only 00003; a file named twice is two votes.
TEST(CliMerge, KeepsTheNumbersInTheRangeOfFiles) {
  const std::string a = kNumbers + "set_a.txt", b = kNumbers + "set_b.txt";
  EXPECT_EQ(Cli({"merge", a, b, "--min", "1", "--max", "1"}).out, "00001\n00002\n00004\n");
  EXPECT_EQ(Cli({"merge", a, a, b, "--min", "2"}).out, "00001\n00002\n00003\n");
}

}  // namespace
}  // namespace torvane::cli
