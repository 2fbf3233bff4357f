#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "store/history_store.h"
#include "store/import_file.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using history::DigitsFromText;
using history::Draw;
using torvane::testing::FolderListing;
using torvane::testing::GeneratedHistory;
using torvane::testing::KindOf;
using torvane::testing::ReadBytes;
using torvane::testing::TempDir;
using torvane::testing::WriteBytes;

Draw D(std::string period, std::string number, std::string date = "") {
  return Draw{std::move(period), std::move(date), *DigitsFromText(number)};
}

class StoreWriteTest : public ::testing::Test {
 protected:
  TempDir dir_;
  std::string path_ = dir_.File("history.db");
};

TEST_F(StoreWriteTest, RoundTripOfSeveralThousandDraws) {
  std::vector<Draw> h = GeneratedHistory(5000);
  {
    HistoryStore s(path_, OpenMode::ReadWrite);
    ImportCounts c = s.Import(h);
    EXPECT_EQ(c.added, 5000);
    EXPECT_EQ(c.alreadyThere, 0);
    EXPECT_EQ(c.total, 5000);
  }
  HistoryStore s(path_, OpenMode::ReadOnly);
  EXPECT_EQ(s.All(), h);
  EXPECT_EQ(s.Count(), 5000);
  EXPECT_EQ(s.NewestPeriod(), h.back().period);
  EXPECT_EQ(s.Find(h[1234].period), h[1234]);
}

TEST_F(StoreWriteTest, ReimportChangesNothing) {
  std::vector<Draw> h = GeneratedHistory(3000);
  { HistoryStore(path_, OpenMode::ReadWrite).Import(h); }
  std::string before = ReadBytes(path_);
  {
    HistoryStore s(path_, OpenMode::ReadWrite);
    ImportCounts c = s.Import(h);
    EXPECT_EQ(c.added, 0);
    EXPECT_EQ(c.alreadyThere, 3000);
    EXPECT_EQ(c.total, 3000);
    EXPECT_EQ(s.All(), h);
  }
  EXPECT_EQ(ReadBytes(path_), before);
}

TEST_F(StoreWriteTest, MergeAddsOnlyNewPeriods) {
  std::vector<Draw> h = GeneratedHistory(100);
  std::vector<Draw> first(h.begin(), h.begin() + 60), second(h.begin() + 40, h.end());
  HistoryStore s(path_, OpenMode::ReadWrite);
  s.Import(first);
  ImportCounts c = s.Import(second);
  EXPECT_EQ(c.added, 40);
  EXPECT_EQ(c.alreadyThere, 20);
  EXPECT_EQ(c.total, 100);
  EXPECT_EQ(s.All(), h);
}

TEST_F(StoreWriteTest, ConflictingImportLeavesTheFileAsItWas) {
  std::vector<Draw> h = GeneratedHistory(500);
  { HistoryStore(path_, OpenMode::ReadWrite).Import(h); }
  std::string before = ReadBytes(path_);
  auto listing = FolderListing(dir_.path());

  // Plenty of new draws first, so the refusal has real work to undo.
  std::vector<Draw> incoming = GeneratedHistory(2000, 9);
  incoming.erase(incoming.begin(), incoming.begin() + 500);
  Draw clash = h[250];
  clash.digits[4] = (clash.digits[4] + 1) % 10;
  incoming.push_back(clash);
  {
    HistoryStore s(path_, OpenMode::ReadWrite);
    std::string message;
    EXPECT_EQ(KindOf([&] { s.Import(incoming); }, &message), StoreErrorKind::Conflict);
    EXPECT_NE(message.find(clash.period), std::string::npos) << message;
    EXPECT_NE(message.find(h[250].NumberText()), std::string::npos) << message;
    EXPECT_NE(message.find(clash.NumberText()), std::string::npos) << message;
    EXPECT_EQ(s.Count(), 500);
  }
  EXPECT_EQ(ReadBytes(path_), before);
  EXPECT_EQ(FolderListing(dir_.path()), listing);
}

TEST_F(StoreWriteTest, FileWithABadLineLeavesTheFileAsItWas) {
  { HistoryStore(path_, OpenMode::ReadWrite).Import(GeneratedHistory(200)); }
  std::string before = ReadBytes(path_);
  std::string file = dir_.File("draws.txt");
  WriteBytes(file, "期号 号码\n3004001 12345\n3004002 23456\n3004003 3456\n3004004 45678\n");
  {
    HistoryStore s(path_, OpenMode::ReadWrite);
    FileImport r = ImportDrawFile(s, file);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("第 4 行"), std::string::npos) << r.error;
    EXPECT_EQ(s.Count(), 200);
  }
  EXPECT_EQ(ReadBytes(path_), before);
}

TEST_F(StoreWriteTest, DrawFileImportReportsWhatItSkipped) {
  std::string file = dir_.File("draws.txt");
  WriteBytes(file,
             "期号,日期,开奖号码\r\n2004001,2004-11-14,92882\r\n2004001,2004-11-14,92882\r\n");
  HistoryStore s(path_, OpenMode::ReadWrite);
  FileImport r = ImportDrawFile(s, file);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.skippedHeaders, 1);
  EXPECT_EQ(r.duplicates, 1);
  EXPECT_EQ(r.counts.added, 1);
  EXPECT_EQ(s.Find("2004001"), D("2004001", "92882", "2004-11-14"));
}

TEST_F(StoreWriteTest, AddAndReplace) {
  HistoryStore s(path_, OpenMode::ReadWrite);
  EXPECT_EQ(s.Add(D("2004001", "92882")), AddOutcome::Added);
  EXPECT_EQ(s.Add(D("2004001", "92882", "2004-11-14")), AddOutcome::AlreadyThere);
  EXPECT_EQ(s.Find("2004001"), D("2004001", "92882"));

  std::string message;
  EXPECT_EQ(KindOf([&] { s.Add(D("2004001", "12345")); }, &message), StoreErrorKind::Conflict);
  EXPECT_NE(message.find("2004001"), std::string::npos) << message;
  EXPECT_NE(message.find("92882"), std::string::npos) << message;
  EXPECT_NE(message.find("12345"), std::string::npos) << message;
  EXPECT_EQ(s.Find("2004001"), D("2004001", "92882"));

  EXPECT_EQ(s.Add(D("2004001", "12345", "2004-11-14"), true), AddOutcome::Replaced);
  EXPECT_EQ(s.Find("2004001"), D("2004001", "12345", "2004-11-14"));
  EXPECT_EQ(s.Add(D("2004001", "12345", "2004-11-14"), true), AddOutcome::AlreadyThere);
  EXPECT_EQ(s.Count(), 1);
}

struct InvalidCase {
  const char* name;
  Draw draw;
};

class InvalidDrawTest : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidDrawTest, RefusedBeforeAnythingIsWritten) {
  TempDir dir;
  HistoryStore s(dir.File("history.db"), OpenMode::ReadWrite);
  std::vector<Draw> batch = {D("2004001", "12345"), GetParam().draw};
  EXPECT_EQ(KindOf([&] { s.Import(batch); }), StoreErrorKind::InvalidDraw);
  EXPECT_EQ(KindOf([&] { s.Add(GetParam().draw); }), StoreErrorKind::InvalidDraw);
  EXPECT_EQ(s.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, InvalidDrawTest,
    ::testing::Values(InvalidCase{"EmptyPeriod", Draw{"", "", {1, 2, 3, 4, 5}}},
                      InvalidCase{"PeriodWithSpace", Draw{"2004 002", "", {1, 2, 3, 4, 5}}},
                      InvalidCase{"DigitTen", Draw{"2004002", "", {1, 2, 10, 4, 5}}},
                      InvalidCase{"MonthThirteen", Draw{"2004002", "2004-13-01", {1, 2, 3, 4, 5}}},
                      InvalidCase{"UnpaddedDate", Draw{"2004002", "2004-1-1", {1, 2, 3, 4, 5}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StoreWriteTest, DeleteCountsWhatWasThere) {
  HistoryStore s(path_, OpenMode::ReadWrite);
  s.Import(GeneratedHistory(10));
  std::vector<std::string> periods = {"2004002", "2004005", "1999001", "2004005"};
  EXPECT_EQ(s.Delete(periods), 2);
  EXPECT_EQ(s.Count(), 8);
  EXPECT_FALSE(s.Find("2004002"));
}

TEST_F(StoreWriteTest, DeleteIsOneTransaction) {
  { HistoryStore(path_, OpenMode::ReadWrite).Import(GeneratedHistory(10)); }
  // Make the third delete fail inside the database, after two rows are already gone. The
  // trigger comes after opening: a store with objects of its own is refused as not ours.
  HistoryStore s(path_, OpenMode::ReadWrite);
  {
    SQLite::Database db(path_, SQLite::OPEN_READWRITE);
    db.exec(
        "CREATE TRIGGER keep BEFORE DELETE ON draws WHEN old.period = '2004007' "
        "BEGIN SELECT RAISE(ABORT, 'kept'); END");
  }
  std::vector<std::string> periods = {"2004002", "2004005", "2004007"};
  EXPECT_EQ(KindOf([&] { s.Delete(periods); }), StoreErrorKind::Io);
  EXPECT_EQ(s.Count(), 10);
  EXPECT_TRUE(s.Find("2004002"));
}

TEST_F(StoreWriteTest, ImportKilledMidwayLeavesTheStoreAsItWas) {
  std::vector<Draw> old = GeneratedHistory(100);
  { HistoryStore(path_, OpenMode::ReadWrite).Import(old); }
  std::vector<Draw> big = GeneratedHistory(200000, 5);
  big.erase(big.begin(), big.begin() + 100);

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    try {
      HistoryStore(path_, OpenMode::ReadWrite).Import(big);
    } catch (...) {
    }
    _exit(0);
  }
  // Kill the writer once uncommitted pages reach the WAL, the middle of its transaction.
  std::string wal = path_ + "-wal";
  bool killed = false;
  for (int i = 0; i < 20000 && !killed; ++i) {
    std::error_code ec;
    if (std::filesystem::file_size(wal, ec) > 64 * 1024 && !ec) killed = kill(child, SIGKILL) == 0;
    if (waitpid(child, nullptr, WNOHANG) == child) break;
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  if (killed) waitpid(child, nullptr, 0);

  HistoryStore s(path_, OpenMode::ReadOnly);
  if (!killed) {
    EXPECT_EQ(s.Count(), 200000);
    GTEST_SKIP() << "the import finished before it could be interrupted";
  }
  EXPECT_EQ(s.All(), old);
}

TEST_F(StoreWriteTest, LastN) {
  std::vector<Draw> h = GeneratedHistory(20);
  HistoryStore s(path_, OpenMode::ReadWrite);
  s.Import(h);
  EXPECT_EQ(s.Last(3), std::vector<Draw>(h.end() - 3, h.end()));
  EXPECT_EQ(s.Last(20), h);
  EXPECT_EQ(s.Last(500), h);
  EXPECT_TRUE(s.Last(0).empty());
  EXPECT_TRUE(s.Last(-1).empty());
}

TEST_F(StoreWriteTest, HistoryOrderOfPeriods) {
  HistoryStore s(path_, OpenMode::ReadWrite);
  std::vector<Draw> added = {D("1000", "11111"), D("20241201-023", "22222"), D("999", "33333"),
                             D("20241201-002", "44444"), D("10000", "55555")};
  s.Import(added);
  std::vector<std::string> order;
  for (const Draw& d : s.All()) order.push_back(d.period);
  EXPECT_EQ(order,
            (std::vector<std::string>{"999", "1000", "10000", "20241201-002", "20241201-023"}));
  EXPECT_EQ(s.NewestPeriod(), "20241201-023");
  EXPECT_EQ(s.Last(1).front().period, "20241201-023");

  std::vector<std::string> text = {"20241201-002", "20241201-023"};
  s.Delete(text);
  EXPECT_EQ(s.NewestPeriod(), "10000");
}

}  // namespace
}  // namespace torvane::store
