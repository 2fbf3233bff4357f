// 大小比, 奇偶比, 质合比: count the digits of the counted class, kill unkept counts.
#include "conditions/shape/ratios.h"

#include <cstdint>

#include "conditions/shape/digit_classes.h"

namespace torvane {
namespace {

constexpr const char* kRatioRowNames[3] = {"大小比", "奇偶比", "质合比"};

void FilterRatio(int kind, const RatiosState& state, FilterContext& ctx) {
  uint8_t keep[6] = {};
  bool any = false;
  for (int n = 0; n <= 5; ++n) {
    if (state.selected[6 * kind + n]) {
      keep[n] = 1;
      any = true;
    }
  }
  if (!any) return;

  const std::array<uint8_t, 10> cls = ClassTable(kCountedClass[kind]);
  AppendMultisetRow(ctx, kRatioRowNames[kind], [&](const uint8_t* d) {
    return keep[cls[d[0]] + cls[d[1]] + cls[d[2]] + cls[d[3]] + cls[d[4]]] == 0;
  });
}

}  // namespace

void FilterBigSmallRatio(const RatiosState& state, FilterContext& ctx) {
  FilterRatio(static_cast<int>(DigitClassKind::BigSmall), state, ctx);
}

void FilterOddEvenRatio(const RatiosState& state, FilterContext& ctx) {
  FilterRatio(static_cast<int>(DigitClassKind::OddEven), state, ctx);
}

void FilterPrimeCompositeRatio(const RatiosState& state, FilterContext& ctx) {
  FilterRatio(static_cast<int>(DigitClassKind::PrimeComposite), state, ctx);
}

}  // namespace torvane
