#pragma once
// The two charts of the back-test page: the draws over time and each condition's kill rate.
// Up to kDetailDraws draws the time chart shows the failed conditions of every draw with the
// tolerance band shaded; over more it shows the hit rate per kBlockDraws draws against the
// random expectation, and a range zoomed to kDetailDraws or fewer shows every draw again.
// Both follow the tables' selection: a marker on the selected draw, the marked conditions'
// bars in another colour.

#include <QList>
#include <QObject>
#include <QPointF>
#include <cstdint>
#include <vector>

#include "ui/backtest/backtest_models.h"

class QAreaSeries;
class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QScrollArea;
class QValueAxis;
class QWidget;

namespace torvane::ui {

constexpr int kDetailDraws = 300;
constexpr int kBlockDraws = 30;

// Round ticks from 0 (1, 2 or 5 times a power of ten) on an axis from `low` to `high`, about
// five to ten of them.
void SetTicks(QValueAxis* axis, double low, double high);

// One point per draw from `first` to `last` (0-based, inclusive): x from 1, y its failed count.
QList<QPointF> FailedLine(const std::vector<DrawVerdict>& verdicts, int first, int last);
// Kept draws per block of kBlockDraws (the last block may be shorter) in percent, at the
// block's middle draw.
QList<QPointF> BlockHitRates(const std::vector<DrawVerdict>& verdicts);

// Owns the chart views; the page places them (the rates under the condition table, the
// per-draw chart under the draw table).
class BacktestCharts : public QObject {
  Q_OBJECT
 public:
  explicit BacktestCharts(QWidget* viewParent);

  void setReport(BacktestPtr report);
  // drawIndex oldest first; -1 for none.
  void setSelectedDraw(int drawIndex);
  void setHighlight(uint64_t conditionMask);
  // Shows draws first..last (1-based, as on the axis), as a zoom does.
  void showDraws(double first, double last);
  bool showsEveryDraw() const;

  QLineSeries* failedSeries() const { return failed_; }
  QLineSeries* blockSeries() const { return blocks_; }
  QAreaSeries* toleranceBand() const { return band_; }
  QScatterSeries* marker() const { return marker_; }
  QValueAxis* drawAxis() const { return drawAxis_; }
  // Condition i's bar (run order, drawn top to bottom).
  double rateBar(int condition) const;
  double markedBar(int condition) const;
  QStringList conditionLabels() const;  // top to bottom
  QChartView* failedView() const { return failedView_; }
  QChartView* rateView() const { return rateView_; }
  QScrollArea* rateArea() const { return rateArea_; }

 private:
  void buildFailedChart(QWidget* viewParent);
  void buildRateChart(QWidget* viewParent);
  void fillTimeChart(double first, double last);
  void fillRates();
  void placeMarker();

  BacktestPtr report_;
  uint64_t highlight_ = 0;
  int selected_ = -1;
  bool detail_ = true;
  bool filling_ = false;
  int topFailed_ = 0;

  QChartView* failedView_ = nullptr;
  QLineSeries* failed_ = nullptr;
  QLineSeries* blocks_ = nullptr;
  QLineSeries* expected_ = nullptr;
  QLineSeries* bandTop_ = nullptr;
  QLineSeries* bandBottom_ = nullptr;
  QAreaSeries* band_ = nullptr;
  QScatterSeries* marker_ = nullptr;
  QValueAxis* drawAxis_ = nullptr;
  QValueAxis* yAxis_ = nullptr;

  QScrollArea* rateArea_ = nullptr;
  QChartView* rateView_ = nullptr;
  QBarSet* rates_ = nullptr;
  QBarSet* marked_ = nullptr;
  QBarCategoryAxis* conditionAxis_ = nullptr;
  QValueAxis* rateAxis_ = nullptr;
};

}  // namespace torvane::ui
