#pragma once
// The rules every stored row keeps: a period as the store accepts it, a date that is empty or a
// real YYYY-MM-DD, a number of five ASCII digits. The table's checks hold them for this
// program; another tool (or SQLite with checks off) can still write a row that breaks them,
// and such a row is reported, never read as something else.

#include <optional>
#include <string>
#include <string_view>

namespace torvane::store {

// One stored row that breaks the rules.
struct BadRow {
  enum class Field { Period, Date, Number, Figure };
  std::string period;  // as stored
  Field field = Field::Number;
  std::string value;    // the offending value as stored
  std::string problem;  // what is wrong, in Chinese: "号码“1234”不是五位数字"
};

// The first rule the row breaks; nullopt for a sound row. date is nullopt for SQL NULL.
std::optional<BadRow> CheckRow(std::string_view period, const std::optional<std::string>& date,
                               std::string_view number);

// A figure column (sales, winners, prize; `name` as the player calls it) holding something
// other than a whole number of at least 0.
BadRow BadFigure(std::string_view period, std::string_view name, std::string_view value);

// The player's message for a store holding bad rows: the first one by its period and value,
// how many there are, and the command that removes it.
std::string BadRowMessage(const std::string& path, const BadRow& first, int count);

}  // namespace torvane::store
