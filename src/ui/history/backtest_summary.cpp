#include "ui/history/backtest_summary.h"

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

QStringList BacktestSummary(const BacktestReport& r) {
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
  if (outsideBase > 0) first += QStringLiteral("；其中 %1 期不在大底").arg(outsideBase);
  first += QStringLiteral("。");

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
  return {first, second,
          QStringLiteral("命中率 ÷ 占比为 1，表示不比随机买同样多的号码强；大于 1 "
                         "才说明这些条件比随机好，小于 1 说明还不如随机。")};
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
  QStringList lines = BacktestSummary(r);
  lines << QString();
  lines << QStringLiteral("条件\t杀中奖号期数\t比例\t当前连续未杀\t最长连续未杀");
  for (const ConditionRecord& c : r.conditions)
    lines << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                 .arg(Text(c.name))
                 .arg(c.killed)
                 .arg(PercentText(c.killRate))
                 .arg(c.currentStreak)
                 .arg(c.longestStreak);
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
