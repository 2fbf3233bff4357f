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

  // Sorted digits: the smallest comes first, the largest last.
  AppendMultisetRow(ctx, "最小/最大号码",
                    [&](const uint8_t* d) { return (minOk[d[0]] & maxOk[d[4]]) == 0; });
}

}  // namespace torvane
