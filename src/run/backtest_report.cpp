#include "run/backtest_report.h"

#include <algorithm>
#include <cstdio>
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
                          : std::string("无（缩水结果为 0 注）");
  s += "\n";
  s += "当前连中 " + std::to_string(r.currentKeptStreak) + " 期，最长连错 " +
       std::to_string(r.longestMissedStreak) + " 期\n";
  return s;
}

std::string ConditionTable(const BacktestReport& r) {
  if (r.conditions.empty()) return "没有设置任何条件\n";
  std::vector<std::vector<std::string>> rows = {
      {"条件", "杀中开奖号", "误杀率", "当前连续未杀", "最长连续未杀"}};
  for (const ConditionRecord& c : r.conditions)
    rows.push_back({c.name, std::to_string(c.killed), PercentText(c.killRate),
                    std::to_string(c.currentStreak), std::to_string(c.longestStreak)});
  return AlignedTable(rows, {false, true, true, true, true});
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

}  // namespace

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
