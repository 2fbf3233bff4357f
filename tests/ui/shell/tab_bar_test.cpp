// The tab bar stays put: choosing a tab changes its colour, never a button's place or width.
#include <QPushButton>
#include <QTest>

#include "support/main_window_fixture.h"
#include "ui/shell/tab_bar.h"
#include "widgets/selectable_button.h"

namespace torvane::ui {
namespace {

using widgets::ButtonColor;
using widgets::GreenColor;

using TabBarTest = MainWindowFixture;

// "x,y wxh" of every tab, so a failure reads as geometry.
std::vector<std::string> TabGeometries(const TabBar& bar) {
  std::vector<std::string> g;
  for (int i = 0; i < kTabCount; ++i) {
    const QRect r = bar.button(i)->geometry();
    g.push_back(QStringLiteral("%1 %2,%3 %4x%5")
                    .arg(bar.button(i)->text())
                    .arg(r.x())
                    .arg(r.y())
                    .arg(r.width())
                    .arg(r.height())
                    .toStdString());
  }
  return g;
}

TEST_F(TabBarTest, ChoosingATabChangesOnlyItsColour) {
  window->show();
  const std::vector<std::string> before = TabGeometries(*window->tabBar());
  // 杀两码 has the shortest caption; every tab is tried, that one first.
  for (int tab : {5, 1, 4, 6, 7, 8, 9, 10, 11, 2, 16, 3, 17, 0, 12, 14, 15, 13}) {
    QTest::mouseClick(window->tabBar()->button(tab), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(TabGeometries(*window->tabBar()), before) << "after tab " << tab;
    EXPECT_EQ(ButtonColor(window->tabBar()->button(tab)), GreenColor()) << tab;
  }
}

// Every tab must fit a 1366-pixel screen beside the window's frame and margins.
TEST_F(TabBarTest, EveryTabFitsA1366PixelScreen) {
  QStringList captions;
  for (int i = 0; i < kTabCount; ++i) captions << window->tabBar()->button(i)->text();
  ASSERT_EQ(captions.size(), kTabCount);
  EXPECT_EQ(window->tabBar()->minimumSizeHint().width(),
            TabRowWidth(QFontMetrics(window->tabBar()->font()), captions));
  // The window's own font and a larger one, as on a screen set to 125 %.
  for (int pointSize : {9, 11}) {
    QFont font = window->tabBar()->font();
    font.setPointSize(pointSize);
    EXPECT_LE(TabRowWidth(QFontMetrics(font), captions), 1366 - 40) << pointSize;
  }
}

}  // namespace
}  // namespace torvane::ui
