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

// Appends kill rows "杀和尾", "杀和值", "杀跨度", "通杀码". Returns the cleaned sum text
// when the box should show it. Throws RunError on a sum piece beyond 32 bits.
std::optional<std::string> FilterSumSpan(const SumSpanState& state, FilterContext& ctx);

}  // namespace torvane
