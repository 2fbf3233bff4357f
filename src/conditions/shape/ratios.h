#pragma once
// 大小比, 奇偶比, 质合比: ratios to keep.

#include <array>
#include <string>

#include "conditions/filter_context.h"

namespace torvane {

struct RatiosState {
  std::array<bool, 18> selected{};  // cmdBi(6k + n): n digits of the counted class kept
  friend bool operator==(const RatiosState&, const RatiosState&) = default;
};

// Caption of cmdBi(i): "n:5-n".
std::string RatioCaption(int index);

// Each appends at most one kill row, "大小比", "奇偶比", "质合比".
void FilterBigSmallRatio(const RatiosState& state, FilterContext& ctx);
void FilterOddEvenRatio(const RatiosState& state, FilterContext& ctx);
void FilterPrimeCompositeRatio(const RatiosState& state, FilterContext& ctx);

}  // namespace torvane
