// One screen of the result list costs the same for 10 numbers as for 100000: only the rows
// on screen are turned into text. 100 numbers fill one screen (20 rows) like 100000 do.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "controls/result_list.h"
#include "controls/result_rows_painter.h"
#include "core/digit_table.h"

namespace {

using torvane::DigitTable;

DigitTable FirstKeys(int n) {
  DigitTable t;
  for (int k = 0; k < n; ++k) t.appendKey(k);
  return t;
}

// Paints the screen that starts in the middle of the table (20 rows, as on the window).
void BM_PaintResultScreen(benchmark::State& state) {
  const DigitTable table = FirstKeys(static_cast<int>(state.range(0)));
  const int rows = torvane::controls::DisplayRowCount(table.count());
  const int top = rows > 20 ? rows / 2 : 0;
  QImage image(205, 300, QImage::Format_ARGB32_Premultiplied);
  torvane::controls::RowPaintStyle style;
  style.font = torvane::controls::ResultListFont();
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter p(&image);
    benchmark::DoNotOptimize(torvane::controls::PaintResultRows(p, table, top, 20, 14.7, style));
  }
}
BENCHMARK(BM_PaintResultScreen)->Arg(10)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The whole widget: scroll one row and grab what it shows.
void BM_ResultListScrollAndGrab(benchmark::State& state) {
  torvane::controls::ResultList list;
  list.setListFont(torvane::controls::ResultListFont());
  list.resize(205, 300);
  list.show();
  list.setData(FirstKeys(static_cast<int>(state.range(0))));
  QImage image(list.size(), QImage::Format_ARGB32_Premultiplied);
  int top = 0;
  for (auto _ : state) {
    list.setTopIndex(top = (top + 1) % 1000);
    list.render(&image);
  }
}
BENCHMARK(BM_ResultListScrollAndGrab)
    ->Arg(10)
    ->Arg(100)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
