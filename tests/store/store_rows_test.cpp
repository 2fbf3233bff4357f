// Rows another tool wrote against the store's rules: never read as a draw, named with the
// command that removes them, listed, deletable.
#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "store/history_store.h"
#include "support/history_samples.h"

namespace torvane::store {
namespace {

using torvane::testing::GeneratedHistory;
using torvane::testing::KindOf;

TEST(StoreRows, RowsAgainstTheRulesAreNamedListedAndDeletable) {
  using F = BadRow::Field;
  const struct {
    const char* period;
    const char* date;  // nullptr: NULL
    const char* number;
    F field;
    const char* sales = nullptr;
    const char* deleteCommand = "history delete 2026001";  // as the message gives it
  } cases[] = {
      {"2026001", nullptr, "1234", F::Number},
      {"2026001", nullptr, "abcde", F::Number},
      {"2026001", nullptr, "１２３４５", F::Number},
      {"2026001", "2026-13-45", "12345", F::Date},
      {"2026001", "2026-02-30", "12345", F::Date},
      {"2026001", "", "12345", F::Date},
      {"2026 001", nullptr, "12345", F::Period, nullptr, "history delete '2026 001'"},
      {"2026001", nullptr, "12345", F::Figure, "-5"},
      {"2026001", nullptr, "12345", F::Figure, "lots"},
  };
  for (const auto& c : cases) {
    const std::string value = c.field == F::Period   ? c.period
                              : c.field == F::Date   ? c.date
                              : c.field == F::Figure ? c.sales
                                                     : c.number;
    SCOPED_TRACE(value);
    torvane::testing::TempDir dir;
    const std::string path = dir.File("history.db");
    HistoryStore(path, OpenMode::ReadWrite).Import(GeneratedHistory(3));
    {
      SQLite::Database db(path, SQLite::OPEN_READWRITE);
      db.exec("PRAGMA ignore_check_constraints = ON");
      SQLite::Statement insert(
          db, "INSERT INTO draws (period, date, number, sales) VALUES (?, ?, ?, ?)");
      insert.bind(1, c.period);
      c.date ? insert.bind(2, c.date) : insert.bind(2);
      insert.bind(3, c.number);
      c.sales ? insert.bind(4, c.sales) : insert.bind(4);
      insert.exec();
    }
    HistoryStore s(path, OpenMode::ReadWrite);
    for (bool find : {false, true}) {
      std::string message;
      EXPECT_EQ(KindOf([&] { find ? (void)s.Find(c.period) : (void)s.All(); }, &message),
                StoreErrorKind::BadRow);
      for (const std::string& part :
           {std::string(c.period), value, path, std::string(c.deleteCommand)})
        EXPECT_NE(message.find(part), std::string::npos) << part << " in " << message;
    }
    const std::vector<BadRow> bad = s.BadRows();
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_EQ(bad[0].period, c.period);
    EXPECT_EQ(bad[0].field, c.field);
    EXPECT_EQ(bad[0].value, value);

    EXPECT_EQ(s.Delete(std::vector<std::string>{c.period}), 1);
    EXPECT_EQ(s.All(), GeneratedHistory(3));
  }
}

}  // namespace
}  // namespace torvane::store
