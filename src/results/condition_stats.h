#pragma once
// What the last run's kill table says: how many candidates each applied condition killed,
// and how many candidates each number of failed conditions leaves, so the player sees what
// every fault tolerance would keep without running again.

#include <QString>
#include <QStringList>
#include <vector>

namespace torvane::results {

struct ConditionKill {
  QString name;  // as the window and torvane-cli run --stats name the condition
  int killed = 0;
};

struct ConditionStats {
  int candidates = 0;
  std::vector<ConditionKill> kills;  // applied conditions in run order
  std::vector<int> killSumCounts;    // [j]: candidates killed by exactly j of them
};

// One row of the tolerance table: "错 j 个条件", exactly j, and 0 … j together (what a
// tolerance of 0-j keeps).
struct ToleranceRow {
  QString label;
  int exactly = 0;
  int upTo = 0;
};
std::vector<ToleranceRow> ToleranceRows(const ConditionStats& stats);

QStringList KillTableHeader();       // 条件, 杀号注数
QStringList ToleranceTableHeader();  // 容错, 注数, 容错0至此合计

// Both tables as tab-separated lines, each under its header, a blank line between.
QString ConditionStatsText(const ConditionStats& stats);

}  // namespace torvane::results
