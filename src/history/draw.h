#pragma once
// One draw of the lottery and the order of a history.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane::history {

// The five digits of a number, 万位 first, each 0-9.
using Digits = std::array<std::uint8_t, 5>;

struct Draw {
  std::string period;  // the lottery's own issue, e.g. "2004001" or "20241201-023"
  std::string date;    // YYYY-MM-DD, empty when unknown
  Digits digits{};
  // What the lottery published for the draw, when a file said so: the sales in yuan, the
  // number of winning bets and the prize per bet in yuan.
  std::optional<std::int64_t> sales{};
  std::optional<std::int64_t> winners{};
  std::optional<std::int64_t> prize{};

  std::string NumberText() const;
  friend bool operator==(const Draw&, const Draw&) = default;
};

// True when the draw carries any of sales, winners or prize.
bool HasFigures(const Draw& draw);

// "92882" from {9,2,8,8,2}.
std::string DigitsText(const Digits& digits);
// Exactly five ASCII digits, nothing else.
std::optional<Digits> DigitsFromText(std::string_view text);

// A period that a draw file, the store and the command line accept: 1-32 characters of
// ASCII letters, digits, '-' and '_', at least one of them a digit.
bool IsValidPeriod(std::string_view period);

// History order of periods. Digit-only periods compare as numbers (by length without leading
// zeros, then as text, so periods of any length work) and come before every other period;
// other periods compare as text. Mixing numeric and text order pairwise would not be a
// consistent order ("999" < "1000" < "1000a" < "999"), hence the two groups.
bool PeriodLess(std::string_view a, std::string_view b);

struct DrawOrder {
  bool operator()(const Draw& a, const Draw& b) const { return PeriodLess(a.period, b.period); }
};

// Oldest first.
void SortHistory(std::vector<Draw>& draws);

}  // namespace torvane::history
