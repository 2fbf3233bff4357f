#pragma once
// 杀012排列: ticked route shapes (digit mod 3 per position) are killed.

#include <array>
#include <string>

#include "conditions/filter_context.h"

namespace torvane {

struct RoutePatternsState {
  std::array<bool, 243> ticked{};  // chk012(j)
  friend bool operator==(const RoutePatternsState&, const RoutePatternsState&) = default;
};

// Caption of chk012(j): j as five base-3 digits.
std::string RouteCaption(int index);

// Appends at most one kill row "杀012排列".
void FilterRoutePatterns(const RoutePatternsState& state, FilterContext& ctx);

}  // namespace torvane
