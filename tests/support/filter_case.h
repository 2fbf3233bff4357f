#pragma once
// One condition checked through the whole run, as the window runs it: a table row that sets
// the condition and says what it kills.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "run/filter_run.h"
#include "support/digit_tables.h"
#include "support/run_results.h"

namespace torvane::support {

// The condition set up by `set`, run at tolerance 0-0 over `base` (all numbers when
// empty): exactly one kill row killing `killed` numbers, or no kill row when killed < 0.
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
  const RunResult r = RunFilters(TableOf(sorted), cond);
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

}  // namespace torvane::support
