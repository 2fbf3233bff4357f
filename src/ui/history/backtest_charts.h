#pragma once
// The two charts of the back-test page: failed conditions per draw over the tested draws with
// the tolerance band shaded, and each condition's kill rate. Both follow the tables'
// selection: a marker on the selected draw, the marked conditions' bars in another colour.

#include <QList>
#include <QObject>
#include <QPointF>
#include <cstdint>
#include <vector>

#include "ui/history/backtest_models.h"

class QAreaSeries;
class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QWidget;

namespace torvane::ui {

// At most this many points in the per-draw line: more than a chart has pixels across.
constexpr int kMaxChartPoints = 1000;

// The per-draw line: one point per draw (x from 1, oldest first) up to kMaxChartPoints draws;
// beyond that each run of neighbouring draws gives its lowest and highest point, so no miss
// and no kept draw disappears from the picture.
QList<QPointF> FailedLine(const std::vector<DrawVerdict>& verdicts);

// Owns the chart views; the page places them (the rates under the condition table, the
// per-draw line under the draw table).
class BacktestCharts : public QObject {
  Q_OBJECT
 public:
  explicit BacktestCharts(QWidget* viewParent);

  void setReport(BacktestPtr report);
  // drawIndex oldest first; -1 for none.
  void setSelectedDraw(int drawIndex);
  void setHighlight(uint64_t conditionMask);

  QLineSeries* failedSeries() const { return failed_; }
  QAreaSeries* toleranceBand() const { return band_; }
  QScatterSeries* marker() const { return marker_; }
  QBarSet* rateSet() const { return rates_; }
  QBarSet* highlightSet() const { return marked_; }
  QChartView* failedView() const { return failedView_; }
  QChartView* rateView() const { return rateView_; }

 private:
  void buildFailedChart(QWidget* viewParent);
  void buildRateChart(QWidget* viewParent);
  void fillRates();

  BacktestPtr report_;
  uint64_t highlight_ = 0;

  QChartView* failedView_ = nullptr;
  QLineSeries* failed_ = nullptr;
  QLineSeries* bandTop_ = nullptr;
  QLineSeries* bandBottom_ = nullptr;
  QAreaSeries* band_ = nullptr;
  QScatterSeries* marker_ = nullptr;
  QValueAxis* drawAxis_ = nullptr;
  QValueAxis* failedAxis_ = nullptr;

  QChartView* rateView_ = nullptr;
  QBarSet* rates_ = nullptr;
  QBarSet* marked_ = nullptr;
  QBarCategoryAxis* conditionAxis_ = nullptr;
  QValueAxis* rateAxis_ = nullptr;
};

}  // namespace torvane::ui
