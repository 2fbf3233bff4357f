#include "ui/backtest/money_chart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ui/backtest/backtest_charts.h"

namespace torvane::ui {

QList<QPointF> BalanceLine(std::span<const MoneyPoint> curve) {
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(curve.size()) + 1);
  points.append(QPointF(0, 0));
  for (const MoneyPoint& p : curve)
    points.append(QPointF(p.draw + 1, static_cast<double>(p.balance)));
  return points;
}

MoneyChart::MoneyChart(QWidget* parent) : QChartView(parent) {
  setObjectName(QStringLiteral("chtBacktestMoney"));
  setRenderHint(QPainter::Antialiasing);
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  chart->setTitle(QStringLiteral("累计盈亏（点“回测当前条件”后画出）"));
  chart->legend()->setAlignment(Qt::AlignTop);
  setChart(chart);

  low_ = new QLineSeries(chart);
  high_ = new QLineSeries(chart);
  band_ = new QAreaSeries(high_, low_);
  band_->setName(QStringLiteral("随机 95% 范围"));
  band_->setColor(QColor(120, 160, 230, 70));
  band_->setBorderColor(QColor(120, 160, 230, 140));
  expected_ = new QLineSeries(chart);
  expected_->setName(QStringLiteral("随机平均"));
  QPen dashed(QColor(60, 90, 180), 1, Qt::DashLine);
  dashed.setCosmetic(true);
  expected_->setPen(dashed);
  balance_ = new QLineSeries(chart);
  balance_->setName(QStringLiteral("这些条件的累计盈亏"));
  QPen solid(QColor(200, 30, 30), 2);
  solid.setCosmetic(true);
  balance_->setPen(solid);

  x_ = new QValueAxis(chart);
  x_->setTitleText(QStringLiteral("回测的第几期（左旧右新）"));
  x_->setLabelFormat(QStringLiteral("%d"));
  y_ = new QValueAxis(chart);
  y_->setTitleText(QStringLiteral("元"));
  y_->setLabelFormat(QStringLiteral("%.0f"));
  chart->addAxis(x_, Qt::AlignBottom);
  chart->addAxis(y_, Qt::AlignLeft);
  for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{band_, expected_, balance_}) {
    chart->addSeries(s);
    s->attachAxis(x_);
    s->attachAxis(y_);
  }
  setMinimumSize(200, 160);
}

void MoneyChart::setReport(BacktestPtr report) {
  QList<QPointF> balance, expected, low, high;
  double bottom = 0, top = 1;
  const int n = report ? static_cast<int>(report->money.size()) : 0;
  if (report) {
    const std::vector<MoneyPoint> curve = MoneyCurve(report->money, kMoneyPoints);
    balance = BalanceLine(curve);
    for (QList<QPointF>* line : {&expected, &low, &high}) line->append(QPointF(0, 0));
    for (const MoneyPoint& p : curve) {
      expected.append(QPointF(p.draw + 1, p.expected));
      low.append(QPointF(p.draw + 1, p.low));
      high.append(QPointF(p.draw + 1, p.high));
      bottom = std::min({bottom, p.low, static_cast<double>(p.balance)});
      top = std::max({top, p.high, static_cast<double>(p.balance)});
    }
  }
  balance_->replace(balance);
  expected_->replace(expected);
  low_->replace(low);
  high_->replace(high);
  const double margin = (top - bottom) * 0.05;
  SetTicks(x_, 0, std::max(1, n));
  y_->setTickType(QValueAxis::TicksFixed);
  y_->setTickCount(7);
  y_->setRange(std::floor(bottom - margin), std::ceil(top + margin));
  y_->applyNiceNumbers();
  chart()->setTitle(report ? QStringLiteral("累计盈亏：每期买下全部缩水结果（实线），"
                                            "随机选同样多号码的平均（虚线）和 95% 范围（阴影）")
                           : QStringLiteral("累计盈亏（点“回测当前条件”后画出）"));
}

}  // namespace torvane::ui

#include "moc_money_chart.cpp"
