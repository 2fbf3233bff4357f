// The window comes back where the player left it, fitted to the screen it finds.
#include "ui/shell/window_geometry.h"

#include <QScreen>
#include <QSettings>
#include <ostream>

#include "support/main_window_fixture.h"

namespace torvane::ui {
namespace {

struct FitCase {
  const char* name;
  QRect saved;
  QRect available;
  QSize minimum;
  QRect expected;
};

// A failing case prints as its name.
void PrintTo(const FitCase& c, std::ostream* os) {
  *os << c.name;
}

class FitOnScreenTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitOnScreenTest, KeepsTheWindowAndItsFrameOnTheScreen) {
  const FitCase& c = GetParam();
  const QRect got = FitOnScreen(c.saved, c.available, QMargins(8, 40, 8, 8), c.minimum);
  EXPECT_EQ(got.topLeft(), c.expected.topLeft());
  EXPECT_EQ(got.size(), c.expected.size());
}

const QRect k1366(0, 0, 1366, 728);  // a 1366x768 screen less its task bar

INSTANTIATE_TEST_SUITE_P(
    Places, FitOnScreenTest,
    ::testing::Values(FitCase{"FitsAsItIs", QRect(100, 80, 900, 600), k1366, QSize(400, 300),
                              QRect(100, 80, 900, 600)},
                      FitCase{"OffTheRightEdge", QRect(1000, 80, 900, 600), k1366, QSize(400, 300),
                              QRect(458, 80, 900, 600)},
                      FitCase{"AboveTheTop", QRect(100, -300, 900, 600), k1366, QSize(400, 300),
                              QRect(100, 40, 900, 600)},
                      FitCase{"FromALargerScreen", QRect(200, 100, 1800, 1000), k1366,
                              QSize(400, 300), QRect(8, 40, 1350, 680)},
                      FitCase{"ScreenThatWasUnpluggedOnTheLeft", QRect(-1500, 100, 900, 600), k1366,
                              QSize(400, 300), QRect(8, 100, 900, 600)},
                      FitCase{"SecondScreenToTheRight", QRect(1500, 100, 900, 600),
                              QRect(1366, 0, 1920, 1040), QSize(400, 300),
                              QRect(1500, 100, 900, 600)},
                      FitCase{"NeverBelowTheMinimumTopLeftStaysOnScreen", QRect(300, 300, 500, 400),
                              QRect(0, 0, 800, 600), QSize(900, 560), QRect(8, 40, 900, 560)}),
    [](const auto& info) { return std::string(info.param.name); });

using WindowGeometryTest = MainWindowFixture;

TEST_F(WindowGeometryTest, ClosingKeepsTheWindowsPlace) {
  window->show();
  window->move(window->x() + 3, window->y() + 5);
  const QRect shown = window->normalGeometry();
  dialogs.answers.push_back(true);
  ASSERT_TRUE(window->close());
  EXPECT_EQ(QSettings().value(QStringLiteral("window/geometry")).toRect(), shown);
  EXPECT_FALSE(QSettings().value(QStringLiteral("window/maximized")).toBool());
}

TEST_F(WindowGeometryTest, AWindowLeftOffScreenComesBackOnIt) {
  QSettings().setValue(QStringLiteral("window/geometry"), QRect(5000, 4000, 1000, 500));
  FakeDialogs freshDialogs;
  MainWindow fresh(freshDialogs);
  const QRect available = fresh.screen()->availableGeometry();
  EXPECT_TRUE(available.contains(fresh.geometry().topLeft())) << fresh.x() << "," << fresh.y();
  EXPECT_LE(fresh.geometry().bottom(), available.bottom());
  EXPECT_EQ(fresh.height(), std::max(500, fresh.minimumSizeHint().height()));
}

TEST_F(WindowGeometryTest, TheMeasuredFrameReplacesTheGuess) {
  window->show();
  dialogs.answers.push_back(true);
  ASSERT_TRUE(window->close());
  EXPECT_EQ(QSettings().value(QStringLiteral("window/frame")).toList().size(), 4);

  // No frame at all (no window manager): the window may sit right at the top.
  QSettings().setValue(QStringLiteral("window/geometry"), QRect(3, 2, 500, 400));
  QSettings().setValue(QStringLiteral("window/frame"), QVariantList{0, 0, 0, 0});
  FakeDialogs freshDialogs;
  MainWindow fresh(freshDialogs);
  EXPECT_EQ(fresh.y(), 2);
}

TEST_F(WindowGeometryTest, MaximizedComesBackMaximized) {
  QSettings().setValue(QStringLiteral("window/geometry"), QRect(10, 50, 900, 600));
  QSettings().setValue(QStringLiteral("window/maximized"), true);
  FakeDialogs freshDialogs;
  MainWindow fresh(freshDialogs);
  EXPECT_TRUE(fresh.windowState() & Qt::WindowMaximized);
}

}  // namespace
}  // namespace torvane::ui
