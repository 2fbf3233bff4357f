// torvane-cli merge at the edges of its range and with --out: a range that cannot be read is
// refused before any file is opened, and --out gets exactly what stdout would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

using torvane::testing::ReadBytes;
using torvane::testing::WriteBytes;

const std::string kNumbers = TORVANE_TEST_DATA "/numbers/";

struct RangeCase {
  const char* name;
  std::vector<std::string> options;
  const char* says;
};

class CliMergeRange : public ::testing::TestWithParam<RangeCase> {};

// The files do not exist: a status 2 shows the range was judged first.
TEST_P(CliMergeRange, RefusedBeforeAnyFileIsRead) {
  const RangeCase& c = GetParam();
  std::vector<std::string> args = {"merge", "no_such_a.txt", "no_such_b.txt"};
  args.insert(args.end(), c.options.begin(), c.options.end());
  const Outcome o = Cli(args);
  EXPECT_EQ(o.code, kExitUsage);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, CliMergeRange,
    ::testing::Values(RangeCase{"MinZero",
                                {"--min", "0"},
                                "--min needs a whole number from 1 to 2 (the number "
                                "of files), not '0'"},
                      RangeCase{"MinNegative", {"--min", "-1"}, "not '-1'"},
                      RangeCase{"MinNotANumber", {"--min", "two"}, "not 'two'"},
                      RangeCase{"MinFraction", {"--min", "1.5"}, "not '1.5'"},
                      RangeCase{"MinEmpty", {"--min", ""}, "not ''"},
                      RangeCase{"MinWithoutValue", {"--min"}, "--min needs a number"},
                      RangeCase{
                          "MaxAboveTheFiles",
                          {"--min", "1", "--max", "3"},
                          "--max needs a whole number from 1 to 2 (the number of files), not '3'"},
                      RangeCase{"MaxNotANumber", {"--min", "1", "--max", "all"}, "not 'all'"},
                      RangeCase{"MinTwice", {"--min", "1", "--min", "2"}, "--min given twice"}),
    [](const auto& info) { return std::string(info.param.name); });

class CliMergeOut : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return dir_.File(name); }
  torvane::testing::TempDir dir_;
};

// set_a and set_b share only 00003.
TEST_F(CliMergeOut, WritesTheFileAndNothingOnStdout) {
  const std::string out = File("merged.txt");
  WriteBytes(out, "old\n");
  const Outcome o = Cli({"merge", kNumbers + "set_a.txt", kNumbers + "set_b.txt", "--min", "1",
                         "--max", "2", "--out", out});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(ReadBytes(out), "00001\n00002\n00003\n00004\n");
}

// Every file is read before anything is written: a refused one leaves --out as it was.
TEST_F(CliMergeOut, ARefusedFileLeavesTheOutFileAlone) {
  const std::string out = File("merged.txt");
  WriteBytes(out, "old\n");
  const Outcome o = Cli(
      {"merge", kNumbers + "set_a.txt", kNumbers + "no_numbers.txt", "--min", "1", "--out", out});
  EXPECT_EQ(o.code, kExitBadFile);
  EXPECT_NE(o.err.find("no_numbers.txt"), std::string::npos) << o.err;
  EXPECT_EQ(ReadBytes(out), "old\n");
}

// The top of the range is the number of files itself: every file.
TEST_F(CliMergeOut, MaxAtTheFileCountIsTheIntersection) {
  const Outcome o =
      Cli({"merge", kNumbers + "set_a.txt", kNumbers + "set_b.txt", "--min", "2", "--max", "2"});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "00003\n");
}

}  // namespace
}  // namespace torvane::cli
