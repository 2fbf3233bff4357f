// Two writer and two reader processes of short transactions on one store, which does not exist
// at the start: no operation may fail and no committed draw may be lost. One second in the
// default run; `ctest -C Stress -R StoreStress` gives it TORVANE_STRESS_SECONDS (10).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "store/history_store.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using history::Draw;
using Clock = std::chrono::steady_clock;

Draw Numbered(int writer, int i) {
  return Draw{std::to_string(2000000 + writer * 100000 + i),
              "",
              {1, 2, 3, static_cast<uint8_t>(i % 10), static_cast<uint8_t>(writer)}};
}

// In memory when the machine has a RAM disk: a disk busy with other work can hold one commit's
// fsync for seconds, past the 5 s any program waits, and that is no fault of the store.
std::filesystem::path Folder() {
  std::error_code ec;
  return std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0
             ? std::filesystem::path("/dev/shm")
             : std::filesystem::temp_directory_path();
}

// Opens the store for each step, as torvane-cli does: an add, every fifth an import of three.
// Leaves the number of draws it committed in the file `done`.
void Writer(const std::string& path, int writer, Clock::time_point end, const std::string& done) {
  int committed = 0;
  for (int step = 0; Clock::now() < end; ++step) {
    HistoryStore s(path, OpenMode::ReadWrite);
    std::vector<Draw> batch = {Numbered(writer, committed)};
    if (step % 5 == 4)
      for (int k = 1; k < 3; ++k) batch.push_back(Numbered(writer, committed + k));
    committed += batch.size() == 1 ? s.Add(batch[0]) == AddOutcome::Added : s.Import(batch).added;
  }
  std::ofstream(done) << committed;
}

// One reader opens the store for each read (torvane-cli export), the other keeps it open and
// reads when it reports a change (the window). Draws are only added, so counts never fall.
bool Reader(const std::string& path, bool kept, Clock::time_point end) {
  std::optional<HistoryStore> open;
  size_t seen = 0;
  while (Clock::now() < end) {
    if (!open || !kept || open->CheckFile() != FileState::Same)
      open.emplace(path, OpenMode::ReadOnly);
    if (kept && seen > 0 && !open->HasChanged()) continue;
    const size_t now = open->All().size();
    if (now < seen) return false;
    seen = now;
  }
  return true;
}

// Runs role(0..n-1) in n processes at once; each must finish without an exception.
void InProcesses(int n, const std::function<bool(int role)>& role) {
  std::vector<pid_t> children;
  for (int r = 0; r < n; ++r) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child > 0) {
      children.push_back(child);
      continue;
    }
    bool ok = false;
    try {
      ok = role(r);
    } catch (const std::exception& e) {
      std::cerr << "process " << r << ": " << e.what() << "\n";
    }
    _exit(ok ? 0 : 1);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
}

TEST(StoreConcurrency, TwoWritersTwoReadersLoseNothing) {
  torvane::testing::TempDir dir(Folder());
  const std::string path = dir.File("history.db");
  const char* seconds = std::getenv("TORVANE_STRESS_SECONDS");
  const auto end = Clock::now() + std::chrono::milliseconds(
                                      static_cast<int>(1000 * (seconds ? std::atof(seconds) : 1)));
  InProcesses(4, [&](int role) {
    if (role >= 2) return Reader(path, role == 3, end);
    Writer(path, role, end, dir.File("writer" + std::to_string(role)));
    return true;
  });
  std::vector<Draw> expected;
  for (int writer = 0; writer < 2; ++writer) {
    int committed = 0;
    std::ifstream(dir.File("writer" + std::to_string(writer))) >> committed;
    EXPECT_GT(committed, 0);
    for (int i = 0; i < committed; ++i) expected.push_back(Numbered(writer, i));
  }
  EXPECT_EQ(HistoryStore(path, OpenMode::ReadOnly).All(), expected);
  EXPECT_EQ(torvane::testing::FolderListing(dir.path()).count("history.db-wal"), 0u);
}

}  // namespace
}  // namespace torvane::store
