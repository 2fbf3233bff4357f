#pragma once
// The "条件回测" page: the current conditions tried on the last draws of the history, as a
// summary, a table per condition, a table per draw and two charts.

#include <QWidget>
#include <memory>
#include <optional>
#include <span>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "ui/backtest/backtest_models.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

using widgets::Dialogs;

class BacktestCharts;
class DrawStore;
class MoneyBox;
class MoneyChart;
class PageHost;
class SchemeCompare;
struct BacktestJob;

class BacktestPage : public QWidget {
  Q_OBJECT
 public:
  BacktestPage(PageHost& host, QWidget* parent = nullptr);
  ~BacktestPage() override;

  // Back-tests the chosen range of the history with the money and holdout boxes. False when
  // there is nothing to test or a box is refused (the page says why); throws RunError as a
  // run does, leaving the last report shown. A long back-test (按上期 rows over more than
  // kForegroundDraws draws) runs on another thread: run() returns at once and the report
  // shows when it is done, unless 取消 stops it first.
  bool run(const Conditions& conditions, const DigitTable& baseSet);
  static constexpr int kForegroundDraws = 100;
  bool busy() const { return job_ != nullptr; }
  void cancel();  // 取消: the back-test in progress stops, the last report stays
  // "回测当前条件": the conditions, base set and tolerance 开始缩水 would use, with its message
  // when a box cannot be read.
  void runShownConditions();
  // The report shown; null before the first back-test.
  const BacktestReport* report() const { return report_.get(); }
  void copyReport();  // 复制报告
  // The conditions and base set the window shows now: the report says it is stale when they
  // are not the ones it was made with.
  void compareConditions(const Conditions& shown, const DigitTable& baseSet);
  // 方案对比: the current conditions and the added schemes on the chosen draws. False when
  // there is nothing to test.
  bool compareSchemes(const Conditions& current, const DigitTable& baseSet);

  QComboBox* rangeBox() const { return range_; }
  QPushButton* runButton() const { return runButton_; }
  QLabel* summaryLabel() const { return summary_; }
  QLabel* staleLabel() const { return staleNote_; }
  QComboBox* drawFilterBox() const { return drawShow_; }
  DrawFilterModel* drawProxy() const { return drawProxy_; }
  QTableView* conditionView() const { return conditionView_; }
  QTableView* drawView() const { return drawView_; }
  ConditionStatsModel* conditionModel() const { return conditionModel_; }
  QSortFilterProxyModel* conditionProxy() const { return conditionProxy_; }
  DrawVerdictModel* drawModel() const { return drawModel_; }
  BacktestCharts* charts() const { return charts_; }
  QTabWidget* parts() const { return parts_; }
  QTableView* toleranceView() const { return toleranceView_; }
  ToleranceTableModel* toleranceModel() const { return toleranceModel_; }
  QLabel* toleranceNote() const { return toleranceNote_; }
  SchemeCompare* schemeCompare() const { return compare_; }
  MoneyBox* moneyBox() const { return moneyBox_; }
  MoneyChart* moneyChart() const { return moneyChart_; }
  QLabel* heldOutLabel() const { return heldOut_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QProgressBar* progressBar() const { return progress_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* buildControls();
  void buildTables();
  QWidget* buildResultTab();
  QWidget* buildToleranceTab();
  std::span<const history::Draw> chosenDraws();
  const history::Draw* drawBefore(std::span<const history::Draw> draws) const;
  void chooseTolerance(const QModelIndex& index);
  void compareShownConditions();
  void showReport(BacktestPtr report);
  void startJob(const Conditions& conditions, const DigitTable& baseSet,
                std::span<const history::Draw> draws, const history::Draw* previous,
                const BacktestOptions& options);
  void finishJob();
  void showHeldOut();
  void showStoreState();
  void showStaleNote();
  void drawSelected(const QModelIndex& current);
  void conditionSelected(const QModelIndex& current);

  PageHost& host_;
  Dialogs& dialogs_;
  DrawStore& store_;
  BacktestPtr report_;
  Conditions madeWith_;
  DigitTable madeOn_;
  bool historyChanged_ = false;  // since the report was made
  bool conditionsChanged_ = false;
  // 方案对比 was made with these; it says it is stale as the report does.
  std::optional<std::pair<Conditions, DigitTable>> comparedWith_;
  std::shared_ptr<BacktestJob> job_;
  QThread* thread_ = nullptr;
  QTimer* progressTimer_ = nullptr;
  std::optional<ToleranceRange> chosenTolerance_;  // from the table, until the next report

  QComboBox* range_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QPushButton* copyButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  MoneyBox* moneyBox_ = nullptr;
  MoneyChart* moneyChart_ = nullptr;
  QLabel* heldOut_ = nullptr;
  QLabel* historyCount_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* explanation_ = nullptr;
  QLabel* staleNote_ = nullptr;
  QTabWidget* parts_ = nullptr;
  QComboBox* drawShow_ = nullptr;
  DrawFilterModel* drawProxy_ = nullptr;
  ToleranceTableModel* toleranceModel_ = nullptr;
  QTableView* toleranceView_ = nullptr;
  QLabel* toleranceNote_ = nullptr;
  SchemeCompare* compare_ = nullptr;
  ConditionStatsModel* conditionModel_ = nullptr;
  QSortFilterProxyModel* conditionProxy_ = nullptr;
  DrawVerdictModel* drawModel_ = nullptr;
  QTableView* conditionView_ = nullptr;
  QTableView* drawView_ = nullptr;
  BacktestCharts* charts_ = nullptr;
};

}  // namespace torvane::ui
