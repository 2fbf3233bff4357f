#pragma once
// The back-test: a run's conditions tried on past draws.
//
// Every draw's number is a candidate of the same filter pipeline as a run (ApplyConditions),
// so a draw is kept exactly when its number is among the results of RunFilters with the same
// conditions and base set.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "history/draw.h"
#include "run/backtest_decision.h"
#include "run/filter_run.h"

namespace torvane {

// How one draw fared.
struct DrawVerdict {
  bool inBase = true;     // always true without a base set
  int failed = 0;         // applied conditions that kill its number
  uint64_t killedBy = 0;  // bit i set: condition i (DrawVerdicts::conditions) kills it
  bool kept = false;      // in the base set and `failed` inside the tolerance

  friend bool operator==(const DrawVerdict&, const DrawVerdict&) = default;
};

// The per-draw part of a back-test.
struct DrawVerdicts {
  ToleranceRange tolerance;
  std::vector<std::string> conditions;  // kill-row names (as --stats prints them), run order
  std::vector<DrawVerdict> draws;       // one per draw, in the order given
};

// Judges every draw; a number drawn twice is judged twice. Throws RunError for a tolerance or
// range text that a run refuses (a range is only read when there is a draw to judge).
DrawVerdicts JudgeDraws(const Conditions& conditions, const DigitTable& baseSet,
                        std::span<const history::Draw> draws);

// The names of the conditions that kill a draw, in run order.
std::vector<std::string> KilledNames(const DrawVerdicts& judged, const DrawVerdict& verdict);

struct ConditionRecord {
  std::string name;       // the kill-row name
  int killed = 0;         // winning numbers it killed
  double killRate = 0;    // killed / draws tested
  int currentStreak = 0;  // draws not killed, counting back from the newest
  int longestStreak = 0;  // the longest run of draws not killed
};

struct BacktestReport {
  std::vector<history::Draw> draws;  // oldest first
  DrawVerdicts judged;               // judged.draws[i] belongs to draws[i]

  int tested = 0;
  int kept = 0;
  double hitRate = 0;  // kept / tested; 0 without draws

  int startCount = 0;   // numbers the run starts from: the base set, or all 100000
  int resultCount = 0;  // what "开始缩水" shows for the same conditions and base set
  double share = 0;     // resultCount / 100000
  // hitRate / share: 1 is no better than that many numbers picked at random. None when the
  // run keeps nothing (then no draw can be kept either: 0 / 0) or there are no draws.
  std::optional<double> hitRateOverShare;

  std::vector<ConditionRecord> conditions;  // every applied condition, run order
  int currentKeptStreak = 0;                // kept draws, counting back from the newest
  int longestMissedStreak = 0;              // the longest run of draws not kept

  // SummarizeBacktest fills the confidence; Backtest() the worth and the tolerance table too.
  BacktestDecision decision;
};

// The figures from judged draws and the result count of a run with the same conditions.
BacktestReport SummarizeBacktest(std::vector<history::Draw> draws, DrawVerdicts judged,
                                 int startCount, int resultCount);

// JudgeDraws, one run over the base set (or all 100000 numbers when it is empty) for the
// result count and the decision figures, and the summary. draws oldest first. Throws RunError as a
// run does.
BacktestReport Backtest(const Conditions& conditions, const DigitTable& baseSet,
                        std::span<const history::Draw> draws);

}  // namespace torvane
