#include "ui/draws/draw_entry.h"

#include <algorithm>

#include "history/draw_line.h"

namespace torvane::ui {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string NextPeriod(std::string_view newest) {
  if (newest.empty() ||
      !std::all_of(newest.begin(), newest.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return {};
  std::string next(newest);
  int i = static_cast<int>(next.size()) - 1;
  for (; i >= 0 && next[i] == '9'; --i) next[i] = '0';
  if (i >= 0)
    ++next[i];
  else
    next.insert(next.begin(), '1');
  // Longer than a period may be: no proposal rather than one the store refuses.
  return history::IsValidPeriod(next) ? next : std::string();
}

DrawEntry ReadDrawEntry(std::string_view period, std::string_view number, std::string date) {
  DrawEntry e;
  period = Trim(period);
  number = Trim(number);
  if (period.empty()) {
    e.error = "请输入期号。";
    return e;
  }
  if (!history::IsValidPeriod(period)) {
    e.error = "期号“" + history::QuoteLine(period, 32) +
              "”无效：期号由字母、数字、- 或 _ 组成，至多 32 个字符，且至少含一个数字。";
    return e;
  }
  if (number.empty()) {
    e.error = "请输入5位数字组成的开奖号码！";
    return e;
  }
  // Whatever a draw file accepts as a number: "92882", "9 2 8 8 2", full-width digits.
  const std::optional<history::Digits> digits = history::ParseDrawNumber(number);
  if (!digits) {
    e.error = "号码“" + history::QuoteLine(number, 32) +
              "”无效，没有添加：号码应为一个五位数（如 92882），或五个用空格、逗号隔开的一位数"
              "（如 9 2 8 8 2）。";
    return e;
  }
  if (!date.empty() && history::NormalizeDate(date) != date) {
    e.error = "日期“" + date + "”无效，应为 YYYY-MM-DD。";
    return e;
  }
  e.draw = history::Draw{std::string(period), std::move(date), *digits};
  return e;
}

}  // namespace torvane::ui
