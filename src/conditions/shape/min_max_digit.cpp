// 最小号码 / 最大号码: the smallest and largest digit must be among the digits typed.
#include "conditions/shape/min_max_digit.h"

#include <cstdint>

namespace torvane {
namespace {

// allowed[d] = 1 when the digit character d occurs in the text. ASCII digit bytes never
// occur inside a multi-byte UTF-8 character, so a byte scan is exact.
void AllowedDigits(const std::string& text, uint8_t* allowed) {
  for (int d = 0; d < 10; ++d) allowed[d] = 0;
  for (char c : text)
    if (c >= '0' && c <= '9') allowed[c - '0'] = 1;
}

}  // namespace

void FilterMinMaxDigit(const MinMaxDigitState& state, FilterContext& ctx) {
  if (state.smallest.empty() && state.largest.empty()) return;

  // An empty text allows every digit; a text without a digit allows none.
  uint8_t minOk[10], maxOk[10];
  AllowedDigits(state.smallest, minOk);
  AllowedDigits(state.largest, maxOk);
  for (int d = 0; d < 10; ++d) {
    if (state.smallest.empty()) minOk[d] = 1;
    if (state.largest.empty()) maxOk[d] = 1;
  }

  uint8_t lower[10][10], upper[10][10];
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      lower[x][y] = static_cast<uint8_t>(x < y ? x : y);
      upper[x][y] = static_cast<uint8_t>(x < y ? y : x);
    }

  uint8_t* flags = ctx.kills.appendRow("最小/最大号码");
  const int count = ctx.candidates.count();
  const uint8_t* rows = ctx.candidates.row(0);
  for (int i = 0; i < count; ++i) {
    const uint8_t* d = rows + static_cast<size_t>(i) * kDigits;
    uint8_t lo = lower[lower[lower[lower[d[0]][d[1]]][d[2]]][d[3]]][d[4]];
    uint8_t hi = upper[upper[upper[upper[d[0]][d[1]]][d[2]]][d[3]]][d[4]];
    flags[i] = static_cast<uint8_t>((minOk[lo] & maxOk[hi]) ^ 1);
  }
}

}  // namespace torvane
