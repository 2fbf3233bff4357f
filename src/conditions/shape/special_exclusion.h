#pragma once
// 特别排除: fourteen families, one kill row per ticked box.

#include <array>

#include "conditions/filter_context.h"

namespace torvane {

struct SpecialExclusionState {
  std::array<bool, 14> ticked{};  // chkEx(i)
  friend bool operator==(const SpecialExclusionState&, const SpecialExclusionState&) = default;
};

// Caption of chkEx(i) ("上山", "下山", "AAAAA", "不连", ...).
const char* SpecialCaption(int index);
// chkEx indexes in screen order, left to right.
inline constexpr int kSpecialScreenOrder[14] = {0, 1, 3, 4, 5, 6, 7, 2, 8, 9, 13, 10, 11, 12};

// Appends one kill row per ticked box, named by its caption.
void FilterSpecialExclusion(const SpecialExclusionState& state, FilterContext& ctx);

}  // namespace torvane
