// --out replaces the file whole or not at all: a full disk or a file-size limit leaves the
// previous results as they were, and exit status 3 says so.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli.h"

namespace torvane::cli {
namespace {

namespace fs = std::filesystem;

const std::string kSchemes = TORVANE_TEST_DATA "/schemes/";

std::string Contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliOutFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string templ = (fs::temp_directory_path() / "torvane_cli_out_XXXXXX").string();
    ASSERT_NE(mkdtemp(templ.data()), nullptr);
    dir_ = templ;
    out_ = dir_ / "results.txt";
  }
  void TearDown() override { fs::remove_all(dir_); }
  int FilesInFolder() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  fs::path dir_;
  fs::path out_;
};

// torvane-cli as a real program under RLIMIT_FSIZE; the signal is left at its default, so
// the program itself must keep SIGXFSZ from killing it.
TEST_F(CliOutFile, FileSizeLimitKeepsThePreviousResultsAndExitsThree) {
  const std::string previous(200000, '7');  // larger than the limit itself
  std::ofstream(out_, std::ios::binary) << previous;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{65536, 65536};
    setrlimit(RLIMIT_FSIZE, &limit);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    // All 100000 numbers: 600000 bytes, far past the limit.
    const std::string scheme = kSchemes + "empty.json";
    execl(TORVANE_CLI_PATH, "torvane-cli", "run", scheme.c_str(), "--out", out_.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), kExitBadFile);
  EXPECT_EQ(Contents(out_), previous);
  EXPECT_EQ(FilesInFolder(), 1) << "a temporary file was left behind";
}

// Standard output is a file already at the size limit. A command that could not write its
// results fails; one whose work is committed says so on standard error and exits 0.
TEST_F(CliOutFile, StandardOutputAtTheSizeLimitFailsOnlyWhatWasNotDone) {
  constexpr rlim_t kLimit = 65536;
  const std::string db = (dir_ / "h.db").string(), stdoutFile = (dir_ / "stdout").string(),
                    stderrFile = (dir_ / "stderr").string();
  const struct {
    std::vector<std::string> args;
    int code;
    const char* says;
  } cases[] = {
      {{"run", kSchemes + "empty.json", "--db", db}, kExitBadFile, "ulimit -f"},
      {{"history", "add", "2024001", "12345", "--db", db}, kExitDone, "改动已经完成并保存"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0]);
    std::ofstream(stdoutFile, std::ios::binary) << std::string(kLimit, 'x');
    std::ofstream(stderrFile, std::ios::binary).flush();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const rlimit limit{kLimit, kLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
      dup2(open(stdoutFile.c_str(), O_WRONLY | O_APPEND), STDOUT_FILENO);
      dup2(open(stderrFile.c_str(), O_WRONLY), STDERR_FILENO);
      std::vector<char*> argv = {const_cast<char*>("torvane-cli")};
      for (const std::string& a : c.args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(TORVANE_CLI_PATH, argv.data());
      _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), c.code);
    EXPECT_NE(Contents(stderrFile).find(c.says), std::string::npos) << Contents(stderrFile);
  }
  std::ostringstream out, err;
  RunCli({"history", "export", "--db", db}, out, err);
  EXPECT_EQ(out.str(), "period,date,number,sales,winners,prize\n2024001,,12345,,,\n");
}

TEST_F(CliOutFile, ReadOnlyOutIsRefusedAndKept) {
  std::ofstream(out_) << "kept\n";
  fs::permissions(out_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"run", kSchemes + "empty.json", "--out", out_.string()}, out, err),
            kExitBadFile);
  EXPECT_NE(err.str().find(out_.string()), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("只读"), std::string::npos) << err.str();
  EXPECT_EQ(Contents(out_), "kept\n");
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace torvane::cli
