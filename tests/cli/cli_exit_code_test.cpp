// Exit status of torvane-cli for each kind of failure, in process and as a real program.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"

namespace torvane::cli {
namespace {

const std::string kSchemes = TORVANE_TEST_DATA "/schemes/";
const std::string kNumbers = TORVANE_TEST_DATA "/numbers/";

struct ExitCase {
  const char* name;
  std::vector<std::string> args;
  int code;
  const char* messagePart;  // what stderr must mention
};
void PrintTo(const ExitCase& c, std::ostream* os) {
  *os << c.name;
}

class CliExitCode : public ::testing::TestWithParam<ExitCase> {};

TEST_P(CliExitCode, InProcess) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(GetParam().args, out, err), GetParam().code) << err.str();
  EXPECT_NE(err.str().find(GetParam().messagePart), std::string::npos) << err.str();
  if (GetParam().code != kExitDone) {
    EXPECT_EQ(out.str(), "");
  }
}

TEST_P(CliExitCode, AsAProgram) {
  std::string command = TORVANE_CLI_PATH;
  for (const std::string& a : GetParam().args) command += " '" + a + "'";
  command += " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CliExitCode,
    ::testing::Values(
        ExitCase{"NoArguments", {}, kExitUsage, "usage:"},
        ExitCase{"UnknownCommand", {"shrink", "x.json"}, kExitUsage, "shrink"},
        ExitCase{"RunWithoutScheme", {"run"}, kExitUsage, "usage:"},
        ExitCase{"RunTwoSchemes", {"run", "a.json", "b.json"}, kExitUsage, "usage:"},
        ExitCase{"UnknownOption", {"run", "a.json", "--fast"}, kExitUsage, "--fast"},
        ExitCase{"OutWithoutFile", {"run", "a.json", "--out"}, kExitUsage, "--out"},
        ExitCase{"StatsTwice", {"run", "a.json", "--stats", "--stats"}, kExitUsage, "twice"},
        ExitCase{"GroupOnSetop", {"setop", "and", "a", "b", "--group"}, kExitUsage, "--group"},
        ExitCase{"UnknownSetop", {"setop", "xor", "a", "b"}, kExitUsage, "xor"},
        ExitCase{"SetopOneFile", {"setop", "and", "a"}, kExitUsage, "usage:"},
        ExitCase{"MissingScheme", {"run", kSchemes + "no_such.json"}, kExitBadFile, "no_such.json"},
        ExitCase{"BadJson", {"run", kSchemes + "bad_json.json"}, kExitBadFile, "bad_json.json"},
        ExitCase{"BadKey", {"run", kSchemes + "bad_key.json"}, kExitBadFile, "ratio"},
        ExitCase{"BaseWithoutNumbers",
                 {"run", kSchemes + "empty.json", "--base", kNumbers + "no_numbers.txt"},
                 kExitBadFile,
                 "no_numbers.txt"},
        ExitCase{"MissingBase",
                 {"run", kSchemes + "empty.json", "--base", kNumbers + "nope.txt"},
                 kExitBadFile,
                 "nope.txt"},
        ExitCase{"SetopFileWithoutNumbers",
                 {"setop", "or", kNumbers + "set_a.txt", kNumbers + "no_numbers.txt"},
                 kExitBadFile,
                 "no_numbers.txt"},
        ExitCase{"UnwritableOut",
                 {"run", kSchemes + "empty.json", "--out", "/nonexistent/dir/out.txt"},
                 kExitBadFile,
                 "/nonexistent/dir/out.txt"},
        // "x" cannot be typed into the tolerance box: refused on loading. "." can, and the run
        // says what is wrong with it.
        ExitCase{"ToleranceNotANumber",
                 {"run", kSchemes + "tolerance_not_a_number.json"},
                 kExitBadFile,
                 "tolerance[0]"},
        ExitCase{"TolerancePoint",
                 {"run", kSchemes + "tolerance_point.json"},
                 kExitRunFailed,
                 "缩水失败：容错级别的最小值“.”不是数字"},
        ExitCase{"MergeWithoutMin", {"merge", "a", "b"}, kExitUsage, "--min"},
        ExitCase{"MergeMinAboveFiles", {"merge", "a", "b", "--min", "3"}, kExitUsage, "1 to 2"},
        ExitCase{"MergeMaxBelowMin",
                 {"merge", "a", "b", "--min", "2", "--max", "1"},
                 kExitUsage,
                 "smaller than --min"},
        ExitCase{"MergeFileWithoutNumbers",
                 {"merge", kNumbers + "set_a.txt", kNumbers + "no_numbers.txt", "--min", "1"},
                 kExitBadFile,
                 "no_numbers.txt"},
        ExitCase{"Help", {"--help"}, kExitDone, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A scheme holding a megabyte-long unknown key is named in a message of a line or two.
TEST(CliMessages, QuoteFileContentInPart) {
  const auto path = std::filesystem::temp_directory_path() / "torvane_cli_long_key.json";
  std::ofstream(path) << "{\"" << std::string(1 << 20, 'k') << "\": 1}";
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"run", path.string()}, out, err), kExitBadFile);
  EXPECT_NE(err.str().find(path.string()), std::string::npos) << err.str();
  EXPECT_NE(err.str().find(std::string(80, 'k') + "…"), std::string::npos) << err.str();
  EXPECT_LT(err.str().size(), 400u);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace torvane::cli
