#pragma once
// Painting of result rows, five numbers to a display row, kept apart from the widget so it
// can be tested on an image. Only the rows asked for are turned into text.

#include <QColor>
#include <QFont>
#include <QString>

#include "core/digit_table.h"

class QPainter;

namespace torvane::controls {

constexpr int kNumbersPerRow = 5;

// Display rows needed for count numbers.
inline int DisplayRowCount(int count) {
  return (count + kNumbersPerRow - 1) / kNumbersPerRow;
}

// Text of display row `row`: its numbers joined by single spaces ("01740 78901 ...").
QString ResultRowText(const DigitTable& table, int row);

struct RowPaintStyle {
  QFont font;
  QColor color{Qt::black};
  int left = 4;  // px
  int top = 4;   // px
};

// Paints display rows topRow .. topRow + visibleRows - 1 (fewer when the table ends) at
// y = j * rowHeight + top. Returns the number of rows painted.
int PaintResultRows(QPainter& painter, const DigitTable& table, int topRow, int visibleRows,
                    double rowHeight, const RowPaintStyle& style);

}  // namespace torvane::controls
