#pragma once
// The shrink run: start set, the nineteen filters in pipeline order, survivor selection.

#include <optional>
#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "core/kill_table.h"

namespace torvane {

struct ToleranceRange {
  uint8_t min = 0;
  uint8_t max = 0;
};

// Strict conversion of the two tolerance texts; a minimum at or above the maximum is
// lowered to the maximum. Throws RunError for a text that is not a number.
ToleranceRange ReadTolerance(const ToleranceState& state);

struct KillRowStat {
  std::string name;  // as the window shows the condition
  int killed = 0;
};

struct RunResult {
  DigitTable results;  // survivors, ascending as the start set
  ToleranceRange tolerance;
  std::vector<KillRowStat> stats;             // one per applied condition, pipeline order
  std::optional<std::string> cleanedSumText;  // what txtHKD shows after the run
};

struct AppliedConditions {
  KillTable kills;  // one row per applied condition, pipeline order, after the zero row
  std::optional<std::string> cleanedSumText;
};

// The nineteen filters in pipeline order over the given candidates, which may repeat
// numbers and need not be sorted. The run and the back-test both decide through here, so
// they cannot disagree. Throws RunError for a range text that does not fit.
AppliedConditions ApplyConditions(const DigitTable& candidates, const Conditions& conditions);

// Runs on baseSet, or on all 100000 numbers when baseSet is empty. Throws RunError (or
// std::bad_alloc); nothing half-built is returned.
RunResult RunFilters(const DigitTable& baseSet, const Conditions& conditions);

// 转为组选: every number's digits sorted, duplicates dropped, ascending.
DigitTable ConvertToGroup(const DigitTable& results);

}  // namespace torvane
