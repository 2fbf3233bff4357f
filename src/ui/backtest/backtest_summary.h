#pragma once
// The words of a back-test: the summary sentences, the cells both tables show, and the
// tab-separated report that pastes into a spreadsheet.

#include <QString>
#include <QStringList>

#include "run/backtest.h"

namespace torvane::ui {

struct SummaryText {
  QStringList figures;  // what was tested and kept, the result count and share, the streaks,
                        // the money and how many conditions differ from random
  QStringList notes;    // how to read them
};
SummaryText BacktestSummary(const BacktestReport& report);

// With draws held out: the choosing and the check part side by side, one row a figure, cells
// separated by tabs (a label, then the two parts); empty without.
QStringList HeldOutRows(const BacktestReport& report);

// The worth the condition table and 容错表 show: the choosing part's when draws are held out.
const std::vector<ConditionWorth>& ShownWorth(const BacktestReport& report);
const std::vector<ToleranceRow>& ShownTolerance(const BacktestReport& report);

// 保留, 淘汰 or 不在大底.
QString OutcomeText(const DrawVerdict& verdict);
// The names of the conditions that kill the draw, joined by "、".
QString KilledText(const BacktestReport& report, const DrawVerdict& verdict);
QString PercentText(double ratio);

// The per-condition table: its columns, their headers and tooltips, and one cell as shown.
enum ConditionColumn {
  kCondName,
  kCondKilled,
  kCondRate,  // 误杀率
  kCondCurrentStreak,
  kCondLongestStreak,
  kCondKillShare,  // 杀号率
  kCondRatio,
  kCondPValue,
  kCondPHolm,
  kCondResultsWithout,
  kCondKeptWithout,
  kCondCheckKilled,  // the check part's, with draws held out
  kCondCheckRate,
  kConditionColumns
};
QString ConditionHeader(int column);
QString ConditionHeaderTip(int column);
// Empty for a worth column when the report has no worth figures, and for the check columns
// without draws held out. With draws held out, 杀中期数 and 误杀率 are the choosing part's.
QString ConditionCell(const BacktestReport& report, int condition, int column);

// The summary, the per-condition table (run order) and the per-draw table (newest first),
// one row a line, cells separated by tabs.
QString BacktestReportTsv(const BacktestReport& report);

}  // namespace torvane::ui
