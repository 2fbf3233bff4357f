#pragma once
// 杀两码/三码/四码组合 and 必出两码/三码/四码组合: digit combinations in any position.

#include <array>
#include <string>

#include "conditions/filter_context.h"

namespace torvane {

// Hints of the four-digit boxes (txtCompose(3) and txtCompose(6)).
extern const char* const kKillFourHint;
extern const char* const kMustFourHint;

struct CombinationState {
  // Box texts as held, CR LF line breaks: kill2, kill3, kill4, must2, must3, must4
  // (txtCompose(1) .. txtCompose(6)).
  std::array<std::string, 6> texts;
  friend bool operator==(const CombinationState&, const CombinationState&) = default;
};

// Index into CombinationState::texts for size k (2..4) and mode.
inline int CombinationBox(int k, bool killMode) { return (killMode ? 0 : 3) + (k - 2); }

// Appends at most one kill row, named "杀两码组合" … "必出四码组合". Throws RunError on a
// character that is not a digit.
void FilterCombination(const CombinationState& state, int k, bool killMode, FilterContext& ctx);

// Leave-normalization of combination box i (1..6 as txtCompose index).
std::string NormalizeCombinationText(int composeIndex, const std::string& text);

}  // namespace torvane
