#pragma once
// 和、跨、胆: sum tail, sum, span and any-digit kill, one kill row each when set.

#include <array>
#include <optional>
#include <string>

#include "conditions/filter_context.h"

namespace torvane {

extern const char* const kSumHint;  // txtHKD

struct SumSpanState {
  std::array<bool, 10> tails{};   // chkHKD(0..9)
  std::string sums;               // txtHKD as held
  std::array<bool, 10> spans{};   // chkHKD(10..19)
  std::array<bool, 10> digits{};  // chkHKD(20..29), 通杀码
  friend bool operator==(const SumSpanState&, const SumSpanState&) = default;
};

// One filter per row of the panel, run in this order. Each appends at most its own kill row.

// "杀和尾": kills every candidate whose digit sum ends in a ticked tail.
void FilterSumTails(const SumSpanState& state, FilterContext& ctx);

// "杀和值": kills every candidate whose digit sum is in the sum list. Returns the cleaned
// list when the box should show it, even when no piece is a possible sum. Throws RunError
// on a sum piece beyond 32 bits.
std::optional<std::string> FilterSums(const SumSpanState& state, FilterContext& ctx);

// "杀跨度": kills every candidate whose largest digit minus smallest is ticked.
void FilterSpans(const SumSpanState& state, FilterContext& ctx);

// "通杀码": kills every candidate holding a ticked digit in any position.
void FilterDigitsAnywhere(const SumSpanState& state, FilterContext& ctx);

}  // namespace torvane
