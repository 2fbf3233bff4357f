#pragma once
// 杀直选: listed five-digit numbers are killed outright.

#include <string>

#include "conditions/filter_context.h"

namespace torvane {

// Grey hint of txtDan5; a box text equal to it counts as empty.
extern const char* const kDirectKillHint;

struct DirectKillState {
  std::string text;  // txtDan5 as the box holds it (CR LF line breaks)
  friend bool operator==(const DirectKillState&, const DirectKillState&) = default;
};

// Appends at most one kill row "杀直选". Throws RunError on a token it cannot read.
void FilterDirectKill(const DirectKillState& state, FilterContext& ctx);

}  // namespace torvane
