// Sales, winners and prize in the store: the version-1 upgrade and how an import merges them.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/history_store.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using history::Draw;
using torvane::testing::GeneratedHistory;
using torvane::testing::KindOf;
using torvane::testing::ReadBytes;
using torvane::testing::TempDir;

// The store as the release before the figures wrote it, word for word.
void MakeVersion1Store(const std::string& path, const std::vector<Draw>& draws) {
  SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
  db.exec(R"sql(
CREATE TABLE draws (
  period TEXT NOT NULL PRIMARY KEY CHECK(length(period) > 0),
  date   TEXT CHECK(date IS NULL OR
                    date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),
  number TEXT NOT NULL CHECK(length(number) = 5 AND number NOT GLOB '*[^0-9]*')
) WITHOUT ROWID
)sql");
  db.exec("PRAGMA user_version = 1; PRAGMA journal_mode = WAL");
  std::string insert = "INSERT INTO draws VALUES ";
  for (const Draw& d : draws)
    insert += "('" + d.period + "', " + (d.date.empty() ? "NULL" : "'" + d.date + "'") + ", '" +
              d.NumberText() + "'),";
  insert.back() = ';';
  db.exec(insert);
}

std::string TableSql(const std::string& path) {
  SQLite::Database db(path, SQLite::OPEN_READONLY);
  return db.execAndGet("SELECT sql FROM sqlite_master WHERE name = 'draws'").getString() + " v" +
         std::to_string(db.execAndGet("PRAGMA user_version").getInt());
}

TEST(StoreUpgrade, Version1StoreKeepsEveryDraw) {
  TempDir dir;
  const std::string path = dir.File("history.db");
  const std::vector<Draw> h = GeneratedHistory(3000);
  MakeVersion1Store(path, h);
  const std::string before = ReadBytes(path);
  {
    HistoryStore reader(path, OpenMode::ReadOnly);  // reads, never upgrades
    EXPECT_EQ(reader.All(), h);
  }
  EXPECT_EQ(ReadBytes(path), before);
  { HistoryStore writer(path, OpenMode::ReadWrite); }
  const std::vector<Draw> after = HistoryStore(path, OpenMode::ReadOnly).All();
  ASSERT_EQ(after.size(), h.size());
  for (size_t i = 0; i < h.size(); ++i) ASSERT_EQ(after[i], h[i]) << i;
  const std::string fresh = dir.File("fresh.db");
  { HistoryStore s(fresh, OpenMode::ReadWrite); }
  EXPECT_EQ(TableSql(path), TableSql(fresh));
}

TEST(StoreUpgrade, RowAgainstTheRulesMovesAlong) {
  TempDir dir;
  const std::string path = dir.File("history.db");
  const std::vector<Draw> h = GeneratedHistory(50);
  MakeVersion1Store(path, h);
  SQLite::Database(path, SQLite::OPEN_READWRITE)
      .exec("PRAGMA ignore_check_constraints = ON; INSERT INTO draws VALUES ('x1', NULL, '1234')");
  HistoryStore s(path, OpenMode::ReadWrite);
  ASSERT_EQ(s.BadRows().size(), 1u);
  EXPECT_EQ(s.Delete(std::vector<std::string>{"x1"}), 1);
  EXPECT_EQ(s.All(), h);
}

using Amount = std::optional<std::int64_t>;

Draw WithFigures(Amount sales, Amount winners, Amount prize) {
  return Draw{"2026257", "2026-09-24", {4, 9, 3, 3, 0}, sales, winners, prize};
}

TEST(StoreFigures, ImportGainsAlwaysReplacesOnlyWhenAsked) {
  const struct {
    const char* name;
    Draw incoming;
    bool replace;
    Draw stored;  // afterwards
    int gained, changed;
    size_t conflicts;
  } cases[] = {
      {"none changes nothing", WithFigures({}, {}, {}), false, WithFigures(100, {}, 5), 0, 0, 0},
      {"gains", WithFigures(100, 7, {}), false, WithFigures(100, 7, 5), 1, 0, 0},
      {"keeps what differs", WithFigures(200, 7, 5), false, WithFigures(100, 7, 5), 1, 0, 1},
      {"replaces when asked", WithFigures(200, {}, 5), true, WithFigures(200, {}, 5), 0, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.File("history.db");
    HistoryStore s(path, OpenMode::ReadWrite);
    s.Import(std::vector<Draw>{WithFigures(100, {}, 5)});
    const std::vector<Draw> incoming = {c.incoming};
    const std::string before = ReadBytes(path);
    const ImportCounts plan = s.PlanImport(incoming, {.replaceFigures = c.replace});
    EXPECT_EQ(ReadBytes(path), before);
    const ImportCounts done = s.Import(incoming, {.replaceFigures = c.replace});
    for (const ImportCounts& counts : {plan, done}) {
      EXPECT_EQ(counts.alreadyThere, 1);
      EXPECT_EQ(counts.figuresGained, c.gained);
      EXPECT_EQ(counts.figuresChanged, c.changed);
      EXPECT_EQ(counts.figureConflicts.size(), c.conflicts);
    }
    EXPECT_EQ(s.Find("2026257"), c.stored);
  }
}

TEST(StoreFigures, AddReplaceKeepsFiguresItDoesNotCarry) {
  TempDir dir;
  HistoryStore s(dir.File("history.db"), OpenMode::ReadWrite);
  s.Add(WithFigures(100, 7, 5));
  Draw changed = WithFigures({}, 8, {});
  changed.digits = {1, 2, 3, 4, 5};
  EXPECT_EQ(s.Add(changed, true), AddOutcome::Replaced);
  Draw expected = WithFigures(100, 8, 5);
  expected.digits = changed.digits;
  EXPECT_EQ(s.Find("2026257"), expected);
  EXPECT_EQ(KindOf([&] { s.Add(WithFigures(-1, {}, {})); }), StoreErrorKind::InvalidDraw);
}

}  // namespace
}  // namespace torvane::store
