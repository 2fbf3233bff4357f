#pragma once
// 条件统计: the last run's kills per condition and what every fault tolerance keeps, in a
// small modeless window with a 复制 button (tab-separated text).

#include <QWidget>

#include "results/condition_stats.h"

class QLabel;
class QTableWidget;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::results {

using widgets::Dialogs;

class ConditionStatsWindow : public QWidget {  // frmConditionStats
  Q_OBJECT
 public:
  explicit ConditionStatsWindow(Dialogs& dialogs, QWidget* parent = nullptr);

  void setStats(const ConditionStats& stats);
  const ConditionStats& stats() const { return stats_; }

  QTableWidget* killTable() const { return kills_; }
  QTableWidget* toleranceTable() const { return tolerance_; }

 private:
  Dialogs& dialogs_;
  ConditionStats stats_;
  QLabel* summary_;
  QTableWidget* kills_;
  QTableWidget* tolerance_;
};

}  // namespace torvane::results
