#pragma once
// A back-test report as text: the readable Chinese report and the per-draw CSV.

#include <span>
#include <string>
#include <vector>

#include "core/figure_text.h"
#include "run/backtest.h"

namespace torvane {

// The summary (with money and, when draws are held out, both parts side by side), the
// per-condition table and the draws that were not kept, LF line ends. Columns line up in a
// terminal (a CJK character counts two columns).
std::string BacktestText(const BacktestReport& report);

// "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance" and one line per
// draw, oldest first: inBase and kept as 1 or 0, failed the count, conditions the kill-row
// names joined by '|', then the numbers bought, their cost, the winnings and the running
// balance in whole yuan; with draws held out a last column part, "fit" or "test".
// RFC 4180 quoting, LF line ends.
std::string BacktestCsv(const BacktestReport& report);

// One plain sentence on whether the hit rate differs from picking as many numbers at random,
// with its p-value: "与随机选同样多的号码相比，没有显著差别（p = 0.41）".
std::string SignificanceText(const BacktestReport& report);

// The caution that conditions chosen by looking at these same draws flatter themselves here.
std::string TuningWarningText();

// The tolerance table: aligned text, or CSV "min,max,results,share,kept,hitRate,ratio"
// (share and hitRate fractions with 6 decimals, ratio 4 decimals or empty), LF line ends. With
// draws held out the rows are figured on the older part, and two more columns give the check
// part: "checkKept,checkHitRate".
std::string ToleranceTableText(const BacktestReport& report);
std::string ToleranceTableCsv(const BacktestReport& report);

// "投入 6000 元，中奖 1 次共 100000 元，净输赢 94000 元，返还率 1666.67%".
std::string MoneyText(const MoneySummary& money);
// "随机选同样多的号码，长期每投入 100 元返还 50 元".
std::string FairReturnText(const MoneySummary& money);
// "随机选同样多的号码，净输赢 95% 落在 -6000 至 94000 元之间（平均 -3000 元）".
std::string RandomBandText(const MoneySummary& money);
// "p 值按 Holm 方法校正（同时看了 5 个条件）后，与随机显著不同的条件：0 个".
std::string HolmText(const std::vector<ConditionWorth>& worth);
// "0.41", "0.003", "< 0.001"; "无" when nothing could be compared.
std::string PValueText(double p);

// One scheme of a comparison on the same draws: the name it goes by and its back-test.
struct SchemeBacktest {
  std::string name;
  BacktestReport report;
};

// Whether a back-test can be held against random play: draws tested and a result to buy.
// Otherwise its p-values read "无".
bool ComparableWithRandom(const BacktestReport& report);

// Holm's adjustment of the schemes' p-values, in the order given. A scheme that cannot be
// compared with random (no draws or no result) counts with p = 1.
std::vector<double> SchemePHolm(std::span<const SchemeBacktest> schemes);

// One row per scheme, in the order given, and a sentence when the best-looking scheme does not
// stay below 0.05 after the adjustment. CSV "scheme,results,share,kept,tested,hitRate,ratio,
// pValue,cost,won,return,pHolm": share, hitRate, pValue, return (won ÷ cost, empty when
// nothing was bought) and pHolm fractions with 6 decimals, ratio 4 decimals or empty, cost and
// won whole yuan.
std::string CompareText(std::span<const SchemeBacktest> schemes);
// That sentence alone; empty when there is nothing to warn of.
std::string BestSchemeLuckText(std::span<const SchemeBacktest> schemes);
std::string CompareCsv(std::span<const SchemeBacktest> schemes);

}  // namespace torvane
