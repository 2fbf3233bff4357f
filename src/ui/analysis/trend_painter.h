#pragma once
// Painting the 走势图: two header lines on top, the four statistics rows at the bottom and
// the draw rows between them, from any first row on. The painter reads only the rows it
// shows (and their neighbours, for the lines), so a screen costs the same for 30 draws as for
// 10000. The view only routes scrolling and calls it.

#include <QColor>
#include <QPoint>
#include <QSize>
#include <array>

#include "ui/analysis/trend_chart.h"

class QFont;
class QPaintDevice;
class QPainter;

namespace torvane::ui {

constexpr int kTrendFigureColumns = 6;  // 和值 跨度 大小比 奇偶比 质合比 形态

// One colour per position, 万位 first: the discs and the lines.
QColor TrendPositionColor(int position);

struct TrendGeometry {
  int periodWidth = 0;
  int cellWidth = 0;
  std::array<int, kTrendFigureColumns> figureWidth{};
  int headerLine = 0;  // one of the two header lines
  int rowHeight = 0;
  // The statistics rows' bold font is this much of the chart's, so their counts fit the cells.
  double statScale = 1;

  // Widths for the font (on `device`, the screen when null) and the chart's periods and
  // counts; the digit cells share whatever room is left of `available` pixels, so a wide
  // window has no blank strip. Counts too wide for a cell first shrink their font a little,
  // then widen the cells.
  static TrendGeometry Fit(const QFont& font, const TrendChart& chart, int available,
                           const QPaintDevice* device = nullptr);

  int width() const;
  int headerHeight() const { return 2 * headerLine; }
  int footerHeight() const { return StatCount * rowHeight; }
  // Draw rows that fit between the header and the statistics rows of a `height` high view.
  int visibleRows(int height) const;
  int cellLeft(int position, int digit) const {
    return periodWidth + (position * 10 + digit) * cellWidth;
  }
  int figureLeft(int column) const;
};

// The font of the statistics rows for a chart painted in `font`.
QFont TrendStatFont(const QFont& font, const TrendGeometry& g);

struct TrendPaintOptions {
  bool omission = true;  // 显示遗漏
  bool lines = true;     // 折线
};

// Paints a `size` area: draw rows from `firstRow` on, moved `scrollX` pixels to the left.
void PaintTrendChart(QPainter& p, const TrendChart& chart, const TrendGeometry& g, QSize size,
                     int firstRow, int scrollX, const TrendPaintOptions& options);

// The centre of digit cell (position, digit) of draw row `row` in such a picture.
QPoint TrendCellCentre(const TrendGeometry& g, int firstRow, int scrollX, int row, int position,
                       int digit);

}  // namespace torvane::ui
