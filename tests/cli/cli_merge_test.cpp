// torvane-cli merge: the vote over number files, and every way its command line can be wrong.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_test_support.h"

namespace torvane::cli {
namespace {

struct MergeCase {
  std::string name;
  std::vector<std::string> args;  // "@x" is the file x of the fixture's folder
  int code;
  std::string outOrMessage;  // stdout when done, else a part of stderr
};

class CliMerge : public ::testing::TestWithParam<MergeCase> {
 protected:
  void SetUp() override {
    // A repeat, other separators, a CR LF and a piece that is not a number: read as setop does.
    torvane::testing::WriteBytes(dir_.File("a"), "00001 00002 00003");
    torvane::testing::WriteBytes(dir_.File("b"), "00003,00004 00002\r\n00002");
    torvane::testing::WriteBytes(dir_.File("c"), "note 00003 12345");
    torvane::testing::WriteBytes(dir_.File("empty"), "no numbers here");
  }
  torvane::testing::TempDir dir_;
};

TEST_P(CliMerge, Outcome) {
  std::vector<std::string> args = {"merge"};
  for (const std::string& a : GetParam().args)
    args.push_back(a[0] == '@' ? dir_.File(a.substr(1)) : a);
  const Outcome o = Cli(args);
  EXPECT_EQ(o.code, GetParam().code) << o.err;
  if (o.code == kExitDone) {
    EXPECT_EQ(o.out, GetParam().outOrMessage);
  } else {
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(GetParam().outOrMessage), std::string::npos) << o.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliMerge,
    ::testing::Values(
        MergeCase{"AtLeastTwo", {"--min", "2", "@a", "@b", "@c"}, kExitDone, "00002\n00003\n"},
        MergeCase{"ExactlyOne",
                  {"@a", "@b", "@c", "--min", "1", "--max", "1"},
                  kExitDone,
                  "00001\n00004\n12345\n"},
        MergeCase{"NoMin", {"@a", "@b"}, kExitUsage, "--min"},
        MergeCase{"MinAboveFiles", {"@a", "@b", "--min", "3"}, kExitUsage, "from 1 to 2"},
        MergeCase{"MaxBelowMin",
                  {"@a", "@b", "--min", "2", "--max", "1"},
                  kExitUsage,
                  "smaller than --min"},
        MergeCase{"MissingFile", {"@a", "@gone", "--min", "1"}, kExitBadFile, "gone"},
        MergeCase{"FileWithoutNumbers", {"@a", "@empty", "--min", "1"}, kExitBadFile, "empty"}),
    [](const ::testing::TestParamInfo<MergeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace torvane::cli
