#pragma once
// The "走势图" page: the trend chart of the last draws of the store, newest at the bottom.

#include <QAbstractScrollArea>
#include <QWidget>

#include "ui/analysis/trend_chart.h"
#include "ui/analysis/trend_painter.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace torvane::ui {

class DrawStore;
class PageHost;

// Scrolls the chart by whole draw rows; the header and the statistics rows stay in place.
class TrendView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit TrendView(QWidget* parent = nullptr);

  // Shows the chart scrolled to its newest draw.
  void setChart(TrendChart chart);
  void setOptions(const TrendPaintOptions& options);
  const TrendChart& chart() const { return chart_; }
  const TrendGeometry& chartGeometry() const { return geometry_; }
  int firstRow() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool viewportEvent(QEvent* e) override;

 private:
  void relayout();
  QString toolTipAt(QPoint pos) const;

  TrendChart chart_;
  TrendGeometry geometry_;
  TrendPaintOptions options_;
};

class TrendPage : public QWidget {
  Q_OBJECT
 public:
  TrendPage(PageHost& host, QWidget* parent = nullptr);

  TrendView* view() const { return view_; }
  QComboBox* windowBox() const { return window_; }
  QCheckBox* omissionBox() const { return omission_; }
  QCheckBox* linesBox() const { return lines_; }
  QLabel* noticeLabel() const { return notice_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void refresh();
  void applyOptions();

  DrawStore& store_;
  TrendView* view_ = nullptr;
  QComboBox* window_ = nullptr;
  QCheckBox* omission_ = nullptr;
  QCheckBox* lines_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* notice_ = nullptr;
};

}  // namespace torvane::ui
