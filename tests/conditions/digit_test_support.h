#pragma once
// Helpers for the digit-filter tests: runs through the whole pipeline, as the window does.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "run/filter_run.h"

namespace torvane::digit_test {

inline DigitTable Keys(std::initializer_list<int> keys) {
  std::vector<int> sorted(keys);
  std::sort(sorted.begin(), sorted.end());
  DigitTable t;
  for (int k : sorted) t.appendKey(k);
  return t;
}

inline std::vector<int> ResultKeys(const RunResult& r) {
  std::vector<int> keys;
  for (int i = 0; i < r.results.count(); ++i) keys.push_back(r.results.key(i));
  return keys;
}

inline bool Kept(const RunResult& r, int key) {
  const std::vector<int> keys = ResultKeys(r);
  return std::binary_search(keys.begin(), keys.end(), key);
}

// One digit condition set up by `set`, run at tolerance 0-0 over `base` (all numbers
// when empty): exactly one kill row killing `killed` numbers, or no kill row when
// killed < 0.
struct FilterCase {
  const char* name;
  std::function<void(Conditions&)> set;
  std::vector<int> base;
  int killed;
  std::vector<int> killedKeys;
  std::vector<int> keptKeys;
};

inline void PrintTo(const FilterCase& c, std::ostream* os) {
  *os << c.name;
}

inline void CheckFilterCase(const FilterCase& c) {
  Conditions cond;
  c.set(cond);
  std::vector<int> sorted = c.base;
  std::sort(sorted.begin(), sorted.end());
  DigitTable base;
  for (int k : sorted) base.appendKey(k);
  const RunResult r = RunFilters(base, cond);
  const int total = c.base.empty() ? kNumberSpace : static_cast<int>(c.base.size());
  if (c.killed < 0) {
    EXPECT_TRUE(r.stats.empty()) << "unexpected kill row " << r.stats.front().name;
    EXPECT_EQ(r.results.count(), total);
    return;
  }
  ASSERT_EQ(r.stats.size(), 1u);
  EXPECT_EQ(r.stats[0].killed, c.killed);
  EXPECT_EQ(r.results.count(), total - c.killed);
  for (int k : c.killedKeys) EXPECT_FALSE(Kept(r, k)) << k << " should be killed";
  for (int k : c.keptKeys) EXPECT_TRUE(Kept(r, k)) << k << " should be kept";
}

}  // namespace torvane::digit_test
