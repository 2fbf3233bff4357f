#pragma once
// 方案对比: the current conditions and saved scheme files back-tested on the same draws, one
// row each in a table, and the kept draws accumulated over the period in one chart, each
// scheme against its own random expectation (its share × draws).

#include <QAbstractTableModel>
#include <QList>
#include <QPointF>
#include <QWidget>
#include <span>
#include <vector>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "run/backtest_report.h"

class QChartView;
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
  enum Column { Scheme, Results, Share, Kept, Tested, HitRate, Ratio, PValue, Count };

  explicit SchemeCompareModel(QObject* parent = nullptr);
  void setSchemes(std::vector<SchemeBacktest> schemes);
  const std::vector<SchemeBacktest>& schemes() const { return schemes_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;

 private:
  std::vector<SchemeBacktest> schemes_;
};

// Kept draws so far after each draw (x from 1), at most about 1000 points: a
// count that only grows loses nothing visible by skipping draws between points.
QList<QPointF> KeptSoFar(const std::vector<DrawVerdict>& verdicts);

class SchemeCompare : public QWidget {
  Q_OBJECT
 public:
  SchemeCompare(widgets::Dialogs& dialogs, QWidget* parent = nullptr);

  // 添加方案文件…: a file through the open-file dialog, read at once; false after a message.
  bool addSchemeFile();
  void removeSelected();
  // Back-tests "当前条件" (current) and every added scheme on the draws, same base set;
  // previous is the draw before them that 按上期 rows read, if the history has it.
  void compare(const Conditions& current, const DigitTable& baseSet,
               std::span<const history::Draw> draws, const history::Draw* previous = nullptr);

  QListWidget* schemeList() const { return list_; }
  SchemeCompareModel* model() const { return model_; }
  QChartView* chart() const { return chart_; }

 signals:
  void compareRequested();  // the window gathers 当前条件 and calls compare()

 private:
  void fillChart();

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
};

}  // namespace torvane::ui
