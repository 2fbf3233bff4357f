#pragma once
// 定位杀: digits killed per position, with the panel's own tolerance range.

#include <array>
#include <string>

#include "conditions/filter_context.h"

namespace torvane {

struct PositionalKillState {
  std::array<std::array<bool, 10>, 5> marked{};  // [row = position - 1][digit], yellow
  std::string rangeMin = "0";                    // Com_rc(0) text
  std::string rangeMax = "0";                    // Com_rc(1) text
  friend bool operator==(const PositionalKillState&, const PositionalKillState&) = default;
};

// Appends at most one kill row "定位杀". Throws RunError when a range text does not fit
// 16 bits, even with nothing marked.
void FilterPositionalKill(const PositionalKillState& state, FilterContext& ctx);

}  // namespace torvane
