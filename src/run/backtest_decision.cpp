#include "run/backtest_decision.h"

#include <algorithm>
#include <cmath>

#include "core/digit_table.h"
#include "core/kill_table.h"
#include "run/backtest.h"
#include "run/binomial.h"

namespace torvane {
namespace {

constexpr double kZ95 = 1.959964;

double Ratio(int part, int whole) {
  return whole > 0 ? static_cast<double>(part) / whole : 0.0;
}

}  // namespace

HitRateConfidence ConfidenceOf(int kept, int tested, double share) {
  HitRateConfidence c;
  if (tested <= 0) {
    c.high = 1;
    return c;
  }
  kept = std::clamp(kept, 0, tested);
  share = std::clamp(share, 0.0, 1.0);
  const double n = tested, p = kept / n, z2 = kZ95 * kZ95;
  const double denominator = 1 + z2 / n;
  const double centre = (p + z2 / (2 * n)) / denominator;
  const double half = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / denominator;
  c.low = kept == 0 ? 0 : std::max(0.0, centre - half);
  c.high = kept == tested ? 1 : std::min(1.0, centre + half);
  c.pValue = TwoSidedBinomialP(kept, tested, share);
  return c;
}

int DifferingFromRandom(const std::vector<ConditionWorth>& worth) {
  int n = 0;
  for (const ConditionWorth& w : worth) n += w.pHolm < 0.05 ? 1 : 0;
  return n;
}

BacktestDecision DecideBacktest(const KillTable& kills, const DrawVerdicts& judged, int resultCount,
                                int kept) {
  BacktestDecision out;
  const int conditionCount = kills.rowCount() - 1;
  const int candidates = kills.candidates();
  const int tested = static_cast<int>(judged.draws.size());
  const int tmin = judged.tolerance.min, tmax = judged.tolerance.max;
  const auto inRange = [&](int s) { return s >= tmin && s <= tmax ? 1 : 0; };
  out.confidence = ConfidenceOf(kept, tested, Ratio(resultCount, kNumberSpace));

  // A candidate killed by a condition with kill sum S counts S - 1 without it: per sum, how
  // the result count moves (+1 enters the tolerance, -1 leaves it), then one pass per row.
  const std::vector<uint8_t> sums = kills.sums();
  std::vector<int8_t> moveBySum(conditionCount + 1, 0);
  for (int s = 1; s <= conditionCount; ++s)
    moveBySum[s] = static_cast<int8_t>(inRange(s - 1) - inRange(s));
  std::vector<int8_t> move(candidates);
  std::vector<int> resultsBySum(conditionCount + 1, 0);
  for (int i = 0; i < candidates; ++i) {
    move[i] = moveBySum[sums[i]];
    ++resultsBySum[sums[i]];
  }

  std::vector<int> keptBySum(KillTable::kMaxRows + 1, 0);
  for (const DrawVerdict& v : judged.draws)
    if (v.inBase) ++keptBySum[v.failed];

  for (int c = 0; c < conditionCount; ++c) {
    const uint8_t* __restrict flags = kills.row(c + 1);
    const int8_t* __restrict moves = move.data();
    int killed = 0, moved = 0;
    for (int i = 0; i < candidates; ++i) {
      killed += flags[i];
      moved += flags[i] * moves[i];
    }
    ConditionWorth w;
    w.name = kills.name(c + 1);
    w.killedCandidates = killed;
    w.killShare = Ratio(killed, candidates);
    w.resultsWithout = resultCount + moved;
    const uint64_t bit = uint64_t{1} << c;
    for (const DrawVerdict& v : judged.draws) {
      const int hit = v.killedBy & bit ? 1 : 0;
      w.killedWinners += hit;
      w.keptWithout += v.inBase ? inRange(v.failed - hit) : 0;
    }
    w.winnerKillShare = Ratio(w.killedWinners, tested);
    if (w.killShare > 0 && tested > 0) w.ratio = w.winnerKillShare / w.killShare;
    if (tested > 0) w.pValue = TwoSidedBinomialP(w.killedWinners, tested, w.killShare);
    out.worth.push_back(std::move(w));
  }
  std::vector<double> p;
  for (const ConditionWorth& w : out.worth) p.push_back(w.pValue);
  const std::vector<double> adjusted = HolmAdjust(p);
  for (size_t c = 0; c < adjusted.size(); ++c) out.worth[c].pHolm = adjusted[c];

  const int top = std::min(conditionCount, kToleranceTableMax);
  for (int lo = 0; lo <= top; ++lo) {
    ToleranceRow row;
    row.min = lo;
    for (int hi = lo; hi <= top; ++hi) {
      row.max = hi;
      row.results += resultsBySum[hi];
      row.kept += keptBySum[hi];
      row.share = Ratio(row.results, kNumberSpace);
      row.hitRate = Ratio(row.kept, tested);
      row.ratio.reset();
      if (row.results > 0 && tested > 0) row.ratio = row.hitRate / row.share;
      out.toleranceTable.push_back(row);
    }
  }
  return out;
}

}  // namespace torvane
