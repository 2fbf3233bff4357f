#include "ui/backtest/backtest_summary.h"

#include "run/backtest_report.h"

namespace torvane::ui {

namespace {

QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

QString PercentText(double ratio) {
  return Text(torvane::PercentText(ratio));
}

SummaryText BacktestSummary(const BacktestReport& r) {
  QString tested = QStringLiteral("回测 %1 期").arg(r.tested);
  if (!r.draws.empty())
    tested += QStringLiteral("（%1 至 %2）")
                  .arg(Text(r.draws.front().period), Text(r.draws.back().period));
  int outsideBase = 0;
  for (const DrawVerdict& v : r.judged.draws) outsideBase += v.inBase ? 0 : 1;
  QString first = QStringLiteral("%1，容错 %2-%3，保留 %4 期，命中率 %5")
                      .arg(tested)
                      .arg(r.judged.tolerance.min)
                      .arg(r.judged.tolerance.max)
                      .arg(r.kept)
                      .arg(PercentText(r.hitRate));
  const HitRateConfidence& sure = r.decision.confidence;
  if (r.tested > 0)
    first +=
        QStringLiteral("（95% 区间 %1 至 %2）").arg(PercentText(sure.low), PercentText(sure.high));
  if (outsideBase > 0) first += QStringLiteral("；其中 %1 期不在大底").arg(outsideBase);
  first += QStringLiteral("；当前连中 %1 期，最长连错 %2 期。")
               .arg(r.currentKeptStreak)
               .arg(r.longestMissedStreak);

  const QString start = r.startCount == kNumberSpace
                            ? QStringLiteral("全部 100000 注")
                            : QStringLiteral("大底 %1 注").arg(r.startCount);
  QString second = QStringLiteral("这些条件从%1缩水后剩 %2 注，占全部 100000 注的 %3")
                       .arg(start)
                       .arg(r.resultCount)
                       .arg(PercentText(r.share));
  second +=
      r.hitRateOverShare
          ? QStringLiteral("；命中率 ÷ 占比 = %1。").arg(Text(FixedText(*r.hitRateOverShare, 2)))
          : QStringLiteral("，没有一期能保留。");
  if (const std::string note = RelativeNote(r); !note.empty())
    second += Text(note) + QStringLiteral("。");
  QStringList figures = {first, second, Text(SignificanceText(r)) + QStringLiteral("。")};
  if (r.tested > 0 && !ShownWorth(r).empty() && ShownWorth(r).size() == r.conditions.size())
    figures << Text(HolmText(ShownWorth(r))) + QStringLiteral("。");
  const MoneyRules& rules = r.moneyRules;
  const QString prize = rules.prize ? QStringLiteral("%1 元").arg(*rules.prize)
                                    : QStringLiteral("按开奖记录（无记录 100000 元）");
  figures << QStringLiteral("每期买下全部缩水结果（每注 %1 元，%2 倍，直选奖金%3）：%4。")
                 .arg(rules.price)
                 .arg(rules.multiple)
                 .arg(prize, Text(MoneyText(r.moneySummary)));
  figures << Text(FairReturnText(r.moneySummary)) + QStringLiteral("；") +
                 Text(RandomBandText(r.moneySummary)) + QStringLiteral("。");
  return {figures,
          {QStringLiteral("命中率 ÷ 占比为 1，表示不比随机买同样多的号码强；大于 1 "
                          "才说明这些条件比随机好，小于 1 说明还不如随机。"),
           Text(TuningWarningText())}};
}

QString ConditionHeader(int column) {
  static const char* const kHeaders[kConditionColumns] = {
      "条件", "杀中期数",  "误杀率",     "当前未杀",   "最长未杀", "杀号率",    "误杀÷杀号",
      "p值",  "Holm校正p", "去掉后注数", "去掉后保留", "检验杀中", "检验误杀率"};
  return QString::fromUtf8(kHeaders[column]);
}

QString ConditionHeaderTip(int column) {
  static const char* const kTips[kConditionColumns] = {
      "条件（按缩水时的顺序）",
      "回测的各期里，这个条件杀掉了几期的开奖号码",
      "误杀率：杀掉开奖号码的期数占回测期数的比例",
      "从最新一期往回数，连续几期没有杀掉开奖号码",
      "最长连续几期没有杀掉开奖号码",
      "杀号率：这个条件杀掉的号码占起始号码（大底或全部 100000 注）的比例",
      "误杀率 ÷ 杀号率：小于 1 表示它杀开奖号码比杀一般号码少，值得留；大于 1 "
      "表示它更容易杀掉开奖号码",
      "p 值：随机地杀号的话，杀中开奖号的期数偏离到这么远的机会；小于 0.05 才算与随机不同",
      "按 Holm 方法校正后的 p 值：同时看了许多条件，总会有几个碰巧显得不同；校正后仍小于 "
      "0.05 才可信",
      "去掉这个条件（其他条件和容错不变）后缩水剩几注",
      "去掉这个条件后，回测的各期里能保留几期",
      "留出检验的最近几期里，这个条件杀掉了几期的开奖号码",
      "留出检验的最近几期里的误杀率"};
  return QString::fromUtf8(kTips[column]);
}

const std::vector<ConditionWorth>& ShownWorth(const BacktestReport& r) {
  return r.heldOut ? r.heldOut->fit.decision.worth : r.decision.worth;
}

const std::vector<ToleranceRow>& ShownTolerance(const BacktestReport& r) {
  return r.heldOut ? r.heldOut->fit.decision.toleranceTable : r.decision.toleranceTable;
}

QString ConditionCell(const BacktestReport& r, int i, int column) {
  const ConditionRecord& c = r.conditions[i];
  // The worth columns only when the back-test filled them for these very conditions.
  const std::vector<ConditionWorth>& worth = ShownWorth(r);
  const bool withWorth = worth.size() == r.conditions.size();
  const bool fitOnly = r.heldOut && withWorth;
  switch (column) {
    case kCondName:
      return Text(c.name);
    case kCondKilled:
      return QString::number(fitOnly ? worth[i].killedWinners : c.killed);
    case kCondRate:
      return PercentText(fitOnly ? worth[i].winnerKillShare : c.killRate);
    case kCondCurrentStreak:
      return QString::number(c.currentStreak);
    case kCondLongestStreak:
      return QString::number(c.longestStreak);
  }
  if (!withWorth) return {};
  const ConditionWorth& w = worth[i];
  if (column == kCondCheckKilled || column == kCondCheckRate) {
    if (!fitOnly) return {};
    const ConditionWorth& check = r.heldOut->check.decision.worth[i];
    return column == kCondCheckKilled ? QString::number(check.killedWinners)
                                      : PercentText(check.winnerKillShare);
  }
  switch (column) {
    case kCondKillShare:
      return PercentText(w.killShare);
    case kCondRatio:
      return w.ratio ? Text(FixedText(*w.ratio, 2)) : QStringLiteral("无");
    case kCondPValue:
      return r.tested > 0 ? Text(PValueText(w.pValue)) : QStringLiteral("无");
    case kCondPHolm:
      return r.tested > 0 ? Text(PValueText(w.pHolm)) : QStringLiteral("无");
    case kCondResultsWithout:
      return QString::number(w.resultsWithout);
    case kCondKeptWithout:
      return QString::number(w.keptWithout);
  }
  return {};
}

QString OutcomeText(const DrawVerdict& v) {
  if (!v.inBase) return QStringLiteral("不在大底");
  return v.kept ? QStringLiteral("保留") : QStringLiteral("淘汰");
}

QString KilledText(const BacktestReport& r, const DrawVerdict& v) {
  QStringList names;
  for (const std::string& name : KilledNames(r.judged, v)) names << Text(name);
  return names.join(QStringLiteral("、"));
}

QStringList HeldOutRows(const BacktestReport& r) {
  if (!r.heldOut) return {};
  const HeldOutDraws& h = *r.heldOut;
  QStringList rows;
  auto add = [&](const QString& label, auto cell) {
    rows << label + QLatin1Char('\t') + cell(h.fit) + QLatin1Char('\t') + cell(h.check);
  };
  add(QString(), [](const BacktestPart& p) {
    return p.first == 0 ? QStringLiteral("选择部分") : QStringLiteral("检验部分");
  });
  add(QStringLiteral("期号"), [&](const BacktestPart& p) {
    return p.count > 0 ? QStringLiteral("%1 至 %2")
                             .arg(Text(r.draws[p.first].period),
                                  Text(r.draws[p.first + p.count - 1].period))
                       : QStringLiteral("-");
  });
  add(QStringLiteral("回测期数"), [](const BacktestPart& p) { return QString::number(p.count); });
  add(QStringLiteral("保留期数"), [](const BacktestPart& p) { return QString::number(p.kept); });
  add(QStringLiteral("命中率（95% 区间）"), [](const BacktestPart& p) {
    return QStringLiteral("%1（%2 至 %3）")
        .arg(PercentText(p.hitRate), PercentText(p.confidence.low), PercentText(p.confidence.high));
  });
  add(QStringLiteral("p 值"), [&](const BacktestPart& p) {
    return r.resultCount == 0 || p.count == 0 ? QStringLiteral("无")
                                              : Text(PValueText(p.confidence.pValue));
  });
  add(QStringLiteral("投入"),
      [](const BacktestPart& p) { return QStringLiteral("%1 元").arg(p.money.cost); });
  add(QStringLiteral("中奖"), [](const BacktestPart& p) {
    return QStringLiteral("%1 次 %2 元").arg(p.money.wins).arg(p.money.won);
  });
  add(QStringLiteral("净输赢"),
      [](const BacktestPart& p) { return QStringLiteral("%1 元").arg(p.money.net); });
  add(QStringLiteral("返还率"), [](const BacktestPart& p) {
    return p.money.returnRate ? PercentText(*p.money.returnRate) : QStringLiteral("无");
  });
  add(QStringLiteral("随机 95% 范围"), [](const BacktestPart& p) {
    return QStringLiteral("%1 至 %2 元")
        .arg(Text(FixedText(p.money.band.low, 0)), Text(FixedText(p.money.band.high, 0)));
  });
  return rows;
}

QString BacktestReportTsv(const BacktestReport& r) {
  const SummaryText summary = BacktestSummary(r);
  QStringList lines = summary.figures + summary.notes;
  if (r.heldOut)
    lines << QString()
          << QStringLiteral("留出最近 %1 期检验：条件和容错按选择部分计，检验部分没有参与选择")
                 .arg(r.heldOut->size)
          << HeldOutRows(r);
  lines << QString();
  // The check columns only hold figures with draws held out.
  const int columns = r.heldOut ? kConditionColumns : kCondCheckKilled;
  QStringList header;
  for (int c = 0; c < columns; ++c) header << ConditionHeader(c);
  lines << header.join(QLatin1Char('\t'));
  for (int i = 0; i < static_cast<int>(r.conditions.size()); ++i) {
    QStringList cells;
    for (int c = 0; c < columns; ++c) cells << ConditionCell(r, i, c);
    lines << cells.join(QLatin1Char('\t'));
  }
  lines << QString();
  lines << QStringLiteral("期号\t日期\t号码\t错几个条件\t被哪些条件杀\t结果");
  for (size_t i = r.draws.size(); i-- > 0;) {
    const history::Draw& d = r.draws[i];
    const DrawVerdict& v = r.judged.draws[i];
    lines << QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6")
                 .arg(Text(d.period), Text(d.date), Text(d.NumberText()))
                 .arg(v.failed)
                 .arg(KilledText(r, v), OutcomeText(v));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace torvane::ui
