#pragma once
// The back-test: a run's conditions tried on past draws.
//
// Every draw's number is a candidate of the same filter pipeline as a run (ApplyConditions),
// so a draw is kept exactly when its number is among the results of RunFilters with the same
// conditions and base set.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "history/draw.h"
#include "run/backtest_decision.h"
#include "run/filter_run.h"
#include "run/money.h"

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

// Judges every draw; a number drawn twice is judged twice. The 按上期 rows read, for each
// draw, the draw before it: `previous` for the first one. Throws RunError for a tolerance or
// range text that a run refuses (a range is only read when there is a draw to judge), and
// when 按上期 rows are applied and the first draw has no `previous`.
DrawVerdicts JudgeDraws(const Conditions& conditions, const DigitTable& baseSet,
                        std::span<const history::Draw> draws,
                        const history::Draw* previous = nullptr);

// The names of the conditions that kill a draw, in run order.
std::vector<std::string> KilledNames(const DrawVerdicts& judged, const DrawVerdict& verdict);

struct ConditionRecord {
  std::string name;       // the kill-row name
  int killed = 0;         // winning numbers it killed
  double killRate = 0;    // killed / draws tested
  int currentStreak = 0;  // draws not killed, counting back from the newest
  int longestStreak = 0;  // the longest run of draws not killed
};

// One part of the tested draws, figured on its own: draws [first, first + count).
struct BacktestPart {
  int first = 0, count = 0;
  int kept = 0;
  double hitRate = 0;            // kept / count
  HitRateConfidence confidence;  // against the report's share
  MoneySummary money;
  // Worth (with p and Holm) and the tolerance table on this part's draws alone; the figures
  // over the start set (杀号率, 去掉后注数, 注数) are the report's.
  BacktestDecision decision;
};

// The tested draws split for a check: everything is chosen on `fit`, the older draws, and
// seen on `check`, the newest `size` draws that played no part in choosing.
struct HeldOutDraws {
  int size = 0;
  BacktestPart fit;
  BacktestPart check;
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
  // With 按上期 rows applied: the draw whose number the run behind resultCount read (the
  // newest), and the oldest draw when nothing came before it, which is then not judged.
  std::optional<history::Draw> reference;
  std::optional<history::Draw> leftOut;

  // Money: one entry per tested draw (money[i] belongs to draws[i]), and the summary.
  MoneyRules moneyRules;
  std::vector<DrawMoney> money;
  MoneySummary moneySummary;
  // With draws held out: both parts. Without, decision covers every draw.
  std::optional<HeldOutDraws> heldOut;
};

// The back-test's choices beyond the conditions.
struct BacktestOptions {
  MoneyRules money;
  int holdout = 0;  // the newest draws kept for the check; 0 for none
  // Called now and then while each draw's result count is worked out (with 按上期 rows
  // only), with the draws done and the total; returning false stops the back-test, which
  // then throws BacktestCancelled. Called on the thread that runs the back-test.
  std::function<bool(int done, int total)> progress;
};

// The back-test was stopped through BacktestOptions::progress.
class BacktestCancelled : public std::runtime_error {
 public:
  BacktestCancelled() : std::runtime_error("回测已取消") {}
};

// A holdout that leaves no draw on one side: at least 1 and fewer than the tested draws.
class HoldoutError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// Why `holdout` does not split `tested` draws, in the player's words; empty when it does
// (0 means no holdout and always does).
std::string HoldoutProblem(int holdout, int tested);

// The draws a back-test of these conditions judges out of `draws`: one fewer with 按上期 rows
// and nothing before them, as the oldest only serves as a reference.
int TestedDrawCount(const Conditions& conditions, size_t draws, bool previousGiven);

// One sentence on the 按上期 rows for the summary; empty when none is applied.
std::string RelativeNote(const BacktestReport& report);

// The figures from judged draws and the result count of a run with the same conditions.
BacktestReport SummarizeBacktest(std::vector<history::Draw> draws, DrawVerdicts judged,
                                 int startCount, int resultCount);

// JudgeDraws, one run over the base set (or all 100000 numbers when it is empty) for the
// result count and the decision figures, and the summary. draws oldest first; previous the
// draw before them in the history, if any. With 按上期 rows applied, the run for the result
// count reads the newest draw, and without `previous` the oldest draw only serves as the next
// one's reference. Throws RunError as a run does, HoldoutError for a holdout that does not
// split the tested draws, BacktestCancelled when options.progress says stop.
//
// Money: at every tested draw the whole result is bought: the run's result count with that
// draw's own reference (the draw before it) when 按上期 rows apply, else the one count.
BacktestReport Backtest(const Conditions& conditions, const DigitTable& baseSet,
                        std::span<const history::Draw> draws,
                        const history::Draw* previous = nullptr,
                        const BacktestOptions& options = {});

// Each tested draw's result count, oldest first: what a run with the same conditions and base
// set lists with the draw before it as the reference of the 按上期 rows. Without 按上期 rows
// every entry is the one result count. references[i]: the reference of tested draw i.
// progress as in BacktestOptions (BacktestCancelled).
std::vector<int> ResultCountsPerDraw(const Conditions& conditions, const DigitTable& baseSet,
                                     std::span<const history::Digits> references,
                                     const std::function<bool(int, int)>& progress = {});

}  // namespace torvane
