#pragma once
// The shrink run: start set, every condition filter in pipeline order, survivor selection.

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
  std::vector<KillRowStat> stats;  // one per applied condition, pipeline order
  // [j]: candidates killed by exactly j applied conditions, j = 0 … stats.size(); the
  // numbers a tolerance of 0-j keeps are the sum of [0] … [j].
  std::vector<int> killSumCounts;
  std::optional<std::string> cleanedSumText;  // what txtHKD shows after the run
};

struct AppliedConditions {
  KillTable kills;  // one row per applied condition, pipeline order, after the zero row
  std::optional<std::string> cleanedSumText;
};

// The filters in pipeline order over the given candidates, which may repeat numbers and
// need not be sorted. The run and the back-test both decide through here, so they cannot
// disagree. reference: the draw the 按上期 rows read, one row for all candidates or one per
// candidate. Throws RunError for a range text that does not fit, or for applied 按上期 rows
// without a reference.
AppliedConditions ApplyConditions(const DigitTable& candidates, const Conditions& conditions,
                                  const DigitTable& reference = {});

// Runs on baseSet, or on all 100000 numbers when baseSet is empty; reference holds the one
// draw the 按上期 rows read. Throws RunError (or std::bad_alloc); nothing half-built is
// returned.
RunResult RunFilters(const DigitTable& baseSet, const Conditions& conditions,
                     const DigitTable& reference = {});

// 转为组选: every number's digits sorted, duplicates dropped, ascending.
DigitTable ConvertToGroup(const DigitTable& results);

}  // namespace torvane
