#include "store/store_rows.h"

#include <cctype>

#include "history/draw.h"
#include "history/draw_line.h"

namespace torvane::store {
namespace {

// A stored value as a message may quote it: short, one line.
std::string Shown(std::string_view value) {
  std::string s = history::QuoteLine(value, 40);
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  return "“" + s + "”";
}

// The period as a shell word, so the suggested command works as typed.
std::string ShellWord(const std::string& s) {
  bool plain = !s.empty();
  for (char c : s)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') plain = false;
  if (plain) return s;
  std::string quoted = "'";
  for (char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::optional<BadRow> CheckRow(std::string_view period, const std::optional<std::string>& date,
                               std::string_view number) {
  auto bad = [&](BadRow::Field field, std::string_view value, std::string problem) {
    return BadRow{std::string(period), field, std::string(value), std::move(problem)};
  };
  if (!history::IsValidPeriod(period))
    return bad(BadRow::Field::Period, period,
               "期号" + Shown(period) + "不合规则（应为 1-32 个字母、数字、- 或 _，至少一个数字）");
  if (!history::DigitsFromText(number))
    return bad(BadRow::Field::Number, number, "号码" + Shown(number) + "不是五位数字");
  if (date && history::NormalizeDate(*date) != *date)
    return bad(BadRow::Field::Date, *date,
               "日期" + Shown(*date) + "不是真实的日期（应为 YYYY-MM-DD）");
  return std::nullopt;
}

BadRow BadFigure(std::string_view period, std::string_view name, std::string_view value) {
  return BadRow{std::string(period), BadRow::Field::Figure, std::string(value),
                std::string(name) + Shown(value) + "不是不小于 0 的整数"};
}

std::string BadRowMessage(const std::string& path, const BadRow& first, int count) {
  std::string s = "历史库 " + path + " 中";
  s += first.field == BadRow::Field::Period ? "有一条记录的" + first.problem
                                            : "第 " + first.period + " 期的" + first.problem;
  s += "，这条记录无法读取";
  if (count > 1) s += "（共有 " + std::to_string(count) + " 条记录不合规则）";
  s += "。它不是本程序写入的；可用 torvane-cli history delete " + ShellWord(first.period) +
       " 删除这一期，再重新添加";
  return s;
}

}  // namespace torvane::store
