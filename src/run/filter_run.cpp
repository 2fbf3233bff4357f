#include "run/filter_run.h"

#include <utility>

#include "core/box_value.h"

namespace torvane {

ToleranceRange ReadTolerance(const ToleranceState& state) {
  ToleranceRange r;
  r.min = ToleranceValue(state.min, "容错级别的最小值");
  r.max = ToleranceValue(state.max, "容错级别的最大值");
  if (r.min >= r.max) r.min = r.max;
  return r;
}

AppliedConditions ApplyConditions(const DigitTable& candidates, const Conditions& c,
                                  const DigitTable& reference) {
  AppliedConditions out{KillTable(candidates.count()), std::nullopt};
  FilterContext ctx{candidates, out.kills};

  if (candidates.count() > 0) {
    FilterDirectKill(c.directKill, ctx);
    FilterPositionalKill(c.positional, ctx);
    FilterSumTails(c.sumSpan, ctx);
    out.cleanedSumText = FilterSums(c.sumSpan, ctx);
    FilterSpans(c.sumSpan, ctx);
    FilterDigitsAnywhere(c.sumSpan, ctx);
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
    FilterRelative(c.relative, reference, ctx);
  }
  return out;
}

RunResult RunFilters(const DigitTable& baseSet, const Conditions& c, const DigitTable& reference) {
  RunResult out;
  out.tolerance = ReadTolerance(c.tolerance);
  const DigitTable candidates = baseSet.empty() ? MakeFullSet() : baseSet;
  AppliedConditions applied = ApplyConditions(candidates, c, reference);
  const KillTable& kills = applied.kills;
  out.cleanedSumText = std::move(applied.cleanedSumText);

  const std::vector<uint8_t> sums = kills.sums();
  out.results.reserve(candidates.count());
  for (int i = 0; i < candidates.count(); ++i)
    if (sums[i] >= out.tolerance.min && sums[i] <= out.tolerance.max)
      out.results.appendRow(candidates.row(i));

  for (int r = 1; r < kills.rowCount(); ++r)
    out.stats.push_back({kills.name(r), kills.killedBy(r)});
  // Every kill row flags a candidate at most once, so no sum exceeds the applied count.
  out.killSumCounts.assign(out.stats.size() + 1, 0);
  for (uint8_t s : sums) ++out.killSumCounts[s];
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
