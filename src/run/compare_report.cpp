// Several schemes back-tested on the same draws, one row each.
#include <algorithm>

#include "core/text_util.h"
#include "run/backtest_report.h"
#include "run/binomial.h"

namespace torvane {
namespace {

// Which side of random a significant result falls on, in a word or two.
std::string Verdict(const BacktestReport& r) {
  if (!ComparableWithRandom(r)) return "无法比较";
  if (r.decision.confidence.pValue >= 0.05) return "无显著差别";
  return r.hitRate > r.share ? "高于随机" : "低于随机";
}

// The scheme with the highest hit rate ÷ share among those that can be compared, if any.
const SchemeBacktest* BestLooking(std::span<const SchemeBacktest> schemes, size_t* index) {
  const SchemeBacktest* best = nullptr;
  for (size_t i = 0; i < schemes.size(); ++i) {
    const BacktestReport& r = schemes[i].report;
    if (!ComparableWithRandom(r) || !r.hitRateOverShare) continue;
    if (!best || *r.hitRateOverShare > *best->report.hitRateOverShare) {
      best = &schemes[i];
      *index = i;
    }
  }
  return best;
}

}  // namespace

bool ComparableWithRandom(const BacktestReport& r) {
  return r.tested > 0 && r.resultCount > 0;
}

std::vector<double> SchemePHolm(std::span<const SchemeBacktest> schemes) {
  std::vector<double> p;
  for (const SchemeBacktest& s : schemes)
    p.push_back(ComparableWithRandom(s.report) ? s.report.decision.confidence.pValue : 1.0);
  return HolmAdjust(p);
}

std::string BestSchemeLuckText(std::span<const SchemeBacktest> schemes) {
  size_t best = 0;
  if (schemes.size() < 2 || !BestLooking(schemes, &best)) return {};
  const std::vector<double> holm = SchemePHolm(schemes);
  if (holm[best] < 0.05) return {};
  return "看起来最好的方案 " + schemes[best].name + " 按 Holm 方法校正（比了 " +
         std::to_string(schemes.size()) + " 个方案）后 p = " + PValueText(holm[best]) +
         "，不低于 0.05：它领先可能只是运气。";
}

std::string CompareText(std::span<const SchemeBacktest> schemes) {
  std::string head;
  if (!schemes.empty()) {
    const BacktestReport& first = schemes.front().report;
    head = "回测 " + std::to_string(first.tested) + " 期";
    if (!first.draws.empty())
      head += "：" + first.draws.front().period + " 至 " + first.draws.back().period;
    head += "\n";
  }
  const std::vector<double> holm = SchemePHolm(schemes);
  std::vector<std::vector<std::string>> rows = {{"方案", "注数", "占比", "保留", "命中率",
                                                 "95% 区间", "命中率÷占比", "p 值", "Holm 校正 p",
                                                 "投入（元）", "中奖（元）", "返还率", "结论"}};
  for (size_t i = 0; i < schemes.size(); ++i) {
    const BacktestReport& r = schemes[i].report;
    const HitRateConfidence& c = r.decision.confidence;
    const bool comparable = ComparableWithRandom(r);
    const MoneySummary& m = r.moneySummary;
    rows.push_back({schemes[i].name, std::to_string(r.resultCount), PercentText(r.share),
                    std::to_string(r.kept), PercentText(r.hitRate),
                    PercentText(c.low) + "-" + PercentText(c.high),
                    r.hitRateOverShare ? FixedText(*r.hitRateOverShare, 2) : "无",
                    comparable ? PValueText(c.pValue) : "无",
                    comparable ? PValueText(holm[i]) : "无", std::to_string(m.cost),
                    std::to_string(m.won), m.returnRate ? PercentText(*m.returnRate) : "无",
                    Verdict(r)});
  }
  std::vector<bool> right(rows[0].size(), true);
  right[0] = right.back() = false;
  std::string tail = BestSchemeLuckText(schemes);
  if (!tail.empty()) tail += "\n";
  return head + AlignedTable(rows, right) + tail + TuningWarningText() + "\n";
}

std::string CompareCsv(std::span<const SchemeBacktest> schemes) {
  const std::vector<double> holm = SchemePHolm(schemes);
  std::string out = "scheme,results,share,kept,tested,hitRate,ratio,pValue,cost,won,return,pHolm\n";
  for (size_t i = 0; i < schemes.size(); ++i) {
    const BacktestReport& r = schemes[i].report;
    const MoneySummary& m = r.moneySummary;
    out += CsvField(schemes[i].name) + "," + std::to_string(r.resultCount) + "," +
           FixedText(r.share, 6) + "," + std::to_string(r.kept) + "," + std::to_string(r.tested) +
           "," + FixedText(r.hitRate, 6) + "," +
           (r.hitRateOverShare ? FixedText(*r.hitRateOverShare, 4) : "") + "," +
           FixedText(ComparableWithRandom(r) ? r.decision.confidence.pValue : 1.0, 6) + "," +
           std::to_string(m.cost) + "," + std::to_string(m.won) + "," +
           (m.returnRate ? FixedText(*m.returnRate, 6) : "") + "," + FixedText(holm[i], 6) + "\n";
  }
  return out;
}

}  // namespace torvane
