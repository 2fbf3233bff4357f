#include <QAction>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "scheme/scheme_file.h"
#include "support/main_window_fixture.h"
#include "ui/panels/condition_pages.h"
#include "ui/shell/flash_frame.h"
#include "ui/shell/tab_bar.h"
#include "widgets/selectable_button.h"
#include "widgets/text_editor_window.h"

namespace torvane::ui {

using widgets::FakeDialogs;

using widgets::ButtonColor;
using widgets::GreenColor;
using widgets::IsSelected;

namespace {

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, StartsOnTheMainPageWithNothingRun) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Torvane"));
  EXPECT_EQ(baseCount(), QStringLiteral("0"));
  EXPECT_EQ(resultCount(), 0);
  EXPECT_EQ(window->resultPanel()->statusText(), QStringLiteral("未开始过滤"));
  EXPECT_EQ(window->currentPage()->objectName(), QStringLiteral("fraTab(1)"));
  EXPECT_FALSE(find<QWidget>(QStringLiteral("fraResult"))->isHidden());
  for (int i = 0; i < kTabCount; ++i) {
    auto* tab = find<QPushButton>(QStringLiteral("cmdTab(%1)").arg(i));
    EXPECT_EQ(IsSelected(tab), i == 1) << i;
    EXPECT_EQ(ButtonColor(tab), i == 1 ? GreenColor() : QColor()) << i;
  }
  EXPECT_EQ(tolerance(0)->text(), QStringLiteral("0"));
  EXPECT_EQ(tolerance(1)->text(), QStringLiteral("0"));
  EXPECT_FALSE(window->flashTimer()->isActive());
}

TEST_F(MainWindowTest, TabsRunLeftToRightInTheirOwnOrder) {
  const int order[kTabCount] = {1, 4, 5, 6, 7, 8, 9, 10, 11, 2, 16, 3, 17, 0, 12, 14, 15, 13};
  const char* captions[kTabCount] = {
      "杀直选号码", "杀垃圾复式", "杀两码",     "杀三码",  "杀四码",     "必出两码",
      "必出三码",   "必出四码",   "组合定位杀", "杀012路", "按上期条件", "交集功能",
      "大底合并",   "大底号码",   "开奖历史",   "走势图",  "指标统计",   "条件回测"};
  window->show();
  int lastX = -1;
  for (int k = 0; k < kTabCount; ++k) {
    auto* tab = find<QPushButton>(QStringLiteral("cmdTab(%1)").arg(order[k]));
    EXPECT_EQ(tab->text(), QString::fromUtf8(captions[k]));
    EXPECT_GT(tab->x(), lastX) << captions[k];
    lastX = tab->x();
  }
}

struct TabCase {
  const char* name;
  int tab;
  const char* page;
  bool resultShown;
  bool specialShown;
};

class TabSwitchTest : public MainWindowFixture, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabSwitchTest, BringsItsPageAndSelectsOnlyItself) {
  const TabCase& c = GetParam();
  clickTab(3);  // start from the page that hides the result frame
  clickTab(c.tab);
  EXPECT_EQ(window->currentPage()->objectName(), QString::fromUtf8(c.page));
  EXPECT_EQ(!find<QWidget>(QStringLiteral("fraResult"))->isHidden(), c.resultShown);
  EXPECT_EQ(!window->conditionPages()->specialFrame()->isHidden(), c.specialShown);
  for (int i = 0; i < kTabCount; ++i)
    EXPECT_EQ(IsSelected(window->tabBar()->button(i)), i == c.tab) << i;
  if (c.tab >= 4 && c.tab < kHistoryTab) {
    EXPECT_EQ(window->currentComposeBox(), c.tab - 4);
  }
}

INSTANTIATE_TEST_SUITE_P(Tabs, TabSwitchTest,
                         ::testing::Values(TabCase{"BasePage", 0, "fraTab(0)", true, true},
                                           TabCase{"MainPage", 1, "fraTab(1)", true, true},
                                           TabCase{"RoutePage", 2, "fraTab(2)", true, true},
                                           TabCase{"SetOperations", 3, "fraTab(3)", false, false},
                                           TabCase{"CompoundKill", 4, "fraTab(4)", true, true},
                                           TabCase{"KillThree", 6, "fraTab(4)", true, true},
                                           TabCase{"MustFour", 10, "fraTab(4)", true, true},
                                           TabCase{"PatternKill", 11, "fraTab(4)", true, true},
                                           TabCase{"History", 12, "fraTab(5)", true, false},
                                           TabCase{"Backtest", 13, "fraTab(6)", true, false},
                                           TabCase{"Trend", 14, "fraTab(7)", true, false},
                                           TabCase{"Statistics", 15, "fraTab(8)", true, false},
                                           TabCase{"Relative", 16, "fraTab(9)", true, true},
                                           TabCase{"Merge", 17, "fraTab(10)", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, OnlyTheChosenComposeBoxIsEditable) {
  clickTab(6);  // 杀三码
  auto* killThree = find<QPlainTextEdit>(QStringLiteral("txtCompose(2)"));
  killThree->setPlainText(QStringLiteral("123"));
  clickTab(9);  // 必出三码
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(find<QWidget>(QStringLiteral("txtCompose(%1)").arg(i))->isEnabled(), i == 5) << i;
  EXPECT_EQ(killThree->toPlainText(), QStringLiteral("123"));
}

TEST_F(MainWindowTest, FrameBlinksSixTicksThenStaysAroundTheBox) {
  window->show();
  clickTab(5);
  QTimer* timer = window->flashTimer();
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 300);
  FlashFrame* frame = window->flashFrame();
  bool shown[6];
  for (bool& s : shown) {
    ASSERT_TRUE(timer->isActive());
    window->flashTick();
    s = !frame->isHidden();
  }
  EXPECT_FALSE(timer->isActive());
  EXPECT_TRUE(shown[0] && !shown[1] && shown[2] && !shown[3] && shown[4]);
  EXPECT_TRUE(shown[5]);  // made visible when the blinking ends

  QWidget* box = window->conditionPages()->composeBox(1);
  const QRect boxRect(box->mapTo(frame->parentWidget(), QPoint(0, 0)), box->size());
  EXPECT_EQ(frame->geometry(), boxRect.adjusted(-4, -4, 4, 4));
}

TEST_F(MainWindowTest, ChoosingTheSameTabAgainRestartsTheBlinking) {
  clickTab(7);
  for (int i = 0; i < 6; ++i) window->flashTick();
  ASSERT_FALSE(window->flashTimer()->isActive());
  clickTab(7);
  EXPECT_TRUE(window->flashTimer()->isActive());
  EXPECT_EQ(window->flashCount(), 0);
}

TEST_F(MainWindowTest, AnsweringNoToTheExitQuestionKeepsEverything) {
  window->show();
  typeBase(QStringLiteral("12345"));
  QSignalSpy quit(window.get(), &MainWindow::quitRequested);
  dialogs.answers.push_back(false);
  EXPECT_FALSE(window->close());
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("question"));
  EXPECT_EQ(dialogs.last()->title, QStringLiteral("Torvane"));
  EXPECT_EQ(dialogs.last()->text, QStringLiteral("亲，您确定要退出软件吗？？"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(quit.count(), 0);
  EXPECT_EQ(baseBox()->text(), QStringLiteral("12345"));

  dialogs.answers.push_back(true);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(quit.count(), 1);
}

TEST_F(MainWindowTest, ExitAsksAboutUnsavedExportEditsAndCancelKeepsTheProgram) {
  window->show();
  auto* editor = new widgets::TextEditorWindow(dialogs, QStringLiteral("导出全部号码"),
                                               QStringLiteral("12345"), window.get());
  editor->show();
  QTest::keyClicks(editor->editor(), QStringLiteral("9"));
  QSignalSpy quit(window.get(), &MainWindow::quitRequested);
  dialogs.answers.push_back(true);  // 退出？ 是
  dialogs.threeWay.push_back(widgets::Dialogs::Answer::Cancel);
  EXPECT_FALSE(window->close());
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].kind, QStringLiteral("questionWithCancel"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(quit.count(), 0);

  dialogs.answers.push_back(true);
  dialogs.threeWay.push_back(widgets::Dialogs::Answer::No);
  EXPECT_TRUE(window->close());
  EXPECT_EQ(quit.count(), 1);
}

TEST_F(MainWindowTest, ExitInTheSchemeMenuAsksToo) {
  window->show();
  dialogs.answers.push_back(false);
  window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
  EXPECT_EQ(dialogs.lastText(), QStringLiteral("亲，您确定要退出软件吗？？"));
  EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, HelpButtonsReachTheHelp) {
  window->startupStep();
  for (const char* name : {"cmdEx(14)", "cmdEx(12)"}) {
    dialogs.reset();
    click(QString::fromUtf8(name));
    ASSERT_NE(dialogs.last(), nullptr) << name;
    EXPECT_EQ(dialogs.last()->title, QStringLiteral("温馨提示")) << name;
  }
}

QAction* MenuAction(MainWindow& w, const char* name) {
  return w.findChild<QAction*>(QString::fromUtf8(name));
}

TEST_F(MainWindowTest, SavedSchemeRestoresIntoAFreshWindow) {
  Conditions scheme = ParseScheme(
      R"({"format": "torvane-scheme/1", "tolerance": ["1", "2"], "directKill": "12345 58920"})",
      "test.json");
  window->applyConditions(scheme);
  const Conditions shown = window->gatherConditions();
  EXPECT_EQ(shown.tolerance.min, "1");

  const QString path = dir.filePath(QStringLiteral("mine"));
  dialogs.files.push_back(path);
  MenuAction(*window, "mnuSaveScheme")->trigger();
  ASSERT_TRUE(QFile::exists(path + QStringLiteral(".json")));

  FakeDialogs freshDialogs;
  MainWindow fresh(freshDialogs);
  freshDialogs.files.push_back(path + QStringLiteral(".json"));
  MenuAction(fresh, "mnuLoadScheme")->trigger();
  EXPECT_EQ(freshDialogs.calls.size(), 1u);  // the file dialog, no message
  EXPECT_EQ(fresh.gatherConditions(), shown);
  EXPECT_EQ(fresh.runPanel()->toleranceText(0), QStringLiteral("1"));
  EXPECT_EQ(fresh.runPanel()->toleranceText(1), QStringLiteral("2"));
}

struct BrokenScheme {
  const char* name;
  const char* content;  // nullptr: the file does not exist
};

class BrokenSchemeTest : public MainWindowFixture,
                         public ::testing::WithParamInterface<BrokenScheme> {};

TEST_P(BrokenSchemeTest, IsRefusedAndChangesNothing) {
  tolerance(0)->setText(QStringLiteral("1"));
  tolerance(1)->setText(QStringLiteral("3"));
  const Conditions before = window->gatherConditions();
  QString path = dir.filePath(QStringLiteral("bad.json"));
  if (GetParam().content) path = writeFile(QStringLiteral("bad.json"), GetParam().content);
  dialogs.files.push_back(path);
  MenuAction(*window, "mnuLoadScheme")->trigger();
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_EQ(dialogs.last()->title, QStringLiteral("Torvane"));
  EXPECT_FALSE(dialogs.last()->text.isEmpty());
  EXPECT_EQ(window->gatherConditions(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, BrokenSchemeTest,
    ::testing::Values(BrokenScheme{"NotJson", "{ \"tolerance\": [\"1\", "},
                      BrokenScheme{"UnknownKey", R"({"tolerance": ["0", "0"], "colour": 1})"},
                      BrokenScheme{"WrongType", R"({"tolerance": "0"})"},
                      BrokenScheme{"Missing", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, CancelledSchemeDialogsDoNothing) {
  const Conditions before = window->gatherConditions();
  MenuAction(*window, "mnuLoadScheme")->trigger();
  MenuAction(*window, "mnuSaveScheme")->trigger();
  EXPECT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("方案文件 (*.json)"));
  EXPECT_EQ(window->gatherConditions(), before);
}

}  // namespace
}  // namespace torvane::ui
