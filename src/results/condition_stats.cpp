#include "results/condition_stats.h"

namespace torvane::results {

std::vector<ToleranceRow> ToleranceRows(const ConditionStats& stats) {
  std::vector<ToleranceRow> rows;
  int upTo = 0;
  for (size_t j = 0; j < stats.killSumCounts.size(); ++j) {
    upTo += stats.killSumCounts[j];
    rows.push_back({QStringLiteral("错 %1 个条件").arg(j), stats.killSumCounts[j], upTo});
  }
  return rows;
}

QStringList KillTableHeader() {
  return {QStringLiteral("条件"), QStringLiteral("杀号注数")};
}

QStringList ToleranceTableHeader() {
  return {QStringLiteral("容错"), QStringLiteral("注数"), QStringLiteral("容错0至此合计")};
}

QString ConditionStatsText(const ConditionStats& stats) {
  const QString tab = QStringLiteral("\t");
  QStringList lines;
  lines << KillTableHeader().join(tab);
  for (const ConditionKill& k : stats.kills) lines << k.name + tab + QString::number(k.killed);
  lines << QString();
  lines << ToleranceTableHeader().join(tab);
  for (const ToleranceRow& r : ToleranceRows(stats))
    lines << r.label + tab + QString::number(r.exactly) + tab + QString::number(r.upTo);
  return lines.join(QStringLiteral("\r\n"));
}

}  // namespace torvane::results
