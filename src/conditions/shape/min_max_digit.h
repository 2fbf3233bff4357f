#pragma once
// 最小号码 / 最大号码: allowed smallest and largest digits, one condition.

#include <string>

#include "conditions/filter_context.h"

namespace torvane {

struct MinMaxDigitState {
  std::string smallest;  // txt_dx(0), exactly as typed
  std::string largest;   // txt_dx(1)
  friend bool operator==(const MinMaxDigitState&, const MinMaxDigitState&) = default;
};

// Appends at most one kill row "最小/最大号码".
void FilterMinMaxDigit(const MinMaxDigitState& state, FilterContext& ctx);

}  // namespace torvane
