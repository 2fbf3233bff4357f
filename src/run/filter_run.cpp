#include "run/filter_run.h"

#include "core/box_value.h"
#include "core/kill_table.h"

namespace torvane {

ToleranceRange ReadTolerance(const ToleranceState& state) {
  ToleranceRange r;
  r.min = ToleranceValue(state.min, "容错级别的最小值");
  r.max = ToleranceValue(state.max, "容错级别的最大值");
  if (r.min >= r.max) r.min = r.max;
  return r;
}

RunResult RunFilters(const DigitTable& baseSet, const Conditions& c) {
  RunResult out;
  out.tolerance = ReadTolerance(c.tolerance);
  const DigitTable candidates = baseSet.empty() ? MakeFullSet() : baseSet;
  KillTable kills(candidates.count());
  FilterContext ctx{candidates, kills};

  if (candidates.count() > 0) {
    FilterDirectKill(c.directKill, ctx);
    FilterPositionalKill(c.positional, ctx);
    out.cleanedSumText = FilterSumSpan(c.sumSpan, ctx);
    FilterBankerRows(c.banker, ctx);
    FilterShapePatterns(c.shapes, ctx);
    FilterRoutePatterns(c.routes, ctx);
    FilterSpecialExclusion(c.special, ctx);
    FilterBigSmallRatio(c.ratios, ctx);
    FilterOddEvenRatio(c.ratios, ctx);
    FilterPrimeCompositeRatio(c.ratios, ctx);
    FilterMinMaxDigit(c.minMax, ctx);
    FilterCompoundKill(c.compound, ctx);
    for (bool killMode : {true, false})
      for (int k = 2; k <= 4; ++k) FilterCombination(c.combinations, k, killMode, ctx);
    FilterPatternKill(c.patterns, ctx);
  }

  const std::vector<uint8_t> sums = kills.sums();
  out.results.reserve(candidates.count());
  for (int i = 0; i < candidates.count(); ++i)
    if (sums[i] >= out.tolerance.min && sums[i] <= out.tolerance.max)
      out.results.appendRow(candidates.row(i));

  for (int r = 1; r < kills.rowCount(); ++r)
    out.stats.push_back({kills.name(r), kills.killedBy(r)});
  return out;
}

DigitTable ConvertToGroup(const DigitTable& results) {
  std::vector<uint8_t> present(kNumberSpace, 0);
  for (int i = 0; i < results.count(); ++i) {
    const uint8_t* r = results.row(i);
    uint8_t counts[10] = {};
    for (int p = 0; p < kDigits; ++p) ++counts[r[p]];
    int key = 0;
    for (int d = 0; d < 10; ++d)
      for (int n = 0; n < counts[d]; ++n) key = key * 10 + d;
    present[key] = 1;
  }
  return TableFromPresence(present);
}

}  // namespace torvane
