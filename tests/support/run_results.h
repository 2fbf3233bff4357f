#pragma once
// Runs and what to read back from them: survivors, kill-row names and counts.

#include <algorithm>
#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "run/filter_run.h"
#include "support/digit_tables.h"

namespace torvane::support {

inline RunResult RunOnFullSet(const Conditions& c) {
  return RunFilters(DigitTable{}, c);
}

// True when key survived the run; the survivors are ascending.
inline bool Kept(const RunResult& r, int key) {
  const std::vector<int> keys = KeysOf(r.results);
  return std::binary_search(keys.begin(), keys.end(), key);
}

inline std::vector<std::string> RowNames(const RunResult& r) {
  std::vector<std::string> names;
  for (const KillRowStat& s : r.stats) names.push_back(s.name);
  return names;
}

// Names of the kill rows that killed the single candidate of a one-number run.
inline std::vector<std::string> RowsKilling(const RunResult& r) {
  std::vector<std::string> names;
  for (const KillRowStat& s : r.stats)
    if (s.killed > 0) names.push_back(s.name);
  return names;
}

// Every survivor satisfies pred.
template <class Pred>
bool AllRows(const DigitTable& t, Pred pred) {
  for (int i = 0; i < t.count(); ++i)
    if (!pred(t.row(i))) return false;
  return true;
}

}  // namespace torvane::support
