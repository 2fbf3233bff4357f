#pragma once
// A back-test report as text: the readable Chinese report and the per-draw CSV.

#include <span>
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

// One plain sentence on whether the hit rate differs from picking as many numbers at random,
// with its p-value: "与随机选同样多的号码相比，没有显著差别（p = 0.41）".
std::string SignificanceText(const BacktestReport& report);

// The caution that conditions chosen by looking at these same draws flatter themselves here.
std::string TuningWarningText();

// The tolerance table: aligned text, or CSV "min,max,results,share,kept,hitRate,ratio"
// (share and hitRate fractions with 6 decimals, ratio 4 decimals or empty), LF line ends.
std::string ToleranceTableText(const BacktestReport& report);
std::string ToleranceTableCsv(const BacktestReport& report);

// One scheme of a comparison on the same draws: the name it goes by and its back-test.
struct SchemeBacktest {
  std::string name;
  BacktestReport report;
};

// One row per scheme, in the order given. CSV "scheme,results,share,kept,tested,hitRate,ratio,
// pValue": share, hitRate and pValue fractions with 6 decimals, ratio 4 decimals or empty.
std::string CompareText(std::span<const SchemeBacktest> schemes);
std::string CompareCsv(std::span<const SchemeBacktest> schemes);

// "12.34%"; two decimals.
std::string PercentText(double ratio);

}  // namespace torvane
