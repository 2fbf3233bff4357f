#pragma once
// A back-test report as text: the readable Chinese report and the per-draw CSV.

#include <string>

#include "run/backtest.h"

namespace torvane {

// The summary, the per-condition table and the draws that were not kept, LF line ends.
// Columns line up in a terminal (a CJK character counts two columns).
std::string BacktestText(const BacktestReport& report);

// "period,date,number,inBase,failed,kept,conditions" and one line per draw, oldest first:
// inBase and kept as 1 or 0, failed the count, conditions the kill-row names joined by '|'.
// RFC 4180 quoting, LF line ends.
std::string BacktestCsv(const BacktestReport& report);

// "12.34%"; two decimals.
std::string PercentText(double ratio);

}  // namespace torvane
