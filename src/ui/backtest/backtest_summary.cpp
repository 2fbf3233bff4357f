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
  second += r.hitRateOverShare
                ? QStringLiteral("；命中率 ÷ 占比 = %1。").arg(*r.hitRateOverShare, 0, 'f', 2)
                : QStringLiteral("，没有一期能保留。");
  if (const std::string note = RelativeNote(r); !note.empty())
    second += Text(note) + QStringLiteral("。");
  return {{first, second, Text(SignificanceText(r)) + QStringLiteral("。")},
          {QStringLiteral("命中率 ÷ 占比为 1，表示不比随机买同样多的号码强；大于 1 "
                          "才说明这些条件比随机好，小于 1 说明还不如随机。"),
           Text(TuningWarningText())}};
}

QString ConditionHeader(int column) {
  static const char* const kHeaders[kConditionColumns] = {"条件",      "杀中期数",   "误杀率",
                                                          "当前未杀",  "最长未杀",   "杀号率",
                                                          "误杀÷杀号", "去掉后注数", "去掉后中奖"};
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
      "去掉这个条件（其他条件和容错不变）后缩水剩几注",
      "去掉这个条件后，回测的各期里能保留几期"};
  return QString::fromUtf8(kTips[column]);
}

QString ConditionCell(const BacktestReport& r, int i, int column) {
  const ConditionRecord& c = r.conditions[i];
  switch (column) {
    case kCondName:
      return Text(c.name);
    case kCondKilled:
      return QString::number(c.killed);
    case kCondRate:
      return PercentText(c.killRate);
    case kCondCurrentStreak:
      return QString::number(c.currentStreak);
    case kCondLongestStreak:
      return QString::number(c.longestStreak);
  }
  // The worth columns only when the back-test filled them for these very conditions.
  if (r.decision.worth.size() != r.conditions.size()) return {};
  const ConditionWorth& w = r.decision.worth[i];
  switch (column) {
    case kCondKillShare:
      return PercentText(w.killShare);
    case kCondRatio:
      return w.ratio ? QString::number(*w.ratio, 'f', 2) : QStringLiteral("无");
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

QString BacktestReportTsv(const BacktestReport& r) {
  const SummaryText summary = BacktestSummary(r);
  QStringList lines = summary.figures + summary.notes;
  lines << QString();
  QStringList header;
  for (int c = 0; c < kConditionColumns; ++c) header << ConditionHeader(c);
  lines << header.join(QLatin1Char('\t'));
  for (int i = 0; i < static_cast<int>(r.conditions.size()); ++i) {
    QStringList cells;
    for (int c = 0; c < kConditionColumns; ++c) cells << ConditionCell(r, i, c);
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
