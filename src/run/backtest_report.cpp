#include "run/backtest_report.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/text_util.h"

namespace torvane {
namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string Join(const std::vector<std::string>& parts, const char* separator) {
  std::string s;
  for (size_t i = 0; i < parts.size(); ++i) s += (i ? separator : "") + parts[i];
  return s;
}

std::string Yuan(double v) {
  return FixedText(v, 0);
}

// "50", "33.33": two decimals at most, no trailing zeros.
std::string Short(double v) {
  std::string s = FixedText(v, 2);
  while (s.ends_with('0')) s.pop_back();
  if (s.ends_with('.')) s.pop_back();
  return s;
}

std::string PText(double p) {
  return p < 0.001 ? "p < 0.001" : "p = " + PValueText(p);
}

std::string RatioText(const std::optional<double>& ratio, int decimals) {
  return ratio ? FixedText(*ratio, decimals) : std::string();
}

std::string Periods(const BacktestReport& r, int first, int count) {
  if (count <= 0) return "-";
  return r.draws[first].period + " 至 " + r.draws[first + count - 1].period;
}

// The money lines of a summary.
std::string MoneyLines(const BacktestReport& r) {
  const MoneyRules& m = r.moneyRules;
  std::string s = "按每期买下全部缩水结果计（每注 " + std::to_string(m.price) + " 元，" +
                  std::to_string(m.multiple) + " 倍，直选奖金" +
                  (m.prize ? " " + std::to_string(*m.prize) + " 元"
                           : std::string("按各期开奖记录，没有记录时 100000 元")) +
                  "）：\n";
  s += MoneyText(r.moneySummary) + "\n" + FairReturnText(r.moneySummary) + "\n" +
       RandomBandText(r.moneySummary) + "\n";
  return s;
}

// Both parts side by side.
std::string HeldOutLines(const BacktestReport& r) {
  const HeldOutDraws& h = *r.heldOut;
  std::string s = "留出最近 " + std::to_string(h.size) + " 期检验：条件和容错只看前 " +
                  std::to_string(h.fit.count) + " 期（选择部分），最近 " + std::to_string(h.size) +
                  " 期没有参与选择，只用来检验\n";
  Rows rows = {{"", "选择部分", "检验部分"}};
  auto add = [&](const char* label, auto cell) {
    rows.push_back({label, cell(h.fit), cell(h.check)});
  };
  add("期号", [&](const BacktestPart& p) { return Periods(r, p.first, p.count); });
  add("回测期数", [](const BacktestPart& p) { return std::to_string(p.count); });
  add("保留期数", [](const BacktestPart& p) { return std::to_string(p.kept); });
  add("命中率", [](const BacktestPart& p) { return PercentText(p.hitRate); });
  add("95% 区间", [](const BacktestPart& p) {
    return PercentText(p.confidence.low) + " 至 " + PercentText(p.confidence.high);
  });
  add("p 值", [&](const BacktestPart& p) {
    return r.resultCount == 0 || p.count == 0 ? std::string("无") : PValueText(p.confidence.pValue);
  });
  add("投入（元）", [](const BacktestPart& p) { return std::to_string(p.money.cost); });
  add("中奖", [](const BacktestPart& p) {
    return std::to_string(p.money.wins) + " 次 " + std::to_string(p.money.won) + " 元";
  });
  add("净输赢（元）", [](const BacktestPart& p) { return std::to_string(p.money.net); });
  add("返还率", [](const BacktestPart& p) {
    return p.money.returnRate ? PercentText(*p.money.returnRate) : std::string("无");
  });
  add("随机 95% 范围（元）", [](const BacktestPart& p) {
    return Yuan(p.money.band.low) + " 至 " + Yuan(p.money.band.high);
  });
  return s + AlignedTable(rows, {false, false, false});
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
  s += r.hitRateOverShare ? FixedText(*r.hitRateOverShare, 2) + "（1 表示与随机选同样多的号码相当）"
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
  s += MoneyLines(r);
  if (r.heldOut) s += HeldOutLines(r);
  return s;
}

std::string ConditionTable(const BacktestReport& r) {
  // Without a judged draw the filters name no rows, set or not.
  if (r.tested == 0) return "没有可回测的开奖\n";
  if (r.conditions.empty()) return "没有设置任何条件\n";
  // The worth columns only when Backtest() filled them for these very conditions; with draws
  // held out they are figured on the older part, the newer part's beside them.
  const std::vector<ConditionWorth>& worth =
      r.heldOut ? r.heldOut->fit.decision.worth : r.decision.worth;
  const bool withWorth = worth.size() == r.conditions.size();
  if (r.heldOut && withWorth) {
    const std::vector<ConditionWorth>& check = r.heldOut->check.decision.worth;
    Rows rows = {{"条件", "杀中开奖号", "误杀率", "杀号率", "误杀÷杀号", "p 值", "Holm 校正 p",
                  "去掉后注数", "去掉后保留", "检验杀中", "检验误杀率", "检验去掉后保留"}};
    for (size_t i = 0; i < worth.size(); ++i) {
      const ConditionWorth& w = worth[i];
      rows.push_back({w.name, std::to_string(w.killedWinners), PercentText(w.winnerKillShare),
                      PercentText(w.killShare), w.ratio ? FixedText(*w.ratio, 2) : "无",
                      PValueText(w.pValue), PValueText(w.pHolm), std::to_string(w.resultsWithout),
                      std::to_string(w.keptWithout), std::to_string(check[i].killedWinners),
                      PercentText(check[i].winnerKillShare), std::to_string(check[i].keptWithout)});
    }
    std::vector<bool> right(rows[0].size(), true);
    right[0] = false;
    return "各条件（按选择部分计，检验部分在右）：\n" + AlignedTable(rows, right) +
           HolmText(worth) + "\n";
  }
  Rows rows = {{"条件", "杀中开奖号", "误杀率", "当前连续未杀", "最长连续未杀"}};
  if (withWorth)
    for (const char* h : {"杀号率", "误杀÷杀号", "p 值", "Holm 校正 p", "去掉后注数", "去掉后保留"})
      rows[0].push_back(h);
  for (size_t i = 0; i < r.conditions.size(); ++i) {
    const ConditionRecord& c = r.conditions[i];
    rows.push_back({c.name, std::to_string(c.killed), PercentText(c.killRate),
                    std::to_string(c.currentStreak), std::to_string(c.longestStreak)});
    if (!withWorth) continue;
    const ConditionWorth& w = worth[i];
    for (std::string cell :
         {PercentText(w.killShare), w.ratio ? FixedText(*w.ratio, 2) : "无", PValueText(w.pValue),
          PValueText(w.pHolm), std::to_string(w.resultsWithout), std::to_string(w.keptWithout)})
      rows.back().push_back(std::move(cell));
  }
  std::vector<bool> right(rows[0].size(), true);
  right[0] = false;
  std::string table = AlignedTable(rows, right);
  if (withWorth && r.tested > 0) table += HolmText(worth) + "\n";
  return table;
}

std::string MissedDraws(const BacktestReport& r) {
  const int missed = r.tested - r.kept;
  if (missed == 0) return "未保留的期：无\n";
  Rows rows = {{"期号", "日期", "号码", "基础号码", "被杀", "条件"}};
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

// The tolerance rows to show: the older part's when draws are held out.
const std::vector<ToleranceRow>& ToleranceRows(const BacktestReport& r) {
  return r.heldOut ? r.heldOut->fit.decision.toleranceTable : r.decision.toleranceTable;
}

}  // namespace

std::string PValueText(double p) {
  return p < 0.001 ? "< 0.001" : FixedText(p, p < 0.01 ? 3 : 2);
}

std::string MoneyText(const MoneySummary& m) {
  return "投入 " + std::to_string(m.cost) + " 元，中奖 " + std::to_string(m.wins) + " 次共 " +
         std::to_string(m.won) + " 元，净输赢 " + std::to_string(m.net) + " 元，返还率 " +
         (m.returnRate ? PercentText(*m.returnRate) : std::string("无（没有买号码）"));
}

std::string FairReturnText(const MoneySummary& m) {
  return "随机选同样多的号码，长期每投入 100 元返还 " + Short(m.fairReturnPer100) + " 元";
}

std::string RandomBandText(const MoneySummary& m) {
  return "随机选同样多的号码，净输赢 95% 落在 " + Yuan(m.band.low) + " 至 " + Yuan(m.band.high) +
         " 元之间（平均 " + Yuan(m.band.expected) + " 元" + (m.band.exact ? "" : "，正态近似") +
         "）";
}

std::string HolmText(const std::vector<ConditionWorth>& worth) {
  const int differing = DifferingFromRandom(worth);
  return "p 值按 Holm 方法校正（同时看了 " + std::to_string(worth.size()) +
         " 个条件）后，误杀率与随机显著不同的条件：" + std::to_string(differing) + " 个" +
         (differing == 0 ? "，即没有一个条件杀中开奖号的比例与它杀号的比例有可信的差别" : "");
}

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
  const std::vector<ToleranceRow>& table = ToleranceRows(r);
  Rows rows = {{"容错", "注数", "占比", "保留", "命中率", "命中率÷占比"}};
  if (r.heldOut)
    for (const char* h : {"检验保留", "检验命中率"}) rows[0].push_back(h);
  for (size_t i = 0; i < table.size(); ++i) {
    const ToleranceRow& t = table[i];
    rows.push_back({std::to_string(t.min) + "-" + std::to_string(t.max), std::to_string(t.results),
                    PercentText(t.share), std::to_string(t.kept), PercentText(t.hitRate),
                    t.ratio ? FixedText(*t.ratio, 2) : std::string("无")});
    if (!r.heldOut) continue;
    const ToleranceRow& c = r.heldOut->check.decision.toleranceTable[i];
    rows.back().push_back(std::to_string(c.kept));
    rows.back().push_back(PercentText(c.hitRate));
  }
  std::vector<bool> right(rows[0].size(), true);
  right[0] = false;
  std::string head;
  if (r.heldOut)
    head = "容错表按选择部分（前 " + std::to_string(r.heldOut->fit.count) +
           " 期）计，检验部分（最近 " + std::to_string(r.heldOut->size) + " 期）在右\n";
  return head + AlignedTable(rows, right);
}

std::string ToleranceTableCsv(const BacktestReport& r) {
  const std::vector<ToleranceRow>& table = ToleranceRows(r);
  std::string out = "min,max,results,share,kept,hitRate,ratio";
  out += r.heldOut ? ",checkKept,checkHitRate\n" : "\n";
  for (size_t i = 0; i < table.size(); ++i) {
    const ToleranceRow& t = table[i];
    out += std::to_string(t.min) + "," + std::to_string(t.max) + "," + std::to_string(t.results) +
           "," + FixedText(t.share, 6) + "," + std::to_string(t.kept) + "," +
           FixedText(t.hitRate, 6) + "," + RatioText(t.ratio, 4);
    if (r.heldOut) {
      const ToleranceRow& c = r.heldOut->check.decision.toleranceTable[i];
      out += "," + std::to_string(c.kept) + "," + FixedText(c.hitRate, 6);
    }
    out += "\n";
  }
  return out;
}

std::string BacktestText(const BacktestReport& report) {
  return Summary(report) + "\n" + ConditionTable(report) + "\n" + MissedDraws(report);
}

std::string BacktestCsv(const BacktestReport& report) {
  std::string out = "period,date,number,inBase,failed,kept,conditions,results,cost,won,balance";
  out += report.heldOut ? ",part\n" : "\n";
  const int fitCount = report.heldOut ? report.heldOut->fit.count : 0;
  for (size_t i = 0; i < report.draws.size(); ++i) {
    const history::Draw& d = report.draws[i];
    const DrawVerdict& v = report.judged.draws[i];
    const DrawMoney m = i < report.money.size() ? report.money[i] : DrawMoney{};
    out += CsvField(d.period) + "," + CsvField(d.date) + "," + d.NumberText() + "," +
           (v.inBase ? "1" : "0") + "," + std::to_string(v.failed) + "," + (v.kept ? "1" : "0") +
           "," + CsvField(Join(KilledNames(report.judged, v), "|")) + "," +
           std::to_string(m.results) + "," + std::to_string(m.cost) + "," + std::to_string(m.won) +
           "," + std::to_string(m.balance);
    if (report.heldOut) out += static_cast<int>(i) < fitCount ? ",fit" : ",test";
    out += "\n";
  }
  return out;
}

}  // namespace torvane
