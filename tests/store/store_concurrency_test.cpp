// Two writer and two reader processes on one store that does not exist yet: no operation may
// fail, no committed draw be lost. `ctest -C Stress -R StoreStress` runs it longer.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// On a RAM disk if there is one: a busy disk can hold an fsync past the 5 s any program waits.
std::filesystem::path Folder() {
  std::error_code ec;
  return std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0
             ? std::filesystem::path("/dev/shm")
             : std::filesystem::temp_directory_path();
}

// Opens the store per step as torvane-cli does: adds, every fifth an import of three.
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

// One reader opens per read (the CLI), the other keeps it open (the window); counts never fall.
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

TEST(StoreConcurrency, TwoWritersTwoReadersLoseNothing) {
  torvane::testing::TempDir dir(Folder());
  const std::string path = dir.File("history.db");
  const char* seconds = std::getenv("TORVANE_STRESS_SECONDS");
  const auto end = Clock::now() + std::chrono::milliseconds(
                                      static_cast<int>(1000 * (seconds ? std::atof(seconds) : 1)));
  std::vector<pid_t> children;
  for (int role = 0; role < 4; ++role) {  // writers 0 and 1, readers 2 and 3
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child > 0) {
      children.push_back(child);
      continue;
    }
    bool ok = true;
    try {
      if (role >= 2)
        ok = Reader(path, role == 3, end);
      else
        Writer(path, role, end, dir.File("writer" + std::to_string(role)));
    } catch (const std::exception& e) {
      ok = false;
      std::cerr << "process " << role << ": " << e.what() << "\n";
    }
    _exit(ok ? 0 : 1);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
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
