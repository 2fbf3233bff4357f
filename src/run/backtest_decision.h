#pragma once
// What a back-test says beyond its verdict: how sure the hit rate is, what each condition is
// worth, and what other tolerances would have done. All of it comes from one run's kill rows
// over the start set and the judged draws' kill masks; no condition is run twice.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

struct DrawVerdicts;
class KillTable;

// k kept of n tested against the run's share s of all numbers.
struct HitRateConfidence {
  double low = 0, high = 0;  // Wilson 95% interval for the hit rate (z = 1.959964)
  double pValue = 1;         // two-sided exact binomial p of k against Binomial(n, s)
};

// No draws gives the interval 0-1 and p = 1. share is clamped to 0-1.
HitRateConfidence ConfidenceOf(int kept, int tested, double share);

// One per applied condition, run order.
struct ConditionWorth {
  std::string name;
  int killedCandidates = 0;     // of the run's start set (base set or all 100000)
  double killShare = 0;         // 杀号率: killedCandidates / start count
  int killedWinners = 0;        // winning numbers of the tested draws it killed
  double winnerKillShare = 0;   // 误杀率: killedWinners / tested
  std::optional<double> ratio;  // 误杀率 / 杀号率; none when killShare is 0 or no draws
  int resultsWithout = 0;       // result count with this condition left out (same tolerance)
  int keptWithout = 0;          // kept draws with it left out
  // Two-sided exact binomial p of killedWinners of the tested draws against killShare: does
  // it kill winning numbers more or less often than numbers in general? pHolm: adjusted by
  // Holm's method across the applied conditions. 1 without draws.
  double pValue = 1;
  double pHolm = 1;
};

// Conditions whose adjusted p is below 0.05: those that differ from random after allowing for
// how many were tried.
int DifferingFromRandom(const std::vector<ConditionWorth>& worth);

// Every 0 <= min <= max <= min(applied conditions, 9).
struct ToleranceRow {
  int min = 0, max = 0;
  int results = 0;
  double share = 0;  // results / 100000
  int kept = 0;
  double hitRate = 0;           // kept / tested; 0 without draws
  std::optional<double> ratio;  // hitRate / share; none when results is 0 or no draws
};

struct BacktestDecision {
  HitRateConfidence confidence;
  std::vector<ConditionWorth> worth;
  std::vector<ToleranceRow> toleranceTable;  // by min, then max
};

// The highest maximum the tolerance table goes to.
inline constexpr int kToleranceTableMax = 9;

// kills: the run over the start set (startCount candidates); judged: the same conditions on
// the draws. kept and resultCount are the back-test's own figures at judged.tolerance.
BacktestDecision DecideBacktest(const KillTable& kills, const DrawVerdicts& judged, int resultCount,
                                int kept);

}  // namespace torvane
