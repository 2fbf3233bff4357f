#pragma once
// 累计盈亏: the balance of buying the whole result at every tested draw, random play's
// expected balance and the band it lands in 95 times in 100. Points are thinned to about the
// chart's width, so 30 draws and thousands read alike.

#include <QChartView>
#include <QList>
#include <QPointF>
#include <span>

#include "run/money.h"
#include "ui/backtest/backtest_models.h"

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace torvane::ui {

// At most this many points a line.
constexpr int kMoneyPoints = 800;

// The curve's balance (x: the draw from 1, y: yuan), starting from (0, 0).
QList<QPointF> BalanceLine(std::span<const MoneyPoint> curve);

class MoneyChart : public QChartView {
  Q_OBJECT
 public:
  explicit MoneyChart(QWidget* parent = nullptr);
  void setReport(BacktestPtr report);

  QLineSeries* balanceSeries() const { return balance_; }
  QLineSeries* expectedSeries() const { return expected_; }
  QAreaSeries* band() const { return band_; }

 private:
  QLineSeries* balance_ = nullptr;
  QLineSeries* expected_ = nullptr;
  QLineSeries* low_ = nullptr;
  QLineSeries* high_ = nullptr;
  QAreaSeries* band_ = nullptr;
  QValueAxis* x_ = nullptr;
  QValueAxis* y_ = nullptr;
};

}  // namespace torvane::ui
