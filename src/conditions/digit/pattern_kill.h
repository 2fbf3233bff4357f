#pragma once
// 组合定位杀: five-character patterns of digits and stars (a star is any digit).

#include <string>

#include "conditions/filter_context.h"

namespace torvane {

extern const char* const kPatternHint;  // txtCompose(7)

struct PatternKillState {
  std::string text;  // txtCompose(7) as held (CR LF line breaks)
  friend bool operator==(const PatternKillState&, const PatternKillState&) = default;
};

// Appends at most one kill row "组合定位杀". Throws RunError on a bad character.
void FilterPatternKill(const PatternKillState& state, FilterContext& ctx);

std::string NormalizePatternText(const std::string& text);

}  // namespace torvane
