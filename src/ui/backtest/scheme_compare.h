#pragma once
// 方案对比: the current conditions and saved scheme files back-tested on the same draws, one
// row each in a table, and the kept draws accumulated over the period in one chart, each
// scheme against its own random expectation (its share × draws).

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QWidget>
#include <span>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "run/backtest_report.h"

class QChartView;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

class SchemeCompareModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column {
    Scheme,
    Results,
    Share,
    Kept,
    Tested,
    HitRate,
    Ratio,
    PValue,
    PHolm,
    Cost,
    Won,
    Return,
    Count
  };

  explicit SchemeCompareModel(QObject* parent = nullptr);
  void setSchemes(std::vector<SchemeBacktest> schemes);
  // The colour of scheme `row`'s name and of its lines.
  static QColor colour(int row);
  const std::vector<SchemeBacktest>& schemes() const { return schemes_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  std::vector<SchemeBacktest> schemes_;
  std::vector<double> pHolm_;
};

// Kept draws so far after each draw (x from 1), at most about 1000 points: a
// count that only grows loses nothing visible by skipping draws between points.
QList<QPointF> KeptSoFar(const std::vector<DrawVerdict>& verdicts);

class SchemeCompare : public QWidget {
  Q_OBJECT
 public:
  SchemeCompare(widgets::Dialogs& dialogs, QWidget* parent = nullptr);

  // 添加方案文件…: files through the open-file dialog (several at once), each read at once;
  // the ones refused are named with their reasons in one message. Returns how many were added.
  int addSchemeFiles();
  void removeSelected();
  // Back-tests "当前条件" (current) and every added scheme on the draws, same base set, money
  // bought by `money`; previous is the draw before them that 按上期 rows read, if any.
  void compare(const Conditions& current, const DigitTable& baseSet,
               std::span<const history::Draw> draws, const history::Draw* previous = nullptr,
               const MoneyRules& money = {});
  // The table no longer holds for what the window shows: a red line says so until the next
  // 开始对比.
  void setStale(bool stale);

  QListWidget* schemeList() const { return list_; }
  SchemeCompareModel* model() const { return model_; }
  QChartView* chart() const { return chart_; }
  QChartView* balanceChart() const { return balanceChart_; }
  QLabel* luckLabel() const { return luck_; }
  QLabel* staleLabel() const { return stale_; }

 signals:
  void compareRequested();  // the window gathers 当前条件 and calls compare()

 private:
  void fillChart();
  void fillBalanceChart();

  widgets::Dialogs& dialogs_;
  struct SchemeFile {
    QString path;
    Conditions conditions;
  };
  std::vector<SchemeFile> files_;
  QListWidget* list_ = nullptr;
  QPushButton* removeButton_ = nullptr;
  SchemeCompareModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QChartView* chart_ = nullptr;
  QChartView* balanceChart_ = nullptr;
  QLabel* luck_ = nullptr;
  QLabel* stale_ = nullptr;
};

}  // namespace torvane::ui
