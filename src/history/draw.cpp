#include "history/draw.h"

#include <algorithm>

namespace torvane::history {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit);
}

std::string_view WithoutLeadingZeros(std::string_view s) {
  size_t i = s.find_first_not_of('0');
  return i == std::string_view::npos ? s.substr(s.size()) : s.substr(i);
}

}  // namespace

std::string Draw::NumberText() const {
  return DigitsText(digits);
}

bool HasFigures(const Draw& draw) {
  return draw.sales || draw.winners || draw.prize;
}

std::string DigitsText(const Digits& digits) {
  std::string s(5, '0');
  for (size_t i = 0; i < 5; ++i) s[i] = static_cast<char>('0' + digits[i]);
  return s;
}

std::optional<Digits> DigitsFromText(std::string_view text) {
  if (text.size() != 5 || !AllDigits(text)) return std::nullopt;
  Digits d{};
  for (size_t i = 0; i < 5; ++i) d[i] = static_cast<std::uint8_t>(text[i] - '0');
  return d;
}

bool IsValidPeriod(std::string_view period) {
  if (period.empty() || period.size() > 32) return false;
  bool digit = false;
  for (char c : period) {
    bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (IsDigit(c))
      digit = true;
    else if (!letter && c != '-' && c != '_')
      return false;
  }
  return digit;
}

bool PeriodLess(std::string_view a, std::string_view b) {
  bool na = AllDigits(a), nb = AllDigits(b);
  if (na != nb) return na;
  if (na) {
    std::string_view va = WithoutLeadingZeros(a), vb = WithoutLeadingZeros(b);
    if (va.size() != vb.size()) return va.size() < vb.size();
    if (va != vb) return va < vb;
    // Same value ("007" and "7"): still distinct periods, so keep the order strict.
  }
  return a < b;
}

void SortHistory(std::vector<Draw>& draws) {
  std::stable_sort(draws.begin(), draws.end(), DrawOrder{});
}

}  // namespace torvane::history
