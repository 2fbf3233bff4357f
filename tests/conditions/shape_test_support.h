#pragma once
// Helpers for the shape-condition tests: run on the full set or a few numbers, read back
// keys and kill-row stats.

#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "run/filter_run.h"

namespace torvane::shape_test {

inline DigitTable Numbers(const std::vector<int>& keys) {
  DigitTable t;
  for (int k : keys) t.appendKey(k);
  return t;
}

inline RunResult RunOnFullSet(const Conditions& c) {
  return RunFilters(DigitTable{}, c);
}

inline std::vector<int> Keys(const DigitTable& t) {
  std::vector<int> keys;
  for (int i = 0; i < t.count(); ++i) keys.push_back(t.key(i));
  return keys;
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

}  // namespace torvane::shape_test
