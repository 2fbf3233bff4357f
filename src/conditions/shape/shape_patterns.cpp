// 杀大小排列 / 杀奇偶排列 / 杀质合排列: one condition over three kinds with its own range.
#include "conditions/shape/shape_patterns.h"

#include <cstdint>

#include "conditions/shape/digit_classes.h"
#include "core/box_value.h"

namespace torvane {

void FilterShapePatterns(const ShapePatternsState& state, FilterContext& ctx) {
  const std::array<bool, 32>* boxes[3] = {&state.bigSmall, &state.oddEven, &state.primeComposite};
  // Box i's caption is i in base 2, most significant bit = position 1, so a candidate's
  // shape index built the same way addresses the box directly.
  uint8_t ticked[3][32] = {};
  bool active = false;
  for (int k = 0; k < 3; ++k)
    for (int i = 0; i < 32; ++i)
      if ((*boxes[k])[i]) {
        ticked[k][i] = 1;
        active = true;
      }
  if (!active) return;

  // Value 1 is the second symbol: 小, 偶, 合.
  std::array<uint8_t, 10> second[3];
  for (int k = 0; k < 3; ++k) second[k] = ClassTable(kOtherClass[k]);

  uint8_t* flags = ctx.kills.appendRow("形态");
  const int32_t lo = BoxValue32(state.rangeMin, "杀大小排列容错的最小值");
  const int32_t hi = BoxValue32(state.rangeMax, "杀大小排列容错的最大值");
  uint8_t killHits[4];
  for (int h = 0; h < 4; ++h) killHits[h] = (h > hi || h < lo) ? 1 : 0;

  const int count = ctx.candidates.count();
  const uint8_t* rows = ctx.candidates.row(0);
  for (int i = 0; i < count; ++i) {
    const uint8_t* d = rows + static_cast<size_t>(i) * kDigits;
    int hits = 0;
    for (int k = 0; k < 3; ++k) {
      const uint8_t* c = second[k].data();
      const int shape = (c[d[0]] << 4) | (c[d[1]] << 3) | (c[d[2]] << 2) | (c[d[3]] << 1) | c[d[4]];
      hits += ticked[k][shape];
    }
    flags[i] = killHits[hits];
  }
}

}  // namespace torvane
