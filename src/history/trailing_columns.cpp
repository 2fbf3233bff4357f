#include "history/trailing_columns.h"

#include <algorithm>
#include <cctype>

namespace torvane::history {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool Has(std::string_view s, std::string_view part) {
  return s.find(part) != std::string_view::npos;
}

bool NamesNumber(const std::string& lower) {
  return Has(lower, "号码") || Has(lower, "number");
}

FigureColumn Titled(const std::string& lower) {
  if (Has(lower, "销售") || Has(lower, "销量") || Has(lower, "sales")) return FigureColumn::Sales;
  if (Has(lower, "注数") || Has(lower, "winners")) return FigureColumn::Winners;
  if (Has(lower, "奖金") || Has(lower, "prize")) return FigureColumn::Prize;
  return FigureColumn::None;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || static_cast<unsigned char>(s.front()) >= 0x80))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || static_cast<unsigned char>(s.back()) >= 0x80))
    s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<ColumnTitles> ReadColumnTitles(const std::vector<std::string>& titles) {
  if (titles.size() < 2) return std::nullopt;
  ColumnTitles r;
  bool named = false;
  for (size_t i = 0; i < titles.size(); ++i) {
    const std::string lower = Lower(titles[i]);
    FigureColumn figure = Titled(lower);
    r.columns.push_back(figure);
    if (figure != FigureColumn::None) {
      named = true;
    } else if (!r.numberColumn && NamesNumber(lower)) {
      r.numberColumn = i;
      named = true;
    }
  }
  if (!named) return std::nullopt;
  return r;
}

std::optional<std::int64_t> ParseAmount(std::string_view text) {
  // Words around the amount go: 元, ¥, ￥.
  std::string_view s = Trimmed(text);
  if (size_t point = s.find('.'); point != std::string_view::npos) {
    std::string_view decimals = s.substr(point + 1);
    if (decimals.empty() ||
        !std::all_of(decimals.begin(), decimals.end(), [](char c) { return c == '0'; }))
      return std::nullopt;
    s = s.substr(0, point);
  }
  if (s.empty() || !IsDigit(s.front())) return std::nullopt;
  // Plain digits, or commas at every fourth place from the right.
  const bool grouped = s.find(',') != std::string_view::npos;
  std::int64_t value = 0;
  int digits = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const bool commaPlace = grouped && (s.size() - i) % 4 == 0;
    if (commaPlace != (s[i] == ',')) return std::nullopt;
    if (commaPlace) continue;
    if (!IsDigit(s[i]) || ++digits > 18) return std::nullopt;
    value = value * 10 + (s[i] - '0');
  }
  return value;
}

void ReadFigures(std::span<const std::string> trailing, const ColumnTitles* titles, Draw& draw) {
  auto put = [&](FigureColumn column, const std::string& field) {
    std::optional<std::int64_t>* figure = column == FigureColumn::Sales     ? &draw.sales
                                          : column == FigureColumn::Winners ? &draw.winners
                                          : column == FigureColumn::Prize   ? &draw.prize
                                                                            : nullptr;
    if (figure) *figure = ParseAmount(field);
  };
  if (!titles) {
    constexpr FigureColumn kByPosition[] = {FigureColumn::Sales, FigureColumn::Winners,
                                            FigureColumn::Prize};
    for (size_t i = 0; i < trailing.size() && i < 3; ++i) put(kByPosition[i], trailing[i]);
    return;
  }
  const size_t count = titles->columns.size();
  for (size_t i = 0; i < trailing.size(); ++i) {
    size_t column;
    if (titles->numberColumn) {
      column = *titles->numberColumn + 1 + i;
    } else {
      if (trailing.size() - i > count) continue;
      column = count - (trailing.size() - i);
    }
    if (column < count) put(titles->columns[column], trailing[i]);
  }
}

}  // namespace torvane::history
