// Rows another tool wrote against the store's rules (SQLite with its checks off): never read as
// another draw, listed, named in the refusal with the command that removes them, and deletable.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <functional>

#include "store/history_store.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using torvane::testing::GeneratedHistory;
using torvane::testing::KindOf;
using torvane::testing::TempDir;

struct BadRowCase {
  const char* name;
  const char* period;
  const char* date;  // nullptr: NULL
  const char* number;
  BadRow::Field field;
  const char* deleteCommand;  // what the message tells the player to run
};
void PrintTo(const BadRowCase& c, std::ostream* os) {
  *os << c.name;
}

class StoredBadRow : public ::testing::TestWithParam<BadRowCase> {};

TEST_P(StoredBadRow, RefusedByNameListedAndDeletable) {
  const BadRowCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.File("history.db");
  HistoryStore(path, OpenMode::ReadWrite).Import(GeneratedHistory(3));
  {
    SQLite::Database db(path, SQLite::OPEN_READWRITE);
    db.exec("PRAGMA ignore_check_constraints = ON");
    SQLite::Statement insert(db, "INSERT INTO draws VALUES (?, ?, ?)");
    insert.bind(1, c.period);
    c.date ? insert.bind(2, c.date) : insert.bind(2);
    insert.bind(3, c.number);
    insert.exec();
  }
  HistoryStore s(path, OpenMode::ReadWrite);
  const std::string value = c.field == BadRow::Field::Period ? c.period
                            : c.field == BadRow::Field::Date ? c.date
                                                             : c.number;
  for (const std::function<void()>& read :
       std::vector<std::function<void()>>{[&] { s.All(); }, [&] { s.Find(c.period); }}) {
    std::string message;
    EXPECT_EQ(KindOf(read, &message), StoreErrorKind::BadRow);
    for (const std::string& part :
         {std::string(c.period), value, path, std::string("history delete ") + c.deleteCommand})
      EXPECT_NE(message.find(part), std::string::npos) << part << " in " << message;
  }
  const std::vector<BadRow> bad = s.BadRows();
  ASSERT_EQ(bad.size(), 1u);
  EXPECT_EQ(bad[0].period, c.period);
  EXPECT_EQ(bad[0].field, c.field);
  EXPECT_EQ(bad[0].value, value);

  std::vector<std::string> periods = {c.period};
  EXPECT_EQ(s.Delete(periods), 1);
  EXPECT_EQ(s.All(), GeneratedHistory(3));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StoredBadRow,
    ::testing::Values(
        BadRowCase{"FourDigits", "2026001", nullptr, "1234", BadRow::Field::Number, "2026001"},
        BadRowCase{"Letters", "2026001", nullptr, "abcde", BadRow::Field::Number, "2026001"},
        BadRowCase{"FullWidthDigits", "2026001", nullptr, "１２３４５", BadRow::Field::Number,
                   "2026001"},
        BadRowCase{"MonthThirteen", "2026001", "2026-13-45", "12345", BadRow::Field::Date,
                   "2026001"},
        BadRowCase{"FebruaryThirtieth", "2026001", "2026-02-30", "12345", BadRow::Field::Date,
                   "2026001"},
        BadRowCase{"EmptyDate", "2026001", "", "12345", BadRow::Field::Date, "2026001"},
        BadRowCase{"PeriodWithABlank", "2026 001", nullptr, "12345", BadRow::Field::Period,
                   "'2026 001'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::store
