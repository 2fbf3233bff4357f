#include "run/backtest_report.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/text_util.h"

namespace torvane {
namespace {

std::string Fixed2(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
  std::string s;
  for (size_t i = 0; i < parts.size(); ++i) s += (i ? separator : "") + parts[i];
  return s;
}

std::string Summary(const BacktestReport& r) {
  std::string s;
  s += "回测 " + std::to_string(r.tested) + " 期";
  if (!r.draws.empty()) s += "：" + r.draws.front().period + " 至 " + r.draws.back().period;
  s += "\n";
  s += "起始号码 " + std::to_string(r.startCount) + " 注" +
       (r.startCount == kNumberSpace ? "（全部号码）" : "（基础号码）") + "，容错 " +
       std::to_string(r.judged.tolerance.min) + "-" + std::to_string(r.judged.tolerance.max) + "\n";
  s += "缩水结果 " + std::to_string(r.resultCount) + " 注，占全部号码 " + PercentText(r.share) +
       "\n";
  s += "保留 " + std::to_string(r.kept) + " 期，命中率 " + PercentText(r.hitRate) + "\n";
  s += "命中率 ÷ 占比 ";
  s += r.hitRateOverShare ? Fixed2(*r.hitRateOverShare) + "（1 表示与随机选同样多的号码相当）"
       : r.tested == 0 ? std::string("无（没有可回测的开奖）")
                       : std::string("无（缩水结果为 0 注）");
  s += "\n";
  s += "当前连中 " + std::to_string(r.currentKeptStreak) + " 期，最长连错 " +
       std::to_string(r.longestMissedStreak) + " 期\n";
  if (const std::string note = RelativeNote(r); !note.empty()) s += note + "\n";
  if (r.tested == 0) return s;
  const HitRateConfidence& c = r.decision.confidence;
  s += "命中率 95% 区间 " + PercentText(c.low) + " 至 " + PercentText(c.high) + "\n";
  s += SignificanceText(r) + "\n" + TuningWarningText() + "\n";
  return s;
}

std::string ConditionTable(const BacktestReport& r) {
  // Without a judged draw the filters name no rows, set or not.
  if (r.tested == 0) return "没有可回测的开奖\n";
  if (r.conditions.empty()) return "没有设置任何条件\n";
  // The worth columns only when Backtest() filled them for these very conditions.
  const std::vector<ConditionWorth>& worth = r.decision.worth;
  const bool withWorth = worth.size() == r.conditions.size();
  std::vector<std::vector<std::string>> rows = {
      {"条件", "杀中开奖号", "误杀率", "当前连续未杀", "最长连续未杀"}};
  if (withWorth)
    for (const char* h : {"杀号率", "误杀÷杀号", "去掉后注数", "去掉后保留"}) rows[0].push_back(h);
  for (size_t i = 0; i < r.conditions.size(); ++i) {
    const ConditionRecord& c = r.conditions[i];
    rows.push_back({c.name, std::to_string(c.killed), PercentText(c.killRate),
                    std::to_string(c.currentStreak), std::to_string(c.longestStreak)});
    if (!withWorth) continue;
    const ConditionWorth& w = worth[i];
    for (std::string cell : {PercentText(w.killShare), w.ratio ? Fixed2(*w.ratio) : "无",
                             std::to_string(w.resultsWithout), std::to_string(w.keptWithout)})
      rows.back().push_back(std::move(cell));
  }
  std::vector<bool> right(rows[0].size(), true);
  right[0] = false;
  return AlignedTable(rows, right);
}

std::string MissedDraws(const BacktestReport& r) {
  const int missed = r.tested - r.kept;
  if (missed == 0) return "未保留的期：无\n";
  std::vector<std::vector<std::string>> rows = {
      {"期号", "日期", "号码", "基础号码", "被杀", "条件"}};
  for (size_t i = 0; i < r.draws.size(); ++i) {
    const DrawVerdict& v = r.judged.draws[i];
    if (v.kept) continue;
    const history::Draw& d = r.draws[i];
    rows.push_back({d.period, d.date.empty() ? "-" : d.date, d.NumberText(),
                    v.inBase ? "在" : "不在", std::to_string(v.failed),
                    Join(KilledNames(r.judged, v), "|")});
  }
  return "未保留的期（" + std::to_string(missed) + " 期）：\n" +
         AlignedTable(rows, {false, false, false, false, true, false});
}

std::string Fixed(double v, int decimals) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

// "0.41", "0.003", "< 0.001": two significant figures down to a thousandth.
std::string PValueText(double p) {
  return p < 0.001 ? "< 0.001" : Fixed(p, p < 0.01 ? 3 : 2);
}

std::string PText(double p) {
  return p < 0.001 ? "p < 0.001" : "p = " + PValueText(p);
}

std::string RatioText(const std::optional<double>& ratio, int decimals) {
  return ratio ? Fixed(*ratio, decimals) : std::string();
}

}  // namespace

std::string SignificanceText(const BacktestReport& r) {
  if (r.tested == 0) return "没有回测的开奖，无法与随机比较";
  if (r.resultCount == 0) return "缩水结果为 0 注，无法与随机比较";
  const double p = r.decision.confidence.pValue;
  const std::string pText = "（" + PText(p) + "）";
  if (p >= 0.05) return "与随机选同样多的号码相比，没有显著差别" + pText;
  return (r.hitRate > r.share ? "命中率高于随机选同样多的号码" : "命中率低于随机选同样多的号码") +
         pText;
}

std::string TuningWarningText() {
  return "注意：若条件是看着这些开奖挑出来的，它们在这里的成绩会好于今后的开奖。";
}

std::string ToleranceTableText(const BacktestReport& r) {
  std::vector<std::vector<std::string>> rows = {
      {"容错", "注数", "占比", "保留", "命中率", "命中率÷占比"}};
  for (const ToleranceRow& t : r.decision.toleranceTable)
    rows.push_back({std::to_string(t.min) + "-" + std::to_string(t.max), std::to_string(t.results),
                    PercentText(t.share), std::to_string(t.kept), PercentText(t.hitRate),
                    t.ratio ? Fixed2(*t.ratio) : std::string("无")});
  return AlignedTable(rows, {false, true, true, true, true, true});
}

std::string ToleranceTableCsv(const BacktestReport& r) {
  std::string out = "min,max,results,share,kept,hitRate,ratio\n";
  for (const ToleranceRow& t : r.decision.toleranceTable)
    out += std::to_string(t.min) + "," + std::to_string(t.max) + "," + std::to_string(t.results) +
           "," + Fixed(t.share, 6) + "," + std::to_string(t.kept) + "," + Fixed(t.hitRate, 6) +
           "," + RatioText(t.ratio, 4) + "\n";
  return out;
}

namespace {

// Which side of random a significant result falls on, in a word or two.
std::string Verdict(const BacktestReport& r) {
  if (r.tested == 0 || r.resultCount == 0) return "无法比较";
  if (r.decision.confidence.pValue >= 0.05) return "无显著差别";
  return r.hitRate > r.share ? "高于随机" : "低于随机";
}

}  // namespace

std::string CompareText(std::span<const SchemeBacktest> schemes) {
  std::string head;
  if (!schemes.empty()) {
    const BacktestReport& first = schemes.front().report;
    head = "回测 " + std::to_string(first.tested) + " 期";
    if (!first.draws.empty())
      head += "：" + first.draws.front().period + " 至 " + first.draws.back().period;
    head += "\n";
  }
  std::vector<std::vector<std::string>> rows = {
      {"方案", "注数", "占比", "保留", "命中率", "95% 区间", "命中率÷占比", "p 值", "结论"}};
  for (const SchemeBacktest& s : schemes) {
    const BacktestReport& r = s.report;
    const HitRateConfidence& c = r.decision.confidence;
    rows.push_back({s.name, std::to_string(r.resultCount), PercentText(r.share),
                    std::to_string(r.kept), PercentText(r.hitRate),
                    PercentText(c.low) + "-" + PercentText(c.high),
                    r.hitRateOverShare ? Fixed2(*r.hitRateOverShare) : "无", PValueText(c.pValue),
                    Verdict(r)});
  }
  std::vector<bool> right(rows[0].size(), true);
  right[0] = right.back() = false;
  return head + AlignedTable(rows, right) + TuningWarningText() + "\n";
}

std::string CompareCsv(std::span<const SchemeBacktest> schemes) {
  std::string out = "scheme,results,share,kept,tested,hitRate,ratio,pValue\n";
  for (const SchemeBacktest& s : schemes) {
    const BacktestReport& r = s.report;
    out += CsvField(s.name) + "," + std::to_string(r.resultCount) + "," + Fixed(r.share, 6) + "," +
           std::to_string(r.kept) + "," + std::to_string(r.tested) + "," + Fixed(r.hitRate, 6) +
           "," + RatioText(r.hitRateOverShare, 4) + "," + Fixed(r.decision.confidence.pValue, 6) +
           "\n";
  }
  return out;
}

std::string PercentText(double ratio) {
  return Fixed2(ratio * 100) + "%";
}

std::string BacktestText(const BacktestReport& report) {
  return Summary(report) + "\n" + ConditionTable(report) + "\n" + MissedDraws(report);
}

std::string BacktestCsv(const BacktestReport& report) {
  std::string out = "period,date,number,inBase,failed,kept,conditions\n";
  for (size_t i = 0; i < report.draws.size(); ++i) {
    const history::Draw& d = report.draws[i];
    const DrawVerdict& v = report.judged.draws[i];
    out += CsvField(d.period) + "," + CsvField(d.date) + "," + d.NumberText() + "," +
           (v.inBase ? "1" : "0") + "," + std::to_string(v.failed) + "," + (v.kept ? "1" : "0") +
           "," + CsvField(Join(KilledNames(report.judged, v), "|")) + "\n";
  }
  return out;
}

}  // namespace torvane
