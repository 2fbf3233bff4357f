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

class QFontMetrics;
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

  // Widths for the font and the chart's periods; the digit cells share whatever room is
  // left of `available` pixels, so a wide window has no blank strip.
  static TrendGeometry Fit(const QFontMetrics& fm, const TrendChart& chart, int available);

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
