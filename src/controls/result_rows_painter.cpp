#include "controls/result_rows_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace torvane::controls {

QString ResultRowText(const DigitTable& table, int row) {
  const int first = row * kNumbersPerRow;
  if (row < 0 || first >= table.count()) return QString();
  const int numbers = std::min(kNumbersPerRow, table.count() - first);
  char buf[kNumbersPerRow * (kDigits + 1)];
  int n = 0;
  for (int j = 0; j < numbers && j < kNumbersPerRow; ++j) {
    if (j > 0) buf[n++] = ' ';
    const uint8_t* d = table.row(first + j);
    for (int k = 0; k < kDigits; ++k) buf[n++] = static_cast<char>('0' + d[k]);
  }
  return QString::fromLatin1(buf, n);
}

int PaintResultRows(QPainter& painter, const DigitTable& table, int topRow, int visibleRows,
                    double rowHeight, const RowPaintStyle& style) {
  const int rows = DisplayRowCount(table.count());
  if (topRow < 0 || topRow >= rows || visibleRows <= 0) return 0;
  const int n = std::min(visibleRows, rows - topRow);
  painter.save();
  painter.setFont(style.font);
  painter.setPen(style.color);
  const int ascent = QFontMetrics(style.font, painter.device()).ascent();
  for (int j = 0; j < n; ++j) {
    const double y = j * rowHeight + style.top + ascent;
    painter.drawText(QPointF(style.left, y), ResultRowText(table, topRow + j));
  }
  painter.restore();
  return n;
}

}  // namespace torvane::controls
