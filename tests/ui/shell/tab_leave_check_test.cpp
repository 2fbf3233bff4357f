// A tab click that leaves a compose box with unreadable text: the "条件提示" question comes
// up while the mouse button is down. A mouse let go while the modal box shows never reaches
// the tab, so the press is all it gets. 是 must still take the player to the tab, exactly
// once; 否 keeps the player in the box even when the release does arrive.
#include <QSignalSpy>
#include <QTest>
#include <ostream>

#include "support/main_window_fixture.h"
#include "ui/panels/condition_pages.h"
#include "ui/shell/tab_bar.h"
#include "widgets/selectable_button.h"

namespace torvane::ui {
namespace {

using widgets::IsSelected;
using widgets::LightYellowColor;

struct LeaveCase {
  const char* name;
  bool answerYes;
  bool releaseArrives;  // false: the mouse was let go while the question box was up
  const char* page;     // in front afterwards
  bool boxKeepsFocus;
};

// A failing case prints as its name.
void PrintTo(const LeaveCase& c, std::ostream* os) {
  *os << c.name;
}

class TabLeaveCheckTest : public MainWindowFixture,
                          public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(TabLeaveCheckTest, ClickTakesEffectExactlyWhenTheLeaveGoesAhead) {
  const LeaveCase& c = GetParam();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  clickTab(4);  // 杀垃圾复式
  auto* box = qobject_cast<HintedTextEdit*>(window->conditionPages()->composeBox(0));
  ASSERT_NE(box, nullptr);
  box->setFocus(Qt::MouseFocusReason);
  ASSERT_TRUE(box->hasFocus());
  box->setPlainText(QStringLiteral("12*34"));

  QPushButton* mainTab = window->tabBar()->button(1);  // 杀直选号码
  QSignalSpy clicks(mainTab, &QPushButton::clicked);
  dialogs.reset();
  dialogs.answers.push_back(c.answerYes);
  QWidget questionBox;
  if (!c.releaseArrives)
    dialogs.whileAsking = [&] { QTest::mouseRelease(&questionBox, Qt::LeftButton); };
  QTest::mousePress(mainTab, Qt::LeftButton);
  if (c.releaseArrives) QTest::mouseRelease(mainTab, Qt::LeftButton);
  QApplication::processEvents();

  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("条件提示"));
  EXPECT_EQ(window->currentPage()->objectName(), QString::fromUtf8(c.page));
  EXPECT_EQ(clicks.count(), c.answerYes ? 1 : 0);
  EXPECT_FALSE(mainTab->isDown());
  EXPECT_EQ(IsSelected(mainTab), c.answerYes);
  EXPECT_EQ(box->hasFocus(), c.boxKeepsFocus);
  if (c.answerYes)
    EXPECT_TRUE(box->showsHint()) << box->text().toStdString();
  else
    EXPECT_EQ(box->text(), QStringLiteral("12*34"));
  // Still the chosen box of its tab: light yellow, focused or not.
  EXPECT_EQ(box->palette().color(QPalette::Base), LightYellowColor());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TabLeaveCheckTest,
    ::testing::Values(LeaveCase{"YesReleasedDuringTheQuestion", true, false, "fraTab(1)", false},
                      LeaveCase{"YesReleasedAfterTheQuestion", true, true, "fraTab(1)", false},
                      LeaveCase{"NoReleasedDuringTheQuestion", false, false, "fraTab(4)", true},
                      LeaveCase{"NoReleasedAfterTheQuestion", false, true, "fraTab(4)", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::ui
