#pragma once
// 杀大小排列, 杀奇偶排列, 杀质合排列: ticked shapes, one condition with its own range.

#include <array>
#include <string>

#include "conditions/filter_context.h"

namespace torvane {

struct ShapePatternsState {
  std::array<bool, 32> bigSmall{};        // chkDX
  std::array<bool, 32> oddEven{};         // chkJO
  std::array<bool, 32> primeComposite{};  // chkZH
  std::string rangeMin = "0";             // Com_rc(4)
  std::string rangeMax = "0";             // Com_rc(5)
  friend bool operator==(const ShapePatternsState&, const ShapePatternsState&) = default;
};

// Caption of box i of a kind: i in base 2, most significant first, 0 = first symbol.
std::string ShapeCaption(int kind, int index);

// Appends at most one kill row "形态". Throws RunError when a range text does not fit.
void FilterShapePatterns(const ShapePatternsState& state, FilterContext& ctx);

}  // namespace torvane
