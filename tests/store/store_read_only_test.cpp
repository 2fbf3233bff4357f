// A store where it cannot be written: read as it is with nothing left beside it, and a write
// refused with words that say what is read-only. Each place is made read-only in a child
// process, so a mount namespace or a dropped privilege ends with it; a place this machine
// cannot make (no mount namespace, not root) is skipped.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sched.h>

#include <functional>
#include <iostream>

#include "store/history_store.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using torvane::testing::FolderListing;
using torvane::testing::GeneratedHistory;
using torvane::testing::KindOf;
using torvane::testing::TempDir;

constexpr int kCannot = 77;

struct ReadOnlyPlace {
  const char* name;
  // Makes the store or its folder read-only; false when this machine cannot.
  std::function<bool(const std::string& dir, const std::string& store)> lock;
  const char* says;  // what the refusal of a write must mention
};
void PrintTo(const ReadOnlyPlace& c, std::ostream* os) {
  *os << c.name;
}

class ReadOnlyStore : public ::testing::TestWithParam<ReadOnlyPlace> {};

TEST_P(ReadOnlyStore, ReadsLeaveNothingAndWritesSayWhy) {
  TempDir dir;
  const std::string path = dir.File("history.db");
  HistoryStore(path, OpenMode::ReadWrite).Import(GeneratedHistory(30));
  const auto listing = FolderListing(dir.path());
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (!GetParam().lock(dir.path().string(), path)) _exit(kCannot);
    bool ok = HistoryStore(path, OpenMode::ReadOnly).All() == GeneratedHistory(30);
    std::string message;
    ok = KindOf([&] { HistoryStore(path, OpenMode::ReadWrite); }, &message) ==
             StoreErrorKind::ReadOnly &&
         ok;
    ok = message.find(GetParam().says) != std::string::npos && ok;
    ok = FolderListing(dir.path()) == listing && ok;
    if (!ok) std::cerr << "refusal: " << message << "\n";
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  chmod(dir.path().c_str(), 0700);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kCannot) GTEST_SKIP() << "this machine cannot make that place";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(FolderListing(dir.path()), listing);
}

INSTANTIATE_TEST_SUITE_P(
    Places, ReadOnlyStore,
    ::testing::Values(ReadOnlyPlace{"FolderWithoutWriteBits",
                                    [](const std::string& dir, const std::string&) {
                                      return chmod(dir.c_str(), 0555) == 0;
                                    },
                                    "文件夹"},
                      ReadOnlyPlace{"FileWithoutWriteBits",
                                    [](const std::string&, const std::string& store) {
                                      return chmod(store.c_str(), 0444) == 0;
                                    },
                                    "文件是只读的"},
                      // The kernel's own refusal, bits aside: another user's folder.
                      ReadOnlyPlace{"FolderOfAnotherUser",
                                    [](const std::string& dir, const std::string& store) {
                                      return chmod(dir.c_str(), 0755) == 0 &&
                                             chmod(store.c_str(), 0666) == 0 && geteuid() == 0 &&
                                             setgid(65534) == 0 && setuid(65534) == 0;
                                    },
                                    "文件夹"},
                      ReadOnlyPlace{"ReadOnlyMount",
                                    [](const std::string& dir, const std::string&) {
                                      return unshare(CLONE_NEWNS) == 0 &&
                                             mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE,
                                                   nullptr) == 0 &&
                                             mount(dir.c_str(), dir.c_str(), nullptr, MS_BIND,
                                                   nullptr) == 0 &&
                                             mount(nullptr, dir.c_str(), nullptr,
                                                   MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
                                    },
                                    "只读方式挂载"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::store
