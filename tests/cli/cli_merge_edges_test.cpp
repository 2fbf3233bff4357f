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

// The files do not exist: a status 2 shows the range was judged first.
TEST(CliMergeRange, RefusedBeforeAnyFileIsRead) {
  const struct {
    std::vector<std::string> options;
    const char* says;
  } cases[] = {
      {{"--min", "0"}, "--min needs a whole number from 1 to 2 (the number of files), not '0'"},
      {{"--min", "two"}, "not 'two'"},
      {{"--min", "1", "--max", "3"},
       "--max needs a whole number from 1 to 2 (the number of files), not '3'"},
      {{"--min", "1", "--min", "2"}, "--min given twice"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"merge", "no_such_a.txt", "no_such_b.txt"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Outcome o = Cli(args);
    EXPECT_EQ(o.code, kExitUsage) << c.says;
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
  }
}

// set_a and set_b share only 00003. Every file is read before anything is written: a refused
// one leaves --out as it was.
TEST(CliMergeOut, WritesTheFileOrLeavesItAlone) {
  torvane::testing::TempDir dir;
  const std::string out = dir.File("merged.txt");
  WriteBytes(out, "old\n");
  Outcome o = Cli(
      {"merge", kNumbers + "set_a.txt", kNumbers + "no_numbers.txt", "--min", "1", "--out", out});
  EXPECT_EQ(o.code, kExitBadFile);
  EXPECT_NE(o.err.find("no_numbers.txt"), std::string::npos) << o.err;
  EXPECT_EQ(ReadBytes(out), "old\n");

  o = Cli({"merge", kNumbers + "set_a.txt", kNumbers + "set_b.txt", "--min", "1", "--max", "2",
           "--out", out});
  ASSERT_EQ(o.code, kExitDone) << o.err;
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(ReadBytes(out), "00001\n00002\n00003\n00004\n");

  // The top of the range is the number of files itself: every file.
  o = Cli({"merge", kNumbers + "set_a.txt", kNumbers + "set_b.txt", "--min", "2", "--max", "2"});
  EXPECT_EQ(o.out, "00003\n");
}

}  // namespace
}  // namespace torvane::cli
