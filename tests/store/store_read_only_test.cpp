// A store that cannot be written: read leaving nothing beside it, a write refused saying what
// is read-only. Each place is made in a child process; one this machine cannot make is skipped.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <iostream>

#include "store/history_store.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using torvane::testing::FolderListing;
using torvane::testing::GeneratedHistory;

TEST(StoreReadOnly, ReadsLeaveNothingAndWritesSayWhatIsReadOnly) {
  const struct {
    const char* name;
    std::function<bool(const char* dir, const char* store)> lock;  // false: cannot here
    const char* says;
  } places[] = {
      {"folder without write bits", [](auto dir, auto) { return chmod(dir, 0555) == 0; }, "文件夹"},
      {"file without write bits", [](auto, auto store) { return chmod(store, 0444) == 0; },
       "文件是只读的"},
      // The kernel's refusal, the bits aside: another user's folder.
      {"folder of another user",
       [](auto dir, auto store) {
         return chmod(dir, 0755) == 0 && chmod(store, 0666) == 0 && geteuid() == 0 &&
                setgid(65534) == 0 && setuid(65534) == 0;
       },
       "文件夹"},
      {"read-only mount",
       [](auto dir, auto) {
         return unshare(CLONE_NEWNS) == 0 &&
                mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                mount(dir, dir, nullptr, MS_BIND, nullptr) == 0 &&
                mount(nullptr, dir, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
       },
       "只读方式挂载"},
  };
  for (const auto& place : places) {
    SCOPED_TRACE(place.name);
    torvane::testing::TempDir dir;
    const std::string path = dir.File("history.db");
    HistoryStore(path, OpenMode::ReadWrite).Import(GeneratedHistory(30));
    const auto listing = FolderListing(dir.path());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (!place.lock(dir.path().c_str(), path.c_str())) _exit(77);
      bool ok = HistoryStore(path, OpenMode::ReadOnly).All() == GeneratedHistory(30);
      std::string message;
      try {
        HistoryStore(path, OpenMode::ReadWrite);
      } catch (const StoreError& e) {
        message = e.what();
        ok = ok && e.kind() == StoreErrorKind::ReadOnly;
      }
      ok = ok && message.find(place.says) != std::string::npos;
      if (!ok) std::cerr << place.name << ": " << message << "\n";
      _exit(ok && FolderListing(dir.path()) == listing ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    chmod(dir.path().c_str(), 0700);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) {
      std::cerr << "skipped " << place.name << ": this machine cannot make it\n";
      continue;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(FolderListing(dir.path()), listing);
  }
}

}  // namespace
}  // namespace torvane::store
