#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "store/history_store.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using history::Draw;
using torvane::testing::FolderListing;
using torvane::testing::KindOf;
using torvane::testing::ReadBytes;
using torvane::testing::TempDir;
using torvane::testing::WriteBytes;

std::string RandomBytes(size_t n) {
  std::mt19937 rng(42);
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(rng());
  return s;
}

void MakeOurStore(const std::string& path) {
  HistoryStore s(path, OpenMode::ReadWrite);
  s.Add(Draw{"2004001", "2004-11-14", {9, 2, 8, 8, 2}});
}

void RawSql(const std::string& path, const std::string& sql) {
  SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
  db.exec(sql);
}

struct RefusedCase {
  const char* name;
  std::function<void(const std::string&)> make;
  StoreErrorKind kind;
};

class RefusedFileTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFileTest, RefusedAndUntouched) {
  TempDir dir;
  std::string path = dir.File("history.db");
  GetParam().make(path);
  std::string before = ReadBytes(path);
  auto listing = FolderListing(dir.path());

  for (OpenMode mode : {OpenMode::ReadOnly, OpenMode::ReadWrite}) {
    try {
      HistoryStore s(path, mode);
      ADD_FAILURE() << "opened";
    } catch (const StoreError& e) {
      EXPECT_EQ(e.kind(), GetParam().kind) << e.what();
      EXPECT_EQ(e.path(), path);
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_EQ(FolderListing(dir.path()), listing);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    ::testing::Values(
        RefusedCase{"RandomBytes", [](const std::string& p) { WriteBytes(p, RandomBytes(8192)); },
                    StoreErrorKind::NotOurs},
        RefusedCase{"DrawTextFile",
                    [](const std::string& p) { WriteBytes(p, "2004001 92882\n2004002 01234\n"); },
                    StoreErrorKind::NotOurs},
        RefusedCase{"SqliteHeaderThenGarbage",
                    [](const std::string& p) {
                      WriteBytes(p, std::string("SQLite format 3\0", 16) + RandomBytes(4080));
                    },
                    StoreErrorKind::NotOurs},
        RefusedCase{"ForeignDatabase",
                    [](const std::string& p) {
                      RawSql(p, "CREATE TABLE contacts (name TEXT, phone TEXT)");
                    },
                    StoreErrorKind::NotOurs},
        RefusedCase{"ForeignTableNamedDraws",
                    [](const std::string& p) {
                      RawSql(p,
                             "CREATE TABLE draws (id INTEGER, ball TEXT);"
                             "PRAGMA user_version = 1");
                    },
                    StoreErrorKind::NotOurs},
        RefusedCase{"ForeignDrawsWithOurColumnNames",
                    [](const std::string& p) {
                      RawSql(p,
                             "CREATE TABLE draws (period TEXT PRIMARY KEY, date TEXT, number "
                             "TEXT); PRAGMA user_version = 1");
                    },
                    StoreErrorKind::NotOurs},
        RefusedCase{"OurTableWithATriggerOfAnotherTool",
                    [](const std::string& p) {
                      MakeOurStore(p);
                      RawSql(p,
                             "PRAGMA journal_mode = DELETE; CREATE TRIGGER t AFTER INSERT ON "
                             "draws BEGIN DELETE FROM draws; END");
                    },
                    StoreErrorKind::NotOurs},
        RefusedCase{"OurTableWithoutVersion",
                    [](const std::string& p) {
                      MakeOurStore(p);
                      RawSql(p, "PRAGMA journal_mode = DELETE; PRAGMA user_version = 0");
                    },
                    StoreErrorKind::NotOurs},
        RefusedCase{"NegativeVersion",
                    [](const std::string& p) {
                      MakeOurStore(p);
                      RawSql(p, "PRAGMA user_version = -1");
                    },
                    StoreErrorKind::NotOurs},
        RefusedCase{"NewerVersion",
                    [](const std::string& p) {
                      MakeOurStore(p);
                      RawSql(p, "PRAGMA user_version = " +
                                    std::to_string(HistoryStore::kSchemaVersion + 1));
                    },
                    StoreErrorKind::Newer}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoreOpen, NewStoreCarriesVersionWalAndChecks) {
  TempDir dir;
  std::string path = dir.File("history.db");
  { HistoryStore s(path, OpenMode::ReadWrite); }
  SQLite::Database db(path, SQLite::OPEN_READWRITE);
  EXPECT_EQ(db.execAndGet("PRAGMA user_version").getInt(), 2);
  EXPECT_EQ(db.execAndGet("PRAGMA journal_mode").getString(), "wal");
  // The table itself refuses what the program never writes.
  const std::string insert = "INSERT INTO draws (period, date, number) VALUES ('1', ";
  for (const char* bad : {"'9288'", "'928823'", "'9288a'", "NULL", "9288"})
    EXPECT_THROW(db.exec(insert + "NULL, " + bad + ")"), SQLite::Exception) << bad;
  EXPECT_THROW(db.exec(insert + "'14.11.2004', '92882')"), SQLite::Exception);
  for (const char* column : {"sales", "winners", "prize"})
    for (const char* bad : {"-1", "'lots'", "1.5"})
      EXPECT_THROW(db.exec(std::string("INSERT INTO draws (period, number, ") + column +
                           ") VALUES ('2', '12345', " + bad + ")"),
                   SQLite::Exception)
          << column << " " << bad;
  db.exec("INSERT INTO draws VALUES ('3', NULL, '12345', 0, NULL, 100000)");
}

TEST(StoreOpen, OurDefinitionSpelledAnotherWayIsOurs) {
  TempDir dir;
  std::string path = dir.File("history.db");
  RawSql(path,
         "create table \"DRAWS\"(Period text not null primary key check (length(period)>0), -- "
         "x\n date text check(date is null or date glob '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9]"
         "[0-9]'), [number] TEXT NOT NULL CHECK(length(number)=5 and number not glob "
         "'*[^0-9]*'))without rowid; PRAGMA user_version = 1");
  EXPECT_EQ(HistoryStore(path, OpenMode::ReadWrite).Add(Draw{"1", "", {1, 2, 3, 4, 5}}),
            AddOutcome::Added);
}

TEST(StoreOpen, EmptyFileIsSetUpForWriting) {
  TempDir dir;
  std::string path = dir.File("history.db");
  WriteBytes(path, "");
  {
    HistoryStore reader(path, OpenMode::ReadOnly);
    EXPECT_EQ(reader.Count(), 0);
  }
  EXPECT_EQ(ReadBytes(path), "");
  HistoryStore writer(path, OpenMode::ReadWrite);
  writer.Add(Draw{"2004001", "", {1, 2, 3, 4, 5}});
  EXPECT_EQ(writer.Count(), 1);
}

TEST(StoreOpen, MissingStoreReadsEmptyAndStaysMissing) {
  TempDir dir;
  std::string path = dir.File("history.db");
  HistoryStore s(path, OpenMode::ReadOnly);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_TRUE(s.Last(5).empty());
  EXPECT_FALSE(s.Find("2004001"));
  EXPECT_THROW(s.Add(Draw{"2004001", "", {1, 2, 3, 4, 5}}), StoreError);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(StoreOpen, ReadOnlyStoreReadsButNeverWrites) {
  TempDir dir;
  std::string path = dir.File("history.db");
  MakeOurStore(path);
  HistoryStore s(path, OpenMode::ReadOnly);
  EXPECT_TRUE(s.readOnly());
  EXPECT_EQ(s.Count(), 1);
  std::vector<Draw> one = {Draw{"2004002", "", {1, 2, 3, 4, 5}}};
  std::vector<std::string> periods = {"2004001"};
  EXPECT_EQ(KindOf([&] { s.Import(one); }), StoreErrorKind::ReadOnly);
  EXPECT_EQ(KindOf([&] { s.Add(one[0]); }), StoreErrorKind::ReadOnly);
  EXPECT_EQ(KindOf([&] { s.Delete(periods); }), StoreErrorKind::ReadOnly);
  EXPECT_EQ(s.Count(), 1);
}

TEST(StoreOpen, ReaderSeesWhatAnOpenWriterCommitted) {
  TempDir dir;
  std::string path = dir.File("history.db");
  HistoryStore writer(path, OpenMode::ReadWrite);
  writer.Add(Draw{"2004001", "", {1, 2, 3, 4, 5}});
  HistoryStore reader(path, OpenMode::ReadOnly);
  EXPECT_EQ(reader.Count(), 1);
  writer.Add(Draw{"2004002", "", {1, 2, 3, 4, 6}});
  EXPECT_EQ(reader.Count(), 2);
}

TEST(StoreOpen, FileNamesAUriWouldMisread) {
  TempDir dir;
  std::string path = dir.File("历史 #1?a=b%20.db");
  MakeOurStore(path);
  auto listing = FolderListing(dir.path());
  {
    HistoryStore s(path, OpenMode::ReadWrite);
    EXPECT_EQ(s.Count(), 1);
  }
  EXPECT_EQ(FolderListing(dir.path()), listing);

  RawSql(path, "PRAGMA user_version = " + std::to_string(HistoryStore::kSchemaVersion + 1));
  EXPECT_EQ(KindOf([&] { HistoryStore s(path, OpenMode::ReadOnly); }), StoreErrorKind::Newer);
  EXPECT_EQ(FolderListing(dir.path()), listing);
}

TEST(StoreOpen, FolderIsRefused) {
  TempDir dir;
  EXPECT_EQ(KindOf([&] { HistoryStore s(dir.path().string(), OpenMode::ReadWrite); }),
            StoreErrorKind::Unreadable);
}

}  // namespace
}  // namespace torvane::store
