#include "controls/result_list.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>

#include "controls/result_rows_painter.h"
#include "controls/t_scroll.h"

namespace torvane::controls {

namespace {

DigitTable Keys(int from, int to) {
  DigitTable t;
  for (int k = from; k < to; ++k) t.appendKey(k);
  return t;
}

// A list tall enough for exactly `rows` display rows. Shown, so that resizes reach it.
void SizeForRows(ResultList& list, int rows) {
  const int pitch = 4 + list.lineHeight();
  list.resize(300, rows * pitch + 6);
  list.show();
}

void Wheel(ResultList& list, int delta) {
  QWheelEvent e(QPointF(10, 10), list.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta),
                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&list, &e);
}

QImage PaintRows(const DigitTable& t, int top, int rows, double rowHeight) {
  QImage img(300, 400, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  RowPaintStyle style;
  style.font = ResultListFont();
  PaintResultRows(p, t, top, rows, rowHeight, style);
  return img;
}

class FullList : public testing::Test {
 protected:
  void SetUp() override {
    list.setListFont(ResultListFont());
    SizeForRows(list, 20);
    list.setData(Keys(0, 100000));
  }
  ResultList list;
};

TEST_F(FullList, ScrollRangeCoversAllRows) {
  EXPECT_EQ(list.visibleRows(), 20);
  EXPECT_EQ(list.rowCount(), 20000);
  EXPECT_FALSE(list.scrollBar()->isHidden());
  EXPECT_EQ(list.scrollBar()->max(), 19980);
  EXPECT_EQ(list.scrollBar()->largeChange(), 20);
  EXPECT_EQ(list.visibleRowText(0), QStringLiteral("00000 00001 00002 00003 00004"));
}

TEST_F(FullList, TopIndexShowsThatRowFirst) {
  list.setTopIndex(600);
  EXPECT_EQ(list.topRow(), 600);
  EXPECT_EQ(list.scrollBar()->value(), 600);
  EXPECT_TRUE(list.visibleRowText(0).startsWith(QStringLiteral("03000 ")));
  EXPECT_TRUE(list.visibleRowText(19).endsWith(QStringLiteral(" 03099")));
  EXPECT_EQ(list.visibleRowText(20), QString());
}

TEST_F(FullList, TopIndexClampsToTheRange) {
  list.setTopIndex(50000);
  EXPECT_EQ(list.topRow(), 19980);
  EXPECT_EQ(list.visibleRowText(19), QStringLiteral("99995 99996 99997 99998 99999"));
  list.setTopIndex(-4);
  EXPECT_EQ(list.topRow(), 0);
}

TEST_F(FullList, WheelMovesThreeRowsAndStopsAtTheEnds) {
  Wheel(list, 120);  // at the top: nothing
  EXPECT_EQ(list.topRow(), 0);
  Wheel(list, -120);
  EXPECT_EQ(list.topRow(), 3);
  Wheel(list, -1);  // any delta is one step
  EXPECT_EQ(list.topRow(), 6);
  list.setTopIndex(1);
  Wheel(list, 120);
  EXPECT_EQ(list.topRow(), 0);
  list.setTopIndex(19979);
  Wheel(list, -120);
  EXPECT_EQ(list.topRow(), 19980);
}

TEST_F(FullList, ScrollBarMovesTheRows) {
  list.scrollBar()->setValue(250);
  EXPECT_EQ(list.topRow(), 250);
  EXPECT_TRUE(list.visibleRowText(0).startsWith(QStringLiteral("01250")));
}

TEST_F(FullList, ClearIgnoresScrollingAndShowsNothing) {
  list.clear();
  EXPECT_TRUE(list.scrollBar()->isHidden());
  list.setTopIndex(100);
  Wheel(list, -120);
  EXPECT_EQ(list.topRow(), 0);
  EXPECT_EQ(list.visibleRowText(0), QString());
}

TEST_F(FullList, TallerListHidesTheScrollBar) {
  list.setData(Keys(0, 50));
  SizeForRows(list, 10);
  EXPECT_TRUE(list.scrollBar()->isHidden());
  SizeForRows(list, 5);
  ASSERT_FALSE(list.scrollBar()->isHidden());
  list.setTopIndex(5);
  SizeForRows(list, 12);
  EXPECT_TRUE(list.scrollBar()->isHidden());
  EXPECT_EQ(list.visibleRowText(0).left(5), QStringLiteral("00000"));
}

TEST(ResultList, SevenNumbersMakeTwoRows) {
  ResultList list;
  SizeForRows(list, 4);
  list.setData(Keys(0, 7));
  EXPECT_EQ(list.rowCount(), 2);
  EXPECT_TRUE(list.scrollBar()->isHidden());
  EXPECT_EQ(list.visibleRowText(1), QStringLiteral("00005 00006"));
  list.setTopIndex(1);  // everything fits: ignored
  EXPECT_EQ(list.topRow(), 0);
}

TEST(ResultList, KeepsItsOwnCopy) {
  ResultList list;
  SizeForRows(list, 4);
  DigitTable t = Keys(1740, 1741);
  t.appendKey(78901);
  list.setData(t);
  t.clear();
  EXPECT_EQ(list.visibleRowText(0), QStringLiteral("01740 78901"));
}

TEST(ResultList, RowsAreSpreadOverTheHeight) {
  ResultList list;
  const int pitch = 4 + list.lineHeight();
  list.resize(200, 7 * pitch + 6 + pitch / 3);  // a third of a row more: still 7 rows
  list.show();
  EXPECT_EQ(list.visibleRows(), 7);
  EXPECT_DOUBLE_EQ(list.rowHeight(), (list.height() - 6) / 7.0);
}

TEST(ResultRowsPainter, PaintsTheRowsAskedFor) {
  // Rows 600.. of the full set look exactly like rows 0.. of numbers 3000 on.
  const DigitTable all = Keys(0, 100000);
  const DigitTable tail = Keys(3000, 3100);
  EXPECT_EQ(PaintRows(all, 600, 20, 17.5), PaintRows(tail, 0, 20, 17.5));
  EXPECT_NE(PaintRows(all, 601, 20, 17.5), PaintRows(tail, 0, 20, 17.5));
}

TEST(ResultRowsPainter, StopsAtTheEndOfTheTable) {
  QImage img(300, 200, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  RowPaintStyle style;
  style.font = ResultListFont();
  EXPECT_EQ(PaintResultRows(p, Keys(0, 12), 1, 20, 15, style), 2);
  EXPECT_EQ(PaintResultRows(p, Keys(0, 12), 3, 20, 15, style), 0);
  EXPECT_EQ(PaintResultRows(p, DigitTable(), 0, 20, 15, style), 0);
}

TEST(ResultRowsPainter, RowTextJoinsDigitsWithSpaces) {
  DigitTable t;
  t.appendKey(1740);
  t.appendKey(78901);
  t.appendKey(54302);
  EXPECT_EQ(ResultRowText(t, 0), QStringLiteral("01740 78901 54302"));
  EXPECT_EQ(ResultRowText(t, 1), QString());
  EXPECT_EQ(ResultRowText(t, -1), QString());
}

}  // namespace
}  // namespace torvane::controls
