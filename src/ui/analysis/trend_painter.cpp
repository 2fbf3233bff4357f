#include "ui/analysis/trend_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace torvane::ui {
namespace {

const char* const kPositions[5] = {"万位", "千位", "百位", "十位", "个位"};
const char* const kFigureTitles[kTrendFigureColumns] = {"和值",   "跨度",   "大小比",
                                                        "奇偶比", "质合比", "形态"};
const char* const kStatTitles[StatCount] = {"出现次数", "平均遗漏", "最大遗漏", "当前遗漏"};

const QColor kGrid(214, 214, 214);
const QColor kGroupEdge(150, 150, 150);
const QColor kBand(244, 247, 252);
const QColor kHeader(232, 236, 244);
const QColor kFooter(255, 248, 228);
const QColor kOmissionText(140, 140, 140);

// Texts of the numbers a chart shows, built once: painting never formats a number.
const QString& NumberText(int v) {
  static const std::vector<QString> texts = [] {
    std::vector<QString> t(1000);
    for (int i = 0; i < 1000; ++i) t[i] = QString::number(i);
    return t;
  }();
  if (v >= 0 && v < 1000) return texts[v];
  thread_local QString other;
  other = QString::number(v);
  return other;
}

const QString& RatioText(int first) {
  static const QString texts[6] = {
      QStringLiteral("0:5"), QStringLiteral("1:4"), QStringLiteral("2:3"),
      QStringLiteral("3:2"), QStringLiteral("4:1"), QStringLiteral("5:0"),
  };
  return texts[std::clamp(first, 0, 5)];
}

// Digits are as wide as each other in every font we use, so a number is centred without
// measuring it.
void CentredNumber(QPainter& p, int digitWidth, int ascentOffset, int centreX, int top,
                   const QString& text) {
  p.drawText(centreX - digitWidth * static_cast<int>(text.size()) / 2, top + ascentOffset, text);
}

}  // namespace

QColor TrendPositionColor(int position) {
  static const QColor colors[5] = {
      {206, 40, 40}, {30, 100, 210}, {16, 140, 64}, {224, 120, 0}, {140, 60, 180}};
  return colors[std::clamp(position, 0, 4)];
}

QFont TrendStatFont(const QFont& font, const TrendGeometry& g) {
  QFont f = font;
  f.setBold(true);
  if (g.statScale < 1) {
    if (f.pointSizeF() > 0)
      f.setPointSizeF(f.pointSizeF() * g.statScale);
    else
      f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * g.statScale)));
  }
  return f;
}

TrendGeometry TrendGeometry::Fit(const QFont& font, const TrendChart& chart, int available,
                                 const QPaintDevice* device) {
  const QFontMetrics fm(font, device);
  TrendGeometry g;
  const int pad = 10;
  g.rowHeight = fm.height() + 6;
  g.headerLine = fm.height() + 6;
  int period = fm.horizontalAdvance(QString::fromUtf8(kStatTitles[0]));
  // The newest period is among the longest; the oldest too when the digits ever grow.
  if (!chart.rows.empty())
    for (const TrendRow* r : {&chart.rows.front(), &chart.rows.back()})
      period = std::max(period, fm.horizontalAdvance(r->period));
  g.periodWidth = period + pad;
  const char* const samples[kTrendFigureColumns] = {"45", "9", "5:0", "5:0", "5:0", "AABCD"};
  for (int c = 0; c < kTrendFigureColumns; ++c)
    g.figureWidth[c] = std::max(fm.horizontalAdvance(QString::fromUtf8(kFigureTitles[c])),
                                fm.horizontalAdvance(QString::fromLatin1(samples[c]))) +
                       pad;
  // The omission numbers of the draw rows are never above the longest omission; the
  // statistics rows count up to the number of draws.
  int longest = 99, widest = 99;
  for (const auto& position : chart.stats[StatLongest])
    for (int v : position) longest = std::max(longest, v);
  for (const auto& stat : chart.stats)
    for (const auto& position : stat)
      for (int v : position) widest = std::max(widest, v);
  const int cellMin = std::max(fm.horizontalAdvance(NumberText(longest)) + 6, g.rowHeight);
  const int fixed = g.periodWidth + std::accumulate(g.figureWidth.begin(), g.figureWidth.end(), 0);
  g.cellWidth = std::max(cellMin, (available - fixed) / 50);

  // A blank strip on both sides of every count, so neighbours never run together.
  const int gap = 4;
  auto statWidth = [&] {
    return QFontMetrics(TrendStatFont(font, g), device).horizontalAdvance(NumberText(widest)) + gap;
  };
  if (const int full = statWidth(); full > g.cellWidth) {
    // Smaller than three quarters is hard to read: past that the cells widen instead.
    g.statScale = std::max(0.75, static_cast<double>(g.cellWidth - gap) / (full - gap));
    g.cellWidth = std::max(g.cellWidth, statWidth());
  }
  return g;
}

int TrendGeometry::width() const {
  return figureLeft(kTrendFigureColumns);
}

int TrendGeometry::figureLeft(int column) const {
  int x = periodWidth + 50 * cellWidth;
  for (int c = 0; c < column; ++c) x += figureWidth[c];
  return x;
}

int TrendGeometry::visibleRows(int height) const {
  return rowHeight > 0 ? std::max(0, (height - headerHeight() - footerHeight()) / rowHeight) : 0;
}

QPoint TrendCellCentre(const TrendGeometry& g, int firstRow, int scrollX, int row, int position,
                       int digit) {
  return QPoint(g.cellLeft(position, digit) + g.cellWidth / 2 - scrollX,
                g.headerHeight() + (row - firstRow) * g.rowHeight + g.rowHeight / 2);
}

void PaintTrendChart(QPainter& p, const TrendChart& chart, const TrendGeometry& g, QSize size,
                     int firstRow, int scrollX, const TrendPaintOptions& options) {
  p.save();
  p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  p.translate(-scrollX, 0);
  const QFontMetrics fm = p.fontMetrics();
  const int digitWidth = fm.horizontalAdvance(QLatin1Char('0'));
  const int ascent = (g.rowHeight + fm.ascent() - fm.descent()) / 2;
  const int width = g.width();
  const int bodyTop = g.headerHeight();
  // The statistics rows follow the last whole row; what is left stays blank below them.
  const int bodyBottom = bodyTop + g.visibleRows(size.height()) * g.rowHeight;
  const int rows = static_cast<int>(chart.rows.size());
  firstRow = std::clamp(firstRow, 0, std::max(0, rows - 1));
  const int endRow = std::min(rows, firstRow + g.visibleRows(size.height()));
  auto rowTop = [&](int r) { return bodyTop + (r - firstRow) * g.rowHeight; };
  auto cell = [&](int position, int digit, int top) {
    return QRect(g.cellLeft(position, digit), top, g.cellWidth, g.rowHeight);
  };
  QFont bold = p.font();
  bold.setBold(true);

  // Bands of the five positions and the grid, under everything.
  auto paintGrid = [&](int top, int bottom, const QColor& fill) {
    p.fillRect(QRect(0, top, width, bottom - top), fill);
    if (fill == Qt::white)
      for (int pos = 0; pos < 5; pos += 2)
        p.fillRect(QRect(g.cellLeft(pos, 0), top, 10 * g.cellWidth, bottom - top), kBand);
    p.setPen(kGrid);
    for (int c = 1; c < 50; ++c)
      if (c % 10) p.drawLine(g.cellLeft(0, c), top, g.cellLeft(0, c), bottom - 1);
    p.setPen(kGroupEdge);
    for (int c = 0; c <= 50; c += 10)
      p.drawLine(g.cellLeft(0, c), top, g.cellLeft(0, c), bottom - 1);
    for (int f = 1; f <= kTrendFigureColumns; ++f)
      p.drawLine(g.figureLeft(f) - 1, top, g.figureLeft(f) - 1, bottom - 1);
  };

  p.setClipRect(QRect(scrollX, bodyTop, size.width(), bodyBottom - bodyTop));
  paintGrid(bodyTop, bodyBottom, Qt::white);
  p.setPen(kGrid);
  for (int r = firstRow; r < endRow; ++r)
    p.drawLine(0, rowTop(r + 1) - 1, width - 1, rowTop(r + 1) - 1);

  // Periods, figures and omission numbers.
  for (int r = firstRow; r < endRow; ++r) {
    const TrendRow& row = chart.rows[r];
    const int top = rowTop(r);
    p.setPen(Qt::black);
    const QString figures[kTrendFigureColumns] = {
        NumberText(row.sum), NumberText(row.span), RatioText(row.big),
        RatioText(row.odd),  RatioText(row.prime), QString::fromLatin1(row.shape)};
    for (int f = 0; f < kTrendFigureColumns; ++f)
      CentredNumber(p, digitWidth, ascent, g.figureLeft(f) + g.figureWidth[f] / 2, top, figures[f]);
    if (!options.omission) continue;
    p.setPen(kOmissionText);
    for (int pos = 0; pos < 5; ++pos)
      for (int d = 0; d < 10; ++d)
        if (row.digits[pos] != d)
          CentredNumber(p, digitWidth, ascent, g.cellLeft(pos, d) + g.cellWidth / 2, top,
                        NumberText(row.omission[pos][d]));
  }

  p.setRenderHint(QPainter::Antialiasing, true);
  auto centre = [&](int r, int pos) {
    return QPointF(cell(pos, chart.rows[r].digits[pos], rowTop(r)).center()) + QPointF(0.5, 0.5);
  };
  if (options.lines) {
    // From the row above the screen to the row below it, so lines leave the screen edges.
    for (int pos = 0; pos < 5; ++pos) {
      p.setPen(QPen(TrendPositionColor(pos), 1.5));
      for (int r = std::max(0, firstRow - 1); r + 1 < std::min(rows, endRow + 1); ++r)
        p.drawLine(centre(r, pos), centre(r + 1, pos));
    }
  }
  const double diameter = std::min(g.cellWidth, g.rowHeight) - 3;
  p.setFont(bold);
  for (int r = firstRow; r < endRow; ++r)
    for (int pos = 0; pos < 5; ++pos) {
      const QPointF c = centre(r, pos);
      p.setPen(Qt::NoPen);
      p.setBrush(TrendPositionColor(pos));
      p.drawEllipse(c, diameter / 2, diameter / 2);
      p.setPen(Qt::white);
      p.drawText(QRect(cell(pos, chart.rows[r].digits[pos], rowTop(r))), Qt::AlignCenter,
                 NumberText(chart.rows[r].digits[pos]));
    }
  p.setRenderHint(QPainter::Antialiasing, false);

  // The statistics rows at the bottom and the header on top, over whatever scrolled there.
  p.setClipRect(QRect(scrollX, 0, size.width(), size.height()));
  p.setBrush(Qt::NoBrush);
  p.setFont(bold);
  paintGrid(bodyBottom, bodyBottom + g.footerHeight(), kFooter);
  const QFont statFont = TrendStatFont(p.font(), g);
  const int statDigit = QFontMetrics(statFont, p.device()).horizontalAdvance(QLatin1Char('0'));
  const int statAscent = (g.rowHeight + QFontMetrics(statFont, p.device()).ascent() -
                          QFontMetrics(statFont, p.device()).descent()) /
                         2;
  p.setFont(statFont);
  for (int s = 0; s < StatCount; ++s) {
    const int top = bodyBottom + s * g.rowHeight;
    p.setPen(kGroupEdge);
    p.drawLine(0, top, width - 1, top);
    if (rows == 0) continue;
    for (int pos = 0; pos < 5; ++pos) {
      p.setPen(TrendPositionColor(pos));
      for (int d = 0; d < 10; ++d)
        CentredNumber(p, statDigit, statAscent, g.cellLeft(pos, d) + g.cellWidth / 2, top,
                      NumberText(chart.stats[s][pos][d]));
    }
  }
  p.setFont(bold);

  paintGrid(0, bodyTop, kHeader);
  p.setPen(kGroupEdge);
  p.drawLine(g.periodWidth, g.headerLine, g.figureLeft(0), g.headerLine);
  p.drawLine(0, bodyTop - 1, width - 1, bodyTop - 1);
  // The position titles span their ten cells.
  for (int pos = 0; pos < 5; ++pos)
    p.fillRect(QRect(g.cellLeft(pos, 0) + 1, 0, 10 * g.cellWidth - 1, g.headerLine), kHeader);
  p.setPen(Qt::black);
  for (int f = 0; f < kTrendFigureColumns; ++f)
    p.drawText(QRect(g.figureLeft(f), 0, g.figureWidth[f], bodyTop), Qt::AlignCenter,
               QString::fromUtf8(kFigureTitles[f]));
  for (int pos = 0; pos < 5; ++pos) {
    p.setPen(TrendPositionColor(pos));
    p.drawText(QRect(g.cellLeft(pos, 0), 0, 10 * g.cellWidth, g.headerLine), Qt::AlignCenter,
               QString::fromUtf8(kPositions[pos]));
    for (int d = 0; d < 10; ++d)
      p.drawText(cell(pos, d, g.headerLine), Qt::AlignCenter, NumberText(d));
  }

  // The period column stays in place when the chart scrolls sideways.
  p.translate(scrollX, 0);
  p.setClipRect(QRect(QPoint(0, 0), size));
  p.fillRect(QRect(0, 0, g.periodWidth, bodyTop), kHeader);
  p.fillRect(QRect(0, bodyTop, g.periodWidth, bodyBottom - bodyTop), Qt::white);
  p.fillRect(QRect(0, bodyBottom, g.periodWidth, g.footerHeight()), kFooter);
  p.setPen(kGrid);
  for (int r = firstRow; r < endRow; ++r)
    p.drawLine(0, rowTop(r + 1) - 1, g.periodWidth - 1, rowTop(r + 1) - 1);
  p.setPen(kGroupEdge);
  p.drawLine(g.periodWidth - 1, 0, g.periodWidth - 1, bodyBottom + g.footerHeight() - 1);
  p.drawLine(0, bodyTop - 1, g.periodWidth - 1, bodyTop - 1);
  for (int s = 0; s < StatCount; ++s)
    p.drawLine(0, bodyBottom + s * g.rowHeight, g.periodWidth - 1, bodyBottom + s * g.rowHeight);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 0, g.periodWidth, bodyTop), Qt::AlignCenter, QStringLiteral("期号"));
  for (int s = 0; s < StatCount; ++s)
    p.drawText(QRect(0, bodyBottom + s * g.rowHeight, g.periodWidth, g.rowHeight), Qt::AlignCenter,
               QString::fromUtf8(kStatTitles[s]));
  QFont plain = bold;
  plain.setBold(false);
  p.setFont(plain);
  for (int r = firstRow; r < endRow; ++r) p.drawText(5, rowTop(r) + ascent, chart.rows[r].period);
  p.restore();
}

}  // namespace torvane::ui
