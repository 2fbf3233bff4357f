// One screen of the 走势图 (1366x600, scrolled to the newest draw) costs the same over 300 draws
// as over 10000: the painter reads only the rows it shows. Building the chart, done once when
// the history or the window changes, is measured apart. Compare with BM_EngineRunAllConditions.
// The QApplication comes from gui_bench_main.cpp.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "support/history_samples.h"
#include "ui/analysis/trend_chart.h"
#include "ui/analysis/trend_painter.h"

namespace {

using namespace torvane::ui;

void BM_TrendChartPaint(benchmark::State& state) {
  const int draws = static_cast<int>(state.range(0));
  const TrendChart chart = BuildTrendChart(torvane::testing::GeneratedHistory(draws), 0);
  QImage image(1366, 600, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  const TrendGeometry g = TrendGeometry::Fit(p.font(), chart, image.width(), &image);
  const int first = draws - g.visibleRows(image.height());
  for (auto _ : state) PaintTrendChart(p, chart, g, image.size(), first, 0, {true, true});
}
BENCHMARK(BM_TrendChartPaint)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_TrendChartBuild(benchmark::State& state) {
  const auto history = torvane::testing::GeneratedHistory(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(BuildTrendChart(history, 0));
}
BENCHMARK(BM_TrendChartBuild)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
