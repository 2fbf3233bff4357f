#pragma once
// 杀垃圾复式: compounds "万*千*百*十*个" whose every position matches are killed.

#include <string>

#include "conditions/filter_context.h"

namespace torvane {

extern const char* const kCompoundHint;  // txtCompose(0)

struct CompoundKillState {
  std::string text;  // txtCompose(0) as held (CR LF line breaks)
  friend bool operator==(const CompoundKillState&, const CompoundKillState&) = default;
};

// Appends at most one kill row "杀垃圾复式". Throws RunError on a character that is not a
// digit or a star.
void FilterCompoundKill(const CompoundKillState& state, FilterContext& ctx);

std::string NormalizeCompoundText(const std::string& text);

}  // namespace torvane
