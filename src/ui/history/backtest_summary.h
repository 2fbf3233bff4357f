#pragma once
// The words of a back-test: the summary sentences, the cells both tables show, and the
// tab-separated report that pastes into a spreadsheet.

#include <QString>
#include <QStringList>

#include "run/backtest.h"

namespace torvane::ui {

// Two sentences of figures and a line that says how to read hit rate ÷ share.
QStringList BacktestSummary(const BacktestReport& report);

// 保留, 淘汰 or 不在大底.
QString OutcomeText(const DrawVerdict& verdict);
// The names of the conditions that kill the draw, joined by "、".
QString KilledText(const BacktestReport& report, const DrawVerdict& verdict);
QString PercentText(double ratio);

// The summary, the per-condition table (run order) and the per-draw table (newest first),
// one row a line, cells separated by tabs.
QString BacktestReportTsv(const BacktestReport& report);

}  // namespace torvane::ui
