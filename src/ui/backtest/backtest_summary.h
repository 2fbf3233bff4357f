#pragma once
// The words of a back-test: the summary sentences, the cells both tables show, and the
// tab-separated report that pastes into a spreadsheet.

#include <QString>
#include <QStringList>

#include "run/backtest.h"

namespace torvane::ui {

struct SummaryText {
  QStringList figures;  // what was tested and kept, the result count and share, the streaks
  QStringList notes;    // how to read them
};
SummaryText BacktestSummary(const BacktestReport& report);

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
  kCondResultsWithout,
  kCondKeptWithout,
  kConditionColumns
};
QString ConditionHeader(int column);
QString ConditionHeaderTip(int column);
// Empty for a worth column when the report has no worth figures.
QString ConditionCell(const BacktestReport& report, int condition, int column);

// The summary, the per-condition table (run order) and the per-draw table (newest first),
// one row a line, cells separated by tabs.
QString BacktestReportTsv(const BacktestReport& report);

}  // namespace torvane::ui
