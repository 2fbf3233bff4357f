#include "run/backtest.h"

#include <algorithm>
#include <utility>

#include "core/kill_table.h"

namespace torvane {

// Every applied condition gets one bit of DrawVerdict::killedBy.
static_assert(KillTable::kMaxRows - 1 <= 64);

DrawVerdicts JudgeDraws(const Conditions& conditions, const DigitTable& baseSet,
                        std::span<const history::Draw> draws) {
  DrawVerdicts out;
  out.tolerance = ReadTolerance(conditions.tolerance);

  DigitTable candidates;
  candidates.reserve(static_cast<int>(draws.size()));
  for (const history::Draw& d : draws) candidates.appendRow(d.digits.data());
  const AppliedConditions applied = ApplyConditions(candidates, conditions);
  const KillTable& kills = applied.kills;

  const int n = candidates.count();
  out.draws.resize(n);
  for (int r = 1; r < kills.rowCount(); ++r) {
    out.conditions.push_back(kills.name(r));
    const uint64_t bit = uint64_t{1} << (r - 1);
    const uint8_t* flags = kills.row(r);
    for (int i = 0; i < n; ++i)
      if (flags[i]) out.draws[i].killedBy |= bit;
  }

  std::vector<uint8_t> inBase;
  if (!baseSet.empty()) {
    inBase.assign(kNumberSpace, 0);
    for (int i = 0; i < baseSet.count(); ++i) inBase[baseSet.key(i)] = 1;
  }
  const std::vector<uint8_t> sums = kills.sums();
  for (int i = 0; i < n; ++i) {
    DrawVerdict& v = out.draws[i];
    v.failed = sums[i];
    v.inBase = inBase.empty() || inBase[candidates.key(i)];
    v.kept = v.inBase && sums[i] >= out.tolerance.min && sums[i] <= out.tolerance.max;
  }
  return out;
}

std::vector<std::string> KilledNames(const DrawVerdicts& judged, const DrawVerdict& verdict) {
  std::vector<std::string> names;
  for (size_t c = 0; c < judged.conditions.size(); ++c)
    if (verdict.killedBy >> c & 1) names.push_back(judged.conditions[c]);
  return names;
}

namespace {

// Lengths of the runs of draws for which `inRun` holds: the last one (0 when the newest draw
// breaks it) and the longest.
struct Runs {
  int current = 0;
  int longest = 0;
  void add(bool inRun) {
    current = inRun ? current + 1 : 0;
    longest = std::max(longest, current);
  }
};

double Ratio(int part, int whole) {
  return whole > 0 ? static_cast<double>(part) / whole : 0.0;
}

}  // namespace

BacktestReport SummarizeBacktest(std::vector<history::Draw> draws, DrawVerdicts judged,
                                 int startCount, int resultCount) {
  BacktestReport r;
  r.tested = static_cast<int>(judged.draws.size());
  r.startCount = startCount;
  r.resultCount = resultCount;
  r.share = Ratio(resultCount, kNumberSpace);

  const size_t conditionCount = judged.conditions.size();
  std::vector<Runs> spared(conditionCount);
  std::vector<int> killed(conditionCount, 0);
  Runs kept, missed;
  for (const DrawVerdict& v : judged.draws) {
    r.kept += v.kept ? 1 : 0;
    kept.add(v.kept);
    missed.add(!v.kept);
    for (size_t c = 0; c < conditionCount; ++c) {
      const bool hit = v.killedBy >> c & 1;
      killed[c] += hit ? 1 : 0;
      spared[c].add(!hit);
    }
  }
  r.hitRate = Ratio(r.kept, r.tested);
  if (r.share > 0 && r.tested > 0) r.hitRateOverShare = r.hitRate / r.share;
  r.decision.confidence = ConfidenceOf(r.kept, r.tested, r.share);
  r.currentKeptStreak = kept.current;
  r.longestMissedStreak = missed.longest;
  for (size_t c = 0; c < conditionCount; ++c)
    r.conditions.push_back({judged.conditions[c], killed[c], Ratio(killed[c], r.tested),
                            spared[c].current, spared[c].longest});

  r.draws = std::move(draws);
  r.judged = std::move(judged);
  return r;
}

BacktestReport Backtest(const Conditions& conditions, const DigitTable& baseSet,
                        std::span<const history::Draw> draws) {
  DrawVerdicts judged = JudgeDraws(conditions, baseSet, draws);
  // The run over the start set, kept whole: its kill rows also give the decision figures.
  const DigitTable start = baseSet.empty() ? MakeFullSet() : baseSet;
  const AppliedConditions applied = ApplyConditions(start, conditions);
  int resultCount = 0;
  for (uint8_t s : applied.kills.sums())
    resultCount += s >= judged.tolerance.min && s <= judged.tolerance.max ? 1 : 0;
  BacktestReport report = SummarizeBacktest(std::vector<history::Draw>(draws.begin(), draws.end()),
                                            std::move(judged), start.count(), resultCount);
  report.decision = DecideBacktest(applied.kills, report.judged, resultCount, report.kept);
  return report;
}

}  // namespace torvane
