#include "run/backtest.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/errors.h"
#include "core/kill_table.h"
#include "run/reference_counts.h"

namespace torvane {

// Every applied condition gets one bit of DrawVerdict::killedBy.
static_assert(KillTable::kMaxRows - 1 <= 64);

DrawVerdicts JudgeDraws(const Conditions& conditions, const DigitTable& baseSet,
                        std::span<const history::Draw> draws, const history::Draw* previous) {
  DrawVerdicts out;
  out.tolerance = ReadTolerance(conditions.tolerance);

  DigitTable candidates;
  candidates.reserve(static_cast<int>(draws.size()));
  for (const history::Draw& d : draws) candidates.appendRow(d.digits.data());
  // Each draw's reference is the draw before it.
  DigitTable references;
  if (RelativeApplied(conditions.relative) && !draws.empty()) {
    if (!previous) throw RunError("按上期条件：第一期之前没有开奖号码可作参照");
    references.reserve(candidates.count());
    references.appendRow(previous->digits.data());
    for (size_t i = 1; i < draws.size(); ++i) references.appendRow(draws[i - 1].digits.data());
  }
  const AppliedConditions applied = ApplyConditions(candidates, conditions, references);
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

namespace {

// How often the per-draw counting reports its progress.
constexpr int kProgressStep = 256;

// Each reference's result count from the kill rows of one run over start (the 按上期 rows
// last, reading any reference: only the other rows' sums are used from it).
std::vector<int> CountsPerReference(const KillTable& kills, const DigitTable& start,
                                    ToleranceRange tolerance, const RelativeRules& rules,
                                    std::span<const history::Digits> references,
                                    const std::function<bool(int, int)>& progress) {
  const ReferenceResultCounter counter(kills, start, tolerance, rules);
  const int n = static_cast<int>(references.size());
  std::vector<int> counts(n);
  for (int i = 0; i < n; ++i) {
    if (progress && i % kProgressStep == 0 && !progress(i, n)) throw BacktestCancelled();
    counts[i] = counter.count(references[i].data());
  }
  if (progress && !progress(n, n)) throw BacktestCancelled();
  return counts;
}

BacktestPart PartOf(const BacktestReport& r, const KillTable& kills, int first, int count) {
  BacktestPart part;
  part.first = first;
  part.count = count;
  DrawVerdicts judged;
  judged.tolerance = r.judged.tolerance;
  judged.conditions = r.judged.conditions;
  judged.draws.assign(r.judged.draws.begin() + first, r.judged.draws.begin() + first + count);
  for (const DrawVerdict& v : judged.draws) part.kept += v.kept ? 1 : 0;
  part.hitRate = count > 0 ? static_cast<double>(part.kept) / count : 0;
  part.decision = DecideBacktest(kills, judged, r.resultCount, part.kept);
  part.confidence = ConfidenceOf(part.kept, count, r.share);
  part.money = SummarizeMoney(std::span(r.money).subspan(first, count), r.moneyRules);
  return part;
}

}  // namespace

std::string HoldoutProblem(int holdout, int tested) {
  if (holdout == 0 || (holdout >= 1 && holdout < tested)) return {};
  return "留出检验的期数 " + std::to_string(holdout) + " 不合适：应至少 1 期，且少于回测的 " +
         std::to_string(tested) + " 期";
}

int TestedDrawCount(const Conditions& conditions, size_t draws, bool previousGiven) {
  const bool dropsOldest = RelativeApplied(conditions.relative) && !previousGiven && draws > 0;
  return static_cast<int>(draws) - (dropsOldest ? 1 : 0);
}

std::vector<int> ResultCountsPerDraw(const Conditions& conditions, const DigitTable& baseSet,
                                     std::span<const history::Digits> references,
                                     const std::function<bool(int, int)>& progress) {
  const DigitTable start = baseSet.empty() ? MakeFullSet() : baseSet;
  const ToleranceRange tolerance = ReadTolerance(conditions.tolerance);
  if (!RelativeApplied(conditions.relative)) {
    int count = 0;
    for (uint8_t s : ApplyConditions(start, conditions).kills.sums())
      count += s >= tolerance.min && s <= tolerance.max ? 1 : 0;
    return std::vector<int>(references.size(), count);
  }
  if (references.empty()) return {};
  DigitTable any;
  any.appendRow(references.front().data());
  const AppliedConditions applied = ApplyConditions(start, conditions, any);
  return CountsPerReference(applied.kills, start, tolerance, ReadRelativeRules(conditions.relative),
                            references, progress);
}

BacktestReport Backtest(const Conditions& conditions, const DigitTable& baseSet,
                        std::span<const history::Draw> draws, const history::Draw* previous,
                        const BacktestOptions& options) {
  const bool relative = RelativeApplied(conditions.relative);
  if (const std::string problem =
          HoldoutProblem(options.holdout, TestedDrawCount(conditions, draws.size(), previous));
      !problem.empty())
    throw HoldoutError(problem);
  std::optional<history::Draw> leftOut;
  if (relative && !previous && !draws.empty()) {
    leftOut = draws.front();
    previous = &draws.front();
    draws = draws.subspan(1);
  }
  DrawVerdicts judged = JudgeDraws(conditions, baseSet, draws, previous);

  // One run stands for the share: the one 开始缩水 gives today, with the newest draw. Kept
  // whole: its kill rows also give the decision figures and each draw's own result count.
  DigitTable reference;
  std::optional<history::Draw> newest;
  if (relative && (!draws.empty() || previous)) {
    newest = draws.empty() ? *previous : draws.back();
    reference.appendRow(newest->digits.data());
  }
  const DigitTable start = baseSet.empty() ? MakeFullSet() : baseSet;
  const AppliedConditions applied = ApplyConditions(start, conditions, reference);
  int resultCount = 0;
  for (uint8_t s : applied.kills.sums())
    resultCount += s >= judged.tolerance.min && s <= judged.tolerance.max ? 1 : 0;

  const int n = static_cast<int>(draws.size());
  std::vector<int> results(n, resultCount);
  if (relative && n > 0) {
    std::vector<history::Digits> references(n);
    references[0] = previous->digits;
    for (int i = 1; i < n; ++i) references[i] = draws[i - 1].digits;
    results =
        CountsPerReference(applied.kills, start, judged.tolerance,
                           ReadRelativeRules(conditions.relative), references, options.progress);
  }
  std::vector<std::int64_t> prizes(n);
  std::unique_ptr<bool[]> kept(new bool[n]);
  for (int i = 0; i < n; ++i) {
    prizes[i] = PrizeOf(options.money, draws[i].prize);
    kept[i] = judged.draws[i].kept;
  }

  BacktestReport r = SummarizeBacktest(std::vector<history::Draw>(draws.begin(), draws.end()),
                                       std::move(judged), start.count(), resultCount);
  r.moneyRules = options.money;
  r.money = MoneyOfDraws(results, std::span<const bool>(kept.get(), n), prizes, options.money.price,
                         options.money.multiple);
  r.moneySummary = SummarizeMoney(r.money, r.moneyRules);
  r.decision = DecideBacktest(applied.kills, r.judged, resultCount, r.kept);
  if (options.holdout > 0) {
    HeldOutDraws h;
    h.size = options.holdout;
    h.fit = PartOf(r, applied.kills, 0, n - options.holdout);
    h.check = PartOf(r, applied.kills, n - options.holdout, options.holdout);
    r.heldOut = std::move(h);
  }
  r.reference = std::move(newest);
  r.leftOut = std::move(leftOut);
  return r;
}

std::string RelativeNote(const BacktestReport& r) {
  if (!r.reference) return {};
  std::string s = "按上期条件：每期以前一期为参照";
  if (r.leftOut) s += "；第 " + r.leftOut->period + " 期之前没有开奖，只作参照，不参加回测";
  s += "；缩水结果和占比按最新一期第 " + r.reference->period + " 期（" + r.reference->NumberText() +
       "）为参照";
  return s;
}

}  // namespace torvane
