#include "conditions/digit/positional_kill.h"

#include <cstdint>

#include "core/box_value.h"

namespace torvane {

void FilterPositionalKill(const PositionalKillState& state, FilterContext& ctx) {
  // The range is converted first, so an oversized range fails the run even when no digit
  // is marked.
  const int min = BoxValue16(state.rangeMin, "定位容错的最小值");
  const int max = BoxValue16(state.rangeMax, "定位容错的最大值");

  // hit[position][digit]: an unmarked row is all zero and so never adds a hit.
  uint8_t hit[kDigits][10] = {};
  int active = 0;
  for (int r = 0; r < kDigits; ++r) {
    bool used = false;
    for (int d = 0; d < 10; ++d) {
      hit[r][d] = state.marked[r][d] ? 1 : 0;
      used = used || state.marked[r][d];
    }
    if (used) ++active;
  }
  if (active == 0) return;

  uint8_t* flags = ctx.kills.appendRow("定位杀");
  const int n = ctx.candidates.count();
  for (int i = 0; i < n; ++i) {
    const uint8_t* d = ctx.candidates.row(i);
    const int hits = hit[0][d[0]] + hit[1][d[1]] + hit[2][d[2]] + hit[3][d[3]] + hit[4][d[4]];
    flags[i] = (hits < min || hits > max) ? 1 : 0;
  }
}

}  // namespace torvane
