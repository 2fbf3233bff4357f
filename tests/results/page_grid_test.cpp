#include "results/page_grid.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>

#include "controls/t_scroll.h"
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
  QPushButton* last = grid.button(c.pages - 1);
  EXPECT_EQ(last->text(), QString::number(c.pages));
  EXPECT_EQ(last->toolTip(), QString::fromLatin1(c.lastTooltip));
  EXPECT_EQ(last->width(), c.width);
  EXPECT_EQ(last->height(), kPageButtonHeight);
  // Five to a row, rows stacked.
  EXPECT_EQ(last->x(), ((c.pages - 1) % 5) * c.width);
  EXPECT_EQ(last->y(), ((c.pages - 1) / 5) * kPageButtonHeight);
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
  EXPECT_EQ(grid.grid()->y(), -3 * kPageButtonHeight);
  grid.rebuild(100000, 1000);
  EXPECT_EQ(grid.grid()->y(), 0);
  EXPECT_EQ(grid.scrollBar()->value(), 0);
}

TEST(PageGrid, PressingAButtonReportsItsPage) {
  PageGrid grid;
  grid.rebuild(7345, 3000);
  QSignalSpy spy(&grid, &PageGrid::pagePressed);
  grid.button(2)->click();
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).toInt(), 2);
}

}  // namespace
}  // namespace torvane::results
