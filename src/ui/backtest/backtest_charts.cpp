#include "ui/backtest/backtest_charts.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalStackedBarSeries>
#include <QLineSeries>
#include <QScatterSeries>
#include <QScrollArea>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace torvane::ui {

namespace {

const QColor kLine(40, 90, 200);
const QColor kExpected(150, 150, 150);
const QColor kBand(120, 200, 120, 90);
const QColor kMarker(220, 0, 0);
const QColor kRate(90, 130, 200);
const QColor kMarked(240, 160, 0);

QChart* PlainChart() {
  auto* chart = new QChart;
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

QLineSeries* Line(QChart* chart, const QString& name, QPen pen) {
  auto* line = new QLineSeries(chart);
  line->setName(name);
  pen.setCosmetic(true);  // one pixel whatever the scale: the fast stroker
  line->setPen(pen);
  chart->addSeries(line);
  return line;
}

}  // namespace

void SetTicks(QValueAxis* axis, double low, double high) {
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickInterval(NiceStep(std::max(1.0, (high - low) / 8)));
  axis->setTickAnchor(0);
  axis->setRange(low, high);
}

QList<QPointF> FailedLine(const std::vector<DrawVerdict>& verdicts, int first, int last) {
  QList<QPointF> points;
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(verdicts.size()) - 1);
  if (last >= first) points.reserve(last - first + 1);
  for (int i = first; i <= last; ++i) points.append(QPointF(i + 1, verdicts[i].failed));
  return points;
}

QList<QPointF> BlockHitRates(const std::vector<DrawVerdict>& verdicts) {
  const int n = static_cast<int>(verdicts.size());
  QList<QPointF> points;
  points.reserve(n / kBlockDraws + 1);
  for (int first = 0; first < n; first += kBlockDraws) {
    const int end = std::min(n, first + kBlockDraws);
    int kept = 0;
    for (int i = first; i < end; ++i) kept += verdicts[i].kept ? 1 : 0;
    points.append(QPointF((first + 1 + end) / 2.0, 100.0 * kept / (end - first)));
  }
  return points;
}

BacktestCharts::BacktestCharts(QWidget* viewParent) : QObject(viewParent) {
  buildFailedChart(viewParent);
  buildRateChart(viewParent);
  setReport(nullptr);
}

void BacktestCharts::buildFailedChart(QWidget* viewParent) {
  QChart* chart = PlainChart();
  bandTop_ = new QLineSeries(chart);
  bandBottom_ = new QLineSeries(chart);
  band_ = new QAreaSeries(bandTop_, bandBottom_);
  band_->setName(QStringLiteral("容错范围"));
  band_->setBrush(kBand);
  band_->setPen(Qt::NoPen);
  chart->addSeries(band_);
  failed_ = Line(chart, QStringLiteral("错几个条件"), QPen(kLine, 1));
  blocks_ = Line(chart, QStringLiteral("每 %1 期命中率").arg(kBlockDraws), QPen(kLine, 1));
  expected_ = Line(chart, QStringLiteral("随机选同样多号码"), QPen(kExpected, 1, Qt::DashLine));
  marker_ = new QScatterSeries(chart);
  marker_->setName(QStringLiteral("所选的一期"));
  marker_->setColor(kMarker);
  marker_->setBorderColor(kMarker);
  marker_->setMarkerSize(9);
  chart->addSeries(marker_);

  drawAxis_ = new QValueAxis(chart);
  drawAxis_->setTitleText(QStringLiteral("回测的第几期（左旧右新）"));
  drawAxis_->setLabelFormat(QStringLiteral("%d"));
  drawAxis_->setTickType(QValueAxis::TicksDynamic);
  yAxis_ = new QValueAxis(chart);
  yAxis_->setLabelFormat(QStringLiteral("%d"));
  yAxis_->setTickType(QValueAxis::TicksDynamic);
  for (QValueAxis* axis : {drawAxis_, yAxis_}) axis->setTruncateLabels(false);
  chart->addAxis(drawAxis_, Qt::AlignBottom);
  chart->addAxis(yAxis_, Qt::AlignLeft);
  for (QAbstractSeries* s : chart->series()) {
    s->attachAxis(drawAxis_);
    s->attachAxis(yAxis_);
  }
  chart->legend()->setAlignment(Qt::AlignBottom);
  failedView_ = View(chart, viewParent, "chtBacktestFailed");
  // A zoom (a dragged band; a right click goes back out) shows the draws it covers.
  connect(drawAxis_, &QValueAxis::rangeChanged, this,
          [this](double first, double last) { showDraws(first, last); });
}

void BacktestCharts::buildRateChart(QWidget* viewParent) {
  QChart* chart = PlainChart();
  auto* series = new QHorizontalStackedBarSeries(chart);
  rates_ = new QBarSet(QStringLiteral("杀中比例"), series);
  rates_->setColor(kRate);
  marked_ = new QBarSet(QStringLiteral("所选"), series);
  marked_->setColor(kMarked);
  series->append(rates_);
  series->append(marked_);
  series->setBarWidth(0.7);
  chart->addSeries(series);
  rateAxis_ = new QValueAxis(chart);
  rateAxis_->setLabelFormat(QStringLiteral("%.0f"));
  rateAxis_->setTickType(QValueAxis::TicksDynamic);
  rateAxis_->setTruncateLabels(false);
  rateAxis_->setTitleText(QStringLiteral("杀中奖号的比例（%）"));
  chart->addAxis(rateAxis_, Qt::AlignBottom);
  series->attachAxis(rateAxis_);
  chart->legend()->hide();
  connect(series, &QHorizontalStackedBarSeries::hovered, this, [this](bool on, int bar, QBarSet*) {
    const int n = report_ ? static_cast<int>(report_->conditions.size()) : 0;
    if (!on || bar < 0 || bar >= n) {
      QToolTip::hideText();
      return;
    }
    const ConditionRecord& c = report_->conditions[n - 1 - bar];
    QToolTip::showText(QCursor::pos(), QStringLiteral("%1：杀中 %2 期，%3")
                                           .arg(QString::fromStdString(c.name))
                                           .arg(c.killed)
                                           .arg(PercentText(c.killRate)));
  });
  rateView_ = View(chart, viewParent, "chtBacktestRates");
  // Every name gets a line of its own: with many conditions the chart grows and scrolls.
  rateArea_ = new QScrollArea(viewParent);
  rateArea_->setObjectName(QStringLiteral("scrBacktestRates"));
  rateArea_->setWidgetResizable(true);
  rateArea_->setFrameShape(QFrame::NoFrame);
  rateArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rateArea_->setWidget(rateView_);
  rateArea_->setMinimumHeight(160);
}

void BacktestCharts::setReport(BacktestPtr report) {
  report_ = std::move(report);
  highlight_ = 0;
  selected_ = -1;
  topFailed_ = 0;
  const bool shown = report_ != nullptr;
  for (QAbstractAxis* axis : failedView_->chart()->axes()) axis->setVisible(shown);
  for (QAbstractAxis* axis : rateView_->chart()->axes()) axis->setVisible(shown);
  failedView_->chart()->legend()->setVisible(shown);
  if (!shown) {
    for (QAbstractSeries* s : failedView_->chart()->series()) s->setVisible(false);
    failedView_->chart()->setTitle(QStringLiteral("回测后，这里画出每期开奖号码错几个条件"));
    failedView_->setRubberBand(QChartView::NoRubberBand);
  } else {
    for (const DrawVerdict& v : report_->judged.draws) topFailed_ = std::max(topFailed_, v.failed);
    const int n = static_cast<int>(report_->draws.size());
    failedView_->setRubberBand(n > kDetailDraws ? QChartView::HorizontalRubberBand
                                                : QChartView::NoRubberBand);
  }
  showDraws(1, report_ ? static_cast<double>(report_->draws.size()) : 2);

  QStringList names;
  if (report_)
    for (const ConditionRecord& c : report_->conditions)
      names.prepend(QString::fromStdString(c.name));
  // The bars first: a category axis without names numbers the bars the series still has.
  fillRates();
  // A fresh axis for new names: an emptied category axis keeps drawing its old labels.
  // Relaying out the labels is most of the chart's cost, so the same names keep theirs.
  if (!conditionAxis_ || names != conditionAxis_->categories()) {
    QChart* chart = rateView_->chart();
    if (conditionAxis_) {
      chart->removeAxis(conditionAxis_);
      delete conditionAxis_;
    }
    conditionAxis_ = new QBarCategoryAxis(chart);
    conditionAxis_->setTruncateLabels(false);
    conditionAxis_->append(names);
    chart->addAxis(conditionAxis_, Qt::AlignLeft);
    chart->series().front()->attachAxis(conditionAxis_);
    const int line = rateView_->fontMetrics().height() + 4;
    rateView_->setMinimumHeight(std::max(160, static_cast<int>(names.size()) * line + 90));
  }
  conditionAxis_->setVisible(shown && !names.isEmpty());
  rateAxis_->setVisible(shown && !names.isEmpty());
  rateView_->chart()->series().front()->setVisible(shown && !names.isEmpty());
  rateView_->chart()->setTitle(!shown ? QStringLiteral("回测后，这里画出各条件杀中奖号的比例")
                               : names.isEmpty() ? QStringLiteral("没有设置任何条件")
                                                 : QStringLiteral("各条件杀中奖号的比例"));
}

bool BacktestCharts::showsEveryDraw() const {
  return detail_;
}

void BacktestCharts::showDraws(double first, double last) {
  if (filling_) return;  // the axis' setRange calls back through rangeChanged
  filling_ = true;
  fillTimeChart(first, last);
  filling_ = false;
}

void BacktestCharts::fillTimeChart(double first, double last) {
  const int n = report_ ? static_cast<int>(report_->draws.size()) : 0;
  const double right = std::max(2, n);
  first = std::clamp(first, 1.0, right - 1);
  last = std::clamp(last, first + 1, right);
  drawAxis_->setTickInterval(NiceStep((last - first) / 6));  // before the range: fewer ticks
  drawAxis_->setTickAnchor(0);
  drawAxis_->setRange(first, last);
  if (!report_) return;

  detail_ = n <= kDetailDraws || last - first + 1 <= kDetailDraws;
  failed_->setVisible(detail_);
  band_->setVisible(detail_);
  blocks_->setVisible(!detail_);
  expected_->setVisible(!detail_);
  const std::vector<DrawVerdict>& draws = report_->judged.draws;
  if (detail_) {
    failed_->replace(FailedLine(draws, static_cast<int>(std::ceil(first)) - 1,
                                static_cast<int>(std::floor(last)) - 1));
    const ToleranceRange tol = report_->judged.tolerance;
    // A band of zero height (tolerance 0-0) would vanish: widen it by a little each way.
    bandTop_->replace({QPointF(first, tol.max + 0.35), QPointF(last, tol.max + 0.35)});
    bandBottom_->replace({QPointF(first, tol.min - 0.35), QPointF(last, tol.min - 0.35)});
    yAxis_->setTitleText(QStringLiteral("错几个条件"));
    SetTicks(yAxis_, -0.5, std::max<int>(topFailed_, tol.max) + 1);
    failedView_->chart()->setTitle(
        n > kDetailDraws ? QStringLiteral("每期开奖号码错几个条件（绿带内即保留；右键退回整体）")
                         : QStringLiteral("每期开奖号码错几个条件（绿带为容错范围，带内即保留）"));
  } else {
    const QList<QPointF> rates = BlockHitRates(draws);
    blocks_->replace(rates);
    const double expected = report_->share * 100;
    expected_->replace({QPointF(1, expected), QPointF(right, expected)});
    double top = expected;
    for (const QPointF& p : rates) top = std::max(top, p.y());
    yAxis_->setTitleText(QStringLiteral("命中率（%）"));
    SetTicks(yAxis_, 0, std::max(5.0, std::ceil(top / 5) * 5));
    failedView_->chart()->setTitle(
        QStringLiteral("每 %1 期的命中率（框选一段或在表中双击某期，可看每期详情）")
            .arg(kBlockDraws));
  }
  placeMarker();
}

void BacktestCharts::fillRates() {
  QList<qreal> rates, marked;
  double top = 0;
  if (report_) {
    // The category axis runs bottom to top: the last condition first.
    for (size_t i = report_->conditions.size(); i-- > 0;) {
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
  SetTicks(rateAxis_, 0, std::max(5.0, std::ceil(top / 5) * 5));
}

double BacktestCharts::rateBar(int condition) const {
  return rates_->at(rates_->count() - 1 - condition);
}

double BacktestCharts::markedBar(int condition) const {
  return marked_->at(marked_->count() - 1 - condition);
}

QStringList BacktestCharts::conditionLabels() const {
  QStringList names = conditionAxis_->categories();
  std::reverse(names.begin(), names.end());
  return names;
}

void BacktestCharts::placeMarker() {
  marker_->clear();
  marker_->setVisible(report_ != nullptr);
  if (!report_ || selected_ < 0) return;
  const std::vector<DrawVerdict>& draws = report_->judged.draws;
  if (detail_) {
    marker_->append(selected_ + 1, draws[selected_].failed);
  } else {
    marker_->append(selected_ + 1, blocks_->at(selected_ / kBlockDraws).y());
  }
}

void BacktestCharts::setSelectedDraw(int drawIndex) {
  const int n = report_ ? static_cast<int>(report_->draws.size()) : 0;
  selected_ = drawIndex >= 0 && drawIndex < n ? drawIndex : -1;
  placeMarker();
}

void BacktestCharts::setHighlight(uint64_t conditionMask) {
  if (conditionMask == highlight_) return;
  highlight_ = conditionMask;
  fillRates();
}

}  // namespace torvane::ui

#include "moc_backtest_charts.cpp"
