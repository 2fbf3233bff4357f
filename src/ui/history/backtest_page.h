#pragma once
// The "条件回测" page: the current conditions tried on the last draws of the history, as a
// summary, a table per condition, a table per draw and two charts.

#include <QWidget>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "ui/history/backtest_models.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

using widgets::Dialogs;

class BacktestCharts;
class DrawStore;

class BacktestPage : public QWidget {
  Q_OBJECT
 public:
  BacktestPage(Dialogs& dialogs, DrawStore& store, QWidget* parent = nullptr);

  // Back-tests the chosen range of the history. False when there is nothing to test (the
  // page says why); throws RunError as a run does, leaving the last report shown.
  bool run(const Conditions& conditions, const DigitTable& baseSet);
  // The report shown; null before the first back-test.
  const BacktestReport* report() const { return report_.get(); }
  void copyReport();  // 复制报告

  QComboBox* rangeBox() const { return range_; }
  QPushButton* runButton() const { return runButton_; }
  QLabel* summaryLabel() const { return summary_; }
  QTableView* conditionView() const { return conditionView_; }
  QTableView* drawView() const { return drawView_; }
  ConditionStatsModel* conditionModel() const { return conditionModel_; }
  QSortFilterProxyModel* conditionProxy() const { return conditionProxy_; }
  DrawVerdictModel* drawModel() const { return drawModel_; }
  BacktestCharts* charts() const { return charts_; }

 signals:
  // "回测当前条件": the window gathers the conditions as 开始缩水 does and calls run().
  void runRequested();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* buildControls();
  void buildTables();
  void showReport(BacktestPtr report);
  void showStoreState();
  void drawSelected(const QModelIndex& current);
  void conditionSelected(const QModelIndex& current);

  Dialogs& dialogs_;
  DrawStore& store_;
  BacktestPtr report_;
  bool stale_ = false;  // the history changed after the report was made

  QComboBox* range_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QPushButton* copyButton_ = nullptr;
  QLabel* historyCount_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* explanation_ = nullptr;
  ConditionStatsModel* conditionModel_ = nullptr;
  QSortFilterProxyModel* conditionProxy_ = nullptr;
  DrawVerdictModel* drawModel_ = nullptr;
  QTableView* conditionView_ = nullptr;
  QTableView* drawView_ = nullptr;
  BacktestCharts* charts_ = nullptr;
};

}  // namespace torvane::ui
