// 杀012排列: kill every number whose route shape (digit mod 3 per position) is ticked.
#include "conditions/shape/route_patterns.h"

#include <cstdint>

namespace torvane {

void FilterRoutePatterns(const RoutePatternsState& state, FilterContext& ctx) {
  // Box j's caption is j in base 3, most significant digit = position 1.
  uint8_t ticked[243] = {};
  bool any = false;
  for (int j = 0; j < 243; ++j)
    if (state.ticked[j]) {
      ticked[j] = 1;
      any = true;
    }
  if (!any) return;

  uint8_t route[10];
  for (int d = 0; d < 10; ++d) route[d] = static_cast<uint8_t>(d % 3);

  uint8_t* flags = ctx.kills.appendRow("杀012排列");
  const int count = ctx.candidates.count();
  const uint8_t* rows = ctx.candidates.row(0);
  for (int i = 0; i < count; ++i) {
    const uint8_t* d = rows + static_cast<size_t>(i) * kDigits;
    const int shape =
        (((route[d[0]] * 3 + route[d[1]]) * 3 + route[d[2]]) * 3 + route[d[3]]) * 3 + route[d[4]];
    flags[i] = ticked[shape];
  }
}

}  // namespace torvane
