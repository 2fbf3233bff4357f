// The one writer: the target is replaced whole or left byte for byte, never half-written,
// and no temporary file is left behind either way.
#include "core/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace torvane {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const fs::path& p, const std::string& bytes, mode_t mode = 0644) {
  std::ofstream(p, std::ios::binary) << bytes;
  ASSERT_EQ(chmod(p.c_str(), mode), 0);
}

mode_t ModeOf(const fs::path& p) {
  struct stat st;
  EXPECT_EQ(stat(p.c_str(), &st), 0) << p;
  return st.st_mode & 07777;
}

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string templ = (fs::temp_directory_path() / "torvane_atomic_XXXXXX").string();
    ASSERT_NE(mkdtemp(templ.data()), nullptr);
    dir_ = templ;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  // Names in a folder, so a stray temporary file shows up.
  std::set<std::string> Names(const fs::path& folder) const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename());
    return names;
  }

  fs::path dir_;
};

struct ModeCase {
  const char* name;
  mode_t mode;
  bool replaced;
};
void PrintTo(const ModeCase& c, std::ostream* os) {
  *os << c.name;
}

class AtomicFileMode : public AtomicFile, public ::testing::WithParamInterface<ModeCase> {};

// The bits are checked, not access(): the tests may run as root, who may write anything.
TEST_P(AtomicFileMode, ExistingFileKeepsItsBitsOrIsRefusedWhenReadOnly) {
  const fs::path target = dir_ / "numbers.txt";
  Put(target, "old\n", GetParam().mode);
  const FileWriteResult r = WriteFileAtomically(target, "new\n");
  EXPECT_EQ(r.ok, GetParam().replaced) << r.reason;
  EXPECT_EQ(Contents(target), GetParam().replaced ? "new\n" : "old\n");
  EXPECT_EQ(ModeOf(target), GetParam().mode);
  if (!GetParam().replaced) {
    EXPECT_NE(r.reason.find("只读"), std::string::npos) << r.reason;
  }
  EXPECT_EQ(Names(dir_), std::set<std::string>{"numbers.txt"});
}

INSTANTIATE_TEST_SUITE_P(Modes, AtomicFileMode,
                         ::testing::Values(ModeCase{"OwnerAndGroup0640", 0640, true},
                                           ModeCase{"Executable0755", 0755, true},
                                           ModeCase{"OwnerOnly0600", 0600, true},
                                           ModeCase{"GroupWriteOnly0020", 0020, true},
                                           ModeCase{"ReadOnly0444", 0444, false},
                                           ModeCase{"OwnerReadOnly0400", 0400, false},
                                           ModeCase{"NoBitsAtAll0000", 0000, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AtomicFile, NewFileGetsTheUsualBitsLessTheUmask) {
  const mode_t before = umask(027);
  const FileWriteResult r = WriteFileAtomically(dir_ / "new.txt", "12345\n");
  umask(before);
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(Contents(dir_ / "new.txt"), "12345\n");
  EXPECT_EQ(ModeOf(dir_ / "new.txt"), 0640u);
}

TEST_F(AtomicFile, SymbolicLinkStaysALinkAndItsTargetGetsTheText) {
  fs::create_directory(dir_ / "real");
  Put(dir_ / "real" / "plan.json", "old", 0640);
  fs::create_symlink("real/plan.json", dir_ / "plan.json");
  fs::create_symlink("plan.json", dir_ / "chain.json");

  const FileWriteResult r = WriteFileAtomically(dir_ / "chain.json", "new");
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_TRUE(fs::is_symlink(dir_ / "chain.json"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "plan.json"));
  EXPECT_EQ(fs::read_symlink(dir_ / "plan.json"), "real/plan.json");
  EXPECT_EQ(Contents(dir_ / "real" / "plan.json"), "new");
  EXPECT_EQ(ModeOf(dir_ / "real" / "plan.json"), 0640u);
  EXPECT_EQ(Names(dir_), (std::set<std::string>{"chain.json", "plan.json", "real"}));
  EXPECT_EQ(Names(dir_ / "real"), std::set<std::string>{"plan.json"});
}

TEST_F(AtomicFile, LinkToAFileNotYetMadeMakesIt) {
  fs::create_symlink(dir_ / "later.txt", dir_ / "link.txt");
  const FileWriteResult r = WriteFileAtomically(dir_ / "link.txt", "made");
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
  EXPECT_EQ(Contents(dir_ / "later.txt"), "made");
}

TEST_F(AtomicFile, LinkToAReadOnlyFileIsRefused) {
  Put(dir_ / "kept.txt", "kept", 0444);
  fs::create_symlink("kept.txt", dir_ / "link.txt");
  EXPECT_FALSE(WriteFileAtomically(dir_ / "link.txt", "new").ok);
  EXPECT_EQ(Contents(dir_ / "kept.txt"), "kept");
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
}

TEST_F(AtomicFile, FolderIsRefused) {
  fs::create_directory(dir_ / "out");
  const FileWriteResult r = WriteFileAtomically(dir_ / "out", "x");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.reason.find("文件夹"), std::string::npos) << r.reason;
  EXPECT_TRUE(fs::is_directory(dir_ / "out"));
  EXPECT_EQ(Names(dir_), std::set<std::string>{"out"});
}

TEST_F(AtomicFile, MissingFolderIsRefused) {
  const FileWriteResult r = WriteFileAtomically(dir_ / "nope" / "x.txt", "x");
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.reason.empty());
}

TEST_F(AtomicFile, TemporaryNamesDoNotCollideWithAStrayFile) {
  // An old fixed-name leftover belongs to someone else and is neither used nor removed.
  Put(dir_ / "plan.json.saving", "someone else's", 0644);
  Put(dir_ / "plan.json", "old", 0644);
  ASSERT_TRUE(WriteFileAtomically(dir_ / "plan.json", "new").ok);
  EXPECT_EQ(Contents(dir_ / "plan.json"), "new");
  EXPECT_EQ(Contents(dir_ / "plan.json.saving"), "someone else's");
  EXPECT_EQ(Names(dir_), (std::set<std::string>{"plan.json", "plan.json.saving"}));
}

// Past RLIMIT_FSIZE the kernel sends SIGXFSZ; the writer must survive it, report the failure
// and leave the old file whole. The child does not ignore the signal itself.
TEST_F(AtomicFile, FileSizeLimitLeavesTheOldFileWhole) {
  const fs::path target = dir_ / "big.txt";
  const std::string old(10000, 'o');
  Put(target, old, 0644);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const FileWriteResult r = WriteFileAtomically(target, std::string(65536, 'n'));
    _exit(r.ok ? 1 : r.reason.find("大小") == std::string::npos ? 2 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: reason does not say why";
  EXPECT_EQ(Contents(target), old);
  EXPECT_EQ(Names(dir_), std::set<std::string>{"big.txt"});
}

}  // namespace
}  // namespace torvane
