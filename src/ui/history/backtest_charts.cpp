#include "ui/history/backtest_charts.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace torvane::ui {

namespace {

const QColor kLine(40, 90, 200);
const QColor kBand(120, 200, 120, 90);
const QColor kMarker(220, 0, 0);
const QColor kRate(90, 130, 200);
const QColor kMarked(240, 160, 0);

QChart* PlainChart(const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  return chart;
}

QChartView* View(QChart* chart, QWidget* parent, const char* name) {
  auto* view = new QChartView(chart, parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setRenderHint(QPainter::Antialiasing, false);
  view->setMinimumSize(200, 160);
  return view;
}

// 1, 2 or 5 times a power of ten, at least `least`.
double NiceStep(double least) {
  double power = 1;
  while (power * 10 <= least) power *= 10;
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power >= least) return m * power;
  return 10 * power;
}

}  // namespace

QList<QPointF> FailedLine(const std::vector<DrawVerdict>& verdicts) {
  const int n = static_cast<int>(verdicts.size());
  QList<QPointF> points;
  if (n <= kMaxChartPoints) {
    points.reserve(n);
    for (int i = 0; i < n; ++i) points.append(QPointF(i + 1, verdicts[i].failed));
    return points;
  }
  // Runs of neighbouring draws, each drawn as its lowest and its highest draw in draw order:
  // the line covers the same heights as one point per draw would.
  const int step = (2 * n + kMaxChartPoints - 1) / kMaxChartPoints;
  points.reserve(2 * (n / step + 1));
  for (int first = 0; first < n; first += step) {
    const int end = std::min(n, first + step);
    int lo = first, hi = first;
    for (int i = first; i < end; ++i) {
      if (verdicts[i].failed < verdicts[lo].failed) lo = i;
      if (verdicts[i].failed > verdicts[hi].failed) hi = i;
    }
    for (int i : {std::min(lo, hi), std::max(lo, hi)})
      points.append(QPointF(i + 1, verdicts[i].failed));
  }
  return points;
}

BacktestCharts::BacktestCharts(QWidget* viewParent) : QObject(viewParent) {
  buildFailedChart(viewParent);
  buildRateChart(viewParent);
  setReport(nullptr);
}

void BacktestCharts::buildFailedChart(QWidget* viewParent) {
  QChart* chart =
      PlainChart(QStringLiteral("每期开奖号码错几个条件（绿带为容错范围，带内即保留）"));
  failed_ = new QLineSeries(chart);
  failed_->setName(QStringLiteral("错几个条件"));
  QPen pen(kLine, 1);
  pen.setCosmetic(true);  // one pixel whatever the scale: the fast stroker, no joins to work out
  failed_->setPen(pen);
  bandTop_ = new QLineSeries(chart);
  bandBottom_ = new QLineSeries(chart);
  band_ = new QAreaSeries(bandTop_, bandBottom_);
  band_->setName(QStringLiteral("容错范围"));
  band_->setBrush(kBand);
  band_->setPen(Qt::NoPen);
  marker_ = new QScatterSeries(chart);
  marker_->setName(QStringLiteral("所选的一期"));
  marker_->setColor(kMarker);
  marker_->setBorderColor(kMarker);
  marker_->setMarkerSize(9);
  chart->addSeries(band_);
  chart->addSeries(failed_);
  chart->addSeries(marker_);

  drawAxis_ = new QValueAxis(chart);
  drawAxis_->setTitleText(QStringLiteral("回测的第几期（左旧右新）"));
  drawAxis_->setLabelFormat(QStringLiteral("%d"));
  drawAxis_->setTickType(QValueAxis::TicksDynamic);
  failedAxis_ = new QValueAxis(chart);
  failedAxis_->setLabelFormat(QStringLiteral("%d"));
  failedAxis_->setTickType(QValueAxis::TicksDynamic);
  failedAxis_->setTitleText(QStringLiteral("错几个条件"));
  for (QAbstractAxis* axis :
       {static_cast<QAbstractAxis*>(drawAxis_), static_cast<QAbstractAxis*>(failedAxis_)})
    axis->setTruncateLabels(false);
  chart->addAxis(drawAxis_, Qt::AlignBottom);
  chart->addAxis(failedAxis_, Qt::AlignLeft);
  for (QAbstractSeries* s :
       {static_cast<QAbstractSeries*>(band_), static_cast<QAbstractSeries*>(failed_),
        static_cast<QAbstractSeries*>(marker_)}) {
    s->attachAxis(drawAxis_);
    s->attachAxis(failedAxis_);
  }
  chart->legend()->setAlignment(Qt::AlignBottom);
  failedView_ = View(chart, viewParent, "chtBacktestFailed");
}

void BacktestCharts::buildRateChart(QWidget* viewParent) {
  QChart* chart = PlainChart(QStringLiteral("各条件杀中奖号的比例（%）"));
  auto* series = new QStackedBarSeries(chart);
  rates_ = new QBarSet(QStringLiteral("杀中比例"), series);
  rates_->setColor(kRate);
  marked_ = new QBarSet(QStringLiteral("所选"), series);
  marked_->setColor(kMarked);
  series->append(rates_);
  series->append(marked_);
  series->setBarWidth(0.8);
  chart->addSeries(series);
  conditionAxis_ = new QBarCategoryAxis(chart);
  conditionAxis_->setLabelsAngle(-90);
  QFont small = conditionAxis_->labelsFont();
  small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1));
  conditionAxis_->setLabelsFont(small);
  rateAxis_ = new QValueAxis(chart);
  rateAxis_->setLabelFormat(QStringLiteral("%.0f"));
  rateAxis_->setTickType(QValueAxis::TicksDynamic);
  conditionAxis_->setTruncateLabels(false);
  rateAxis_->setTruncateLabels(false);
  chart->addAxis(conditionAxis_, Qt::AlignBottom);
  chart->addAxis(rateAxis_, Qt::AlignLeft);
  series->attachAxis(conditionAxis_);
  series->attachAxis(rateAxis_);
  chart->legend()->hide();
  connect(series, &QStackedBarSeries::hovered, this, [this](bool on, int index, QBarSet*) {
    if (!on || !report_ || index < 0 || index >= static_cast<int>(report_->conditions.size())) {
      QToolTip::hideText();
      return;
    }
    const ConditionRecord& c = report_->conditions[index];
    QToolTip::showText(QCursor::pos(), QStringLiteral("%1：杀中 %2 期，%3%")
                                           .arg(QString::fromStdString(c.name))
                                           .arg(c.killed)
                                           .arg(c.killRate * 100, 0, 'f', 2));
  });
  rateView_ = View(chart, viewParent, "chtBacktestRates");
}

void BacktestCharts::setReport(BacktestPtr report) {
  report_ = std::move(report);
  highlight_ = 0;
  const int n = report_ ? static_cast<int>(report_->draws.size()) : 0;

  int top = 0;
  if (report_)
    for (const DrawVerdict& v : report_->judged.draws) top = std::max(top, v.failed);
  failed_->replace(report_ ? FailedLine(report_->judged.draws) : QList<QPointF>());

  const ToleranceRange tol = report_ ? report_->judged.tolerance : ToleranceRange{};
  const int right = std::max(2, n);
  // A band of zero height (tolerance 0-0) would vanish: widen it by a little each way.
  bandTop_->replace({QPointF(1, tol.max + 0.35), QPointF(right, tol.max + 0.35)});
  bandBottom_->replace({QPointF(1, tol.min - 0.35), QPointF(right, tol.min - 0.35)});
  // The interval first: a long range under the old interval would lay out a tick per draw.
  drawAxis_->setTickInterval(NiceStep(right / 6.0));
  drawAxis_->setTickAnchor(0);
  drawAxis_->setRange(1, right);
  // Whole numbers on the axis: ticks from 0 in steps that leave at most about ten labels.
  const int high = std::max<int>(top, tol.max) + 1;
  failedAxis_->setTickInterval(std::max(1, (high + 9) / 10));
  failedAxis_->setTickAnchor(0);
  failedAxis_->setRange(-0.5, high);
  marker_->clear();

  QStringList names;
  if (report_)
    for (const ConditionRecord& c : report_->conditions) names << QString::fromStdString(c.name);
  // Relaying out the category labels is most of the chart's cost; the same conditions keep them.
  if (names != conditionAxis_->categories()) {
    conditionAxis_->clear();
    conditionAxis_->append(names);
  }
  fillRates();
}

void BacktestCharts::fillRates() {
  QList<qreal> rates, marked;
  double top = 0;
  if (report_) {
    for (size_t i = 0; i < report_->conditions.size(); ++i) {
      const double rate = report_->conditions[i].killRate * 100;
      top = std::max(top, rate);
      const bool on = highlight_ >> i & 1;
      rates << (on ? 0 : rate);
      marked << (on ? rate : 0);
    }
  }
  rates_->remove(0, rates_->count());
  rates_->append(rates);
  marked_->remove(0, marked_->count());
  marked_->append(marked);
  // Round steps keep the labels whole numbers.
  const double high = std::max(5.0, std::ceil(top / 5) * 5);
  rateAxis_->setTickInterval(NiceStep(high / 5));
  rateAxis_->setTickAnchor(0);
  rateAxis_->setRange(0, high);
}

void BacktestCharts::setSelectedDraw(int drawIndex) {
  marker_->clear();
  if (!report_ || drawIndex < 0 || drawIndex >= static_cast<int>(report_->draws.size())) return;
  marker_->append(drawIndex + 1, report_->judged.draws[drawIndex].failed);
}

void BacktestCharts::setHighlight(uint64_t conditionMask) {
  if (conditionMask == highlight_) return;
  highlight_ = conditionMask;
  fillRates();
}

}  // namespace torvane::ui
