#include "results/page_grid.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QWheelEvent>

#include "controls/t_scroll.h"
#include "results/page_button.h"
#include "widgets/selectable_button.h"

namespace torvane::results {

using widgets::ButtonColor;
using widgets::GreenColor;
using widgets::RedColor;

namespace {

struct GridCase {
  const char* name;
  int count, pageSize;
  int pages, width;
  int scrollMax;  // -1: no scroll bar
  const char* lastTooltip;
};

class PageGridLayout : public testing::TestWithParam<GridCase> {};

TEST_P(PageGridLayout, ButtonsTooltipsAndScrollBar) {
  const GridCase& c = GetParam();
  PageGrid grid;
  grid.rebuild(c.count, c.pageSize);
  ASSERT_EQ(grid.pageCount(), c.pages);
  // The last row comes into view at the end of the scroll range.
  if (c.scrollMax > 0) grid.scrollBar()->setValue(c.scrollMax);
  QPushButton* last = grid.button(c.pages - 1);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->text(), QString::number(c.pages));
  EXPECT_EQ(last->toolTip(), QString::fromLatin1(c.lastTooltip));
  EXPECT_EQ(last->width(), c.width);
  EXPECT_EQ(last->height(), kPageButtonHeight);
  // Five to a row, rows stacked from the first row in view.
  EXPECT_EQ(last->x(), ((c.pages - 1) % 5) * c.width);
  EXPECT_EQ(last->y(), ((c.pages - 1) / 5 - grid.firstVisibleRow()) * kPageButtonHeight);
  if (c.scrollMax < 0) {
    EXPECT_TRUE(grid.scrollBar()->isHidden());
    EXPECT_EQ(grid.height(), PageRows(c.pages) * kPageButtonHeight);
  } else {
    EXPECT_FALSE(grid.scrollBar()->isHidden());
    EXPECT_EQ(grid.scrollBar()->max(), c.scrollMax);
    EXPECT_EQ(grid.scrollBar()->largeChange(), 5);
    EXPECT_EQ(grid.height(), 5 * kPageButtonHeight);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageGridLayout,
    testing::Values(GridCase{"ThreePagesLastShort", 7345, 3000, 3, 39, -1, "6001 - 7345"},
                    GridCase{"ExactMultipleHasNoEmptyPage", 6000, 3000, 2, 39, -1, "3001 - 6000"},
                    GridCase{"OneNumber", 1, 3000, 1, 39, -1, "1 - 1"},
                    GridCase{"TwentyFivePagesFit", 75000, 3000, 25, 39, -1, "72001 - 75000"},
                    GridCase{"TwentySixPagesScroll", 78000, 3000, 26, 37, 1, "75001 - 78000"},
                    GridCase{"HundredPages", 100000, 1000, 100, 37, 15, "99001 - 100000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageGrid, TooltipsOfAllPages) {
  PageGrid grid;
  grid.rebuild(7345, 3000);
  EXPECT_EQ(grid.button(0)->toolTip(), QStringLiteral("1 - 3000"));
  EXPECT_EQ(grid.button(1)->toolTip(), QStringLiteral("3001 - 6000"));
  EXPECT_EQ(grid.button(2)->toolTip(), QStringLiteral("6001 - 7345"));
  EXPECT_EQ(grid.button(1)->objectName(), QStringLiteral("cmdPage(1)"));
}

TEST(PageGrid, TooltipParsesBack) {
  const PageRange r = ParsePageTooltip(QStringLiteral("3001 - 6000"));
  EXPECT_EQ(r.first, 3000);
  EXPECT_EQ(r.last, 5999);
  EXPECT_LT(ParsePageTooltip(QStringLiteral("3001-6000")).last, 0);
  EXPECT_LT(ParsePageTooltip(QString()).last, 0);
}

TEST(PageGrid, CurrentTurnsRedWhenAnotherIsPressed) {
  PageGrid grid;
  grid.rebuild(20000, 3000);
  grid.select(2);
  EXPECT_EQ(grid.state(2), PageState::Current);
  EXPECT_EQ(ButtonColor(grid.button(2)), GreenColor());
  grid.select(0);
  EXPECT_EQ(grid.state(2), PageState::Copied);
  EXPECT_EQ(ButtonColor(grid.button(2)), RedColor());
  EXPECT_EQ(grid.button(2)->property("Tag").toString(), QStringLiteral("0"));
  EXPECT_EQ(grid.state(0), PageState::Current);
  EXPECT_EQ(grid.button(0)->property("Tag").toString(), QStringLiteral("1"));
  grid.select(0);  // again: stays current
  EXPECT_EQ(grid.state(0), PageState::Current);
  EXPECT_EQ(grid.state(1), PageState::Untouched);
}

TEST(PageGrid, RebuildResetsEveryButton) {
  PageGrid grid;
  grid.rebuild(20000, 3000);
  grid.select(0);
  grid.select(3);
  grid.rebuild(20000, 3000);
  for (int k = 0; k < grid.pageCount(); ++k) EXPECT_EQ(grid.state(k), PageState::Untouched);
  EXPECT_FALSE(ButtonColor(grid.button(0)).isValid());
}

TEST(PageGrid, ScrollMovesTheGridByWholeRows) {
  PageGrid grid;
  grid.rebuild(100000, 1000);
  grid.scrollBar()->setValue(3);
  EXPECT_EQ(grid.firstVisibleRow(), 3);
  EXPECT_EQ(grid.button(14), nullptr);  // row 2 is out of view
  ASSERT_NE(grid.button(15), nullptr);
  EXPECT_EQ(grid.button(15)->y(), 0);
  EXPECT_EQ(grid.button(15)->text(), QStringLiteral("16"));
  grid.rebuild(100000, 1000);
  EXPECT_EQ(grid.firstVisibleRow(), 0);
  EXPECT_EQ(grid.scrollBar()->value(), 0);
  EXPECT_EQ(grid.button(0)->y(), 0);
}

TEST(PageGrid, PressingAButtonReportsItsPage) {
  PageGrid grid;
  grid.rebuild(7345, 3000);
  QSignalSpy spy(&grid, &PageGrid::pagePressed);
  grid.button(2)->click();
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).toInt(), 2);
}

int ButtonWidgets(const PageGrid& grid) {
  return static_cast<int>(grid.findChildren<PageButton*>().size());
}

void Wheel(QWidget* target, int delta) {
  QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(target, &e);
}

// Only the rows in view have buttons, whatever the page count, and a rebuild reuses them.
TEST(PageGrid, ButtonsOnlyForTheRowsInView) {
  PageGrid grid;
  grid.rebuild(100000, 1000);
  EXPECT_EQ(grid.pageCount(), 100);
  EXPECT_EQ(ButtonWidgets(grid), 25);
  grid.rebuild(100000, 10);  // ten thousand pages
  EXPECT_EQ(grid.pageCount(), 10000);
  EXPECT_EQ(ButtonWidgets(grid), 25);
  EXPECT_EQ(grid.scrollBar()->max(), 2000 - 5);
  grid.scrollBar()->setValue(grid.scrollBar()->max());
  ASSERT_NE(grid.button(9999), nullptr);
  EXPECT_EQ(grid.button(9999)->toolTip(), QStringLiteral("99991 - 100000"));
  EXPECT_EQ(grid.button(9999)->objectName(), QStringLiteral("cmdPage(9999)"));
  grid.rebuild(7345, 3000);
  EXPECT_EQ(ButtonWidgets(grid), 25);
  EXPECT_EQ(grid.findChildren<QPushButton*>(QStringLiteral("cmdPage(3)")).size(), 0);
  EXPECT_EQ(grid.button(3), nullptr);
}

// A page keeps its colour while its row is out of view, and the buttons that come into
// view show the colours of their own pages.
TEST(PageGrid, ColoursFollowThePagesWhileScrolling) {
  PageGrid grid;
  grid.rebuild(100000, 1000);
  grid.select(2);
  grid.scrollBar()->setValue(6);
  EXPECT_EQ(grid.button(2), nullptr);
  grid.select(31);  // page 2 turns red out of view
  EXPECT_EQ(ButtonColor(grid.button(31)), GreenColor());
  EXPECT_FALSE(ButtonColor(grid.button(32)).isValid());
  grid.scrollBar()->setValue(0);
  EXPECT_EQ(ButtonColor(grid.button(2)), RedColor());
  EXPECT_EQ(grid.state(31), PageState::Current);
  // The slot that showed page 31 now shows page 1, untouched.
  EXPECT_FALSE(ButtonColor(grid.button(1)).isValid());
  EXPECT_EQ(grid.button(1)->property("Tag").toString(), QStringLiteral("0"));
}

TEST(PageGrid, PressReportsThePageInViewNotTheSlot) {
  PageGrid grid;
  grid.rebuild(100000, 1000);
  grid.scrollBar()->setValue(3);
  QSignalSpy spy(&grid, &PageGrid::pagePressed);
  grid.button(17)->click();
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).toInt(), 17);
}

struct WheelCase {
  const char* name;
  int count, pageSize;
  int start;  // scroll value before the wheel turn
  int delta;
  int after;
};

class PageGridWheel : public testing::TestWithParam<WheelCase> {};

// The grid moves three rows per wheel message like the result list, also when the pointer
// is over a button.
TEST_P(PageGridWheel, MovesThreeRowsClamped) {
  const WheelCase& c = GetParam();
  PageGrid grid;
  grid.rebuild(c.count, c.pageSize);
  grid.scrollBar()->setValue(c.start);
  Wheel(grid.button(grid.firstVisibleRow() * 5), c.delta);
  EXPECT_EQ(grid.scrollBar()->value(), c.after);
  EXPECT_EQ(grid.firstVisibleRow(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageGridWheel,
    testing::Values(WheelCase{"TowardsTheUserGoesDown", 100000, 1000, 0, -120, 3},
                    WheelCase{"AwayGoesUp", 100000, 1000, 7, 120, 4},
                    WheelCase{"StopsAtTheTop", 100000, 1000, 1, 120, 0},
                    WheelCase{"NothingAboveTheTop", 100000, 1000, 0, 120, 0},
                    WheelCase{"StopsAtTheBottom", 100000, 1000, 14, -120, 15},
                    WheelCase{"SmallDeltaIsAWholeStep", 100000, 1000, 0, -15, 3},
                    WheelCase{"AllRowsFit", 7345, 3000, 0, -120, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::results
