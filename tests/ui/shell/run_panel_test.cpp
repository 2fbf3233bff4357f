#include "ui/shell/run_panel.h"

#include <QClipboard>
#include <QTest>

#include "core/number_text.h"
#include "scheme/scheme_file.h"
#include "support/main_window_fixture.h"

namespace torvane::ui {

using widgets::DialogCall;
namespace {

const QString kUnknownError = QStringLiteral("本次操作发生未知错误，请重新操作");
const QString kNoResults = QStringLiteral("结果注数为 0，请先进行过滤！");

using RunPanelTest = MainWindowFixture;

TEST_F(RunPanelTest, ControlsCarryTheirCaptions) {
  const char* captions[5] = {"开始缩水", "转为组选", "清空所有条件", "复制全部号码",
                             "导出全部号码"};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(find<QPushButton>(QStringLiteral("cmdFilter(%1)").arg(i))->text(),
              QString::fromUtf8(captions[i]));
  EXPECT_EQ(find<QLabel>(QStringLiteral("Label9(0)"))->text(), QStringLiteral("容错级别"));
  EXPECT_EQ(find<QLabel>(QStringLiteral("Label11"))->text(), QStringLiteral("-"));
  EXPECT_EQ(find<QPushButton>(QStringLiteral("cmdEx(12)"))->text(), QStringLiteral("说明"));
  EXPECT_EQ(tolerance(0)->maxLength(), 2);
  EXPECT_EQ(tolerance(1)->maxLength(), 2);
}

TEST_F(RunPanelTest, RunOnTheFullSet) {
  pressRun(0);
  ASSERT_EQ(resultCount(), 100000);
  const DigitTable& r = window->results();
  EXPECT_EQ(r.key(0), 0);
  EXPECT_EQ(r.key(99999), 99999);
  EXPECT_EQ(window->resultPanel()->statusText(), QStringLiteral("过滤完毕！"));
  EXPECT_TRUE(dialogs.calls.empty());
}

struct ToleranceCase {
  const char* name;
  const char* min;
  const char* max;
  const char* minShown;
  const char* maxShown;
  int count;  // no condition set: every number has kill sum 0
};

class ToleranceRunTest : public MainWindowFixture,
                         public ::testing::WithParamInterface<ToleranceCase> {};

TEST_P(ToleranceRunTest, ReadsAndCorrectsTheBoxes) {
  const ToleranceCase& c = GetParam();
  tolerance(0)->setText(QString::fromUtf8(c.min));
  tolerance(1)->setText(QString::fromUtf8(c.max));
  pressRun(0);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(tolerance(0)->text(), QString::fromUtf8(c.minShown));
  EXPECT_EQ(tolerance(1)->text(), QString::fromUtf8(c.maxShown));
  EXPECT_EQ(resultCount(), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ToleranceRunTest,
    ::testing::Values(ToleranceCase{"ZeroZero", "0", "0", "0", "0", 100000},
                      ToleranceCase{"OneOne", "1", "1", "1", "1", 0},
                      ToleranceCase{"MinAboveMaxIsLowered", "3", "1", "1", "1", 0},
                      ToleranceCase{"MaxShownPlainly", "0", "05", "0", "5", 100000},
                      ToleranceCase{"MinBelowMaxKeepsItsText", "05", "9", "05", "9", 0},
                      ToleranceCase{"EqualWithLeadingZero", "05", "05", "5", "5", 0},
                      ToleranceCase{"HalfGoesToEven", "0", "0.", "0", "0", 100000}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadTolerance {
  const char* name;
  const char* min;
  const char* max;
  const char* why;  // the message's second line
};

class BadToleranceTest : public MainWindowFixture,
                         public ::testing::WithParamInterface<BadTolerance> {};

TEST_P(BadToleranceTest, StopsWithTheErrorAndKeepsTheResults) {
  typeBase(QStringLiteral("00001 00002 00003"));
  pressRun(0);
  ASSERT_EQ(resultCount(), 3);
  tolerance(0)->setText(QString::fromUtf8(GetParam().min));
  tolerance(1)->setText(QString::fromUtf8(GetParam().max));
  pressRun(0);
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->title, QStringLiteral("错误提示"));
  EXPECT_EQ(dialogs.last()->text, kUnknownError + QChar('\n') + QString::fromUtf8(GetParam().why));
  EXPECT_EQ(resultCount(), 3);
  EXPECT_EQ(window->results().count(), 3);
  EXPECT_EQ(window->resultPanel()->statusText(), QStringLiteral("过滤完毕！"));
  EXPECT_EQ(tolerance(0)->text(), QString::fromUtf8(GetParam().min));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BadToleranceTest,
    ::testing::Values(BadTolerance{"EmptyMin", "", "0", "容错级别的最小值是空的"},
                      BadTolerance{"EmptyMax", "0", "", "容错级别的最大值是空的"},
                      BadTolerance{"LonePoint", ".", "1", "容错级别的最小值“.”不是数字"},
                      BadTolerance{"PastedLetters", "0", "ab", "容错级别的最大值“ab”不是数字"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunPanelTest, RunStartsFromTheBaseSet) {
  typeBase(QStringLiteral("00001 00002 00003"));
  pressRun(0);
  EXPECT_EQ(resultCount(), 3);
  click(QStringLiteral("cmdBase(0)"));
  pressRun(0);
  EXPECT_EQ(resultCount(), 100000);
}

struct KillRange {
  const char* name;
  const char* min;
  const char* max;
  const char* kept;
};

class KillRangeTest : public MainWindowFixture, public ::testing::WithParamInterface<KillRange> {};

// Three base numbers, two of which the direct-kill list kills.
TEST_P(KillRangeTest, ToleranceCountsKillingConditions) {
  typeBase(QStringLiteral("11111 22222 33333"));
  Conditions c = window->gatherConditions();
  c.directKill = ParseScheme(R"({"directKill": "11111 33333"})", "k.json").directKill;
  c.tolerance = {GetParam().min, GetParam().max};
  window->applyConditions(c);
  pressRun(0);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(JoinNumbers(window->results()), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Ranges, KillRangeTest,
                         ::testing::Values(KillRange{"NoneMayFail", "0", "0", "22222"},
                                           KillRange{"OneMayFail", "0", "1", "11111 22222 33333"},
                                           KillRange{"ExactlyOneFails", "1", "1", "11111 33333"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunPanelTest, GroupConversionSortsDigitsAndDropsDuplicates) {
  typeBase(QStringLiteral("53120 12035 11223"));
  pressRun(0);
  pressRun(1);
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("information"));
  EXPECT_EQ(dialogs.last()->title, QStringLiteral("Torvane"));
  EXPECT_EQ(dialogs.last()->text, QStringLiteral("转换完成！组选结果注数：2"));
  EXPECT_EQ(JoinNumbers(window->results()), "01235 11223");
  EXPECT_EQ(JoinNumbers(window->resultPanel()->results()), "01235 11223");
  EXPECT_EQ(window->baseSet().count(), 3);  // the base set is not touched

  pressRun(1);
  EXPECT_EQ(dialogs.last()->text, QStringLiteral("转换完成！组选结果注数：2"));
}

class NoResultsTest : public MainWindowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(NoResultsTest, AsksForARunFirst) {
  pressRun(GetParam());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("information"));
  EXPECT_EQ(dialogs.last()->title, QStringLiteral("Torvane"));
  EXPECT_EQ(dialogs.last()->text, kNoResults);
}

TEST_P(NoResultsTest, AsksForARunAlsoWhenTheRunKeptNothing) {
  tolerance(0)->setText(QStringLiteral("1"));
  tolerance(1)->setText(QStringLiteral("1"));
  pressRun(0);
  ASSERT_EQ(resultCount(), 0);
  pressRun(GetParam());
  EXPECT_EQ(dialogs.lastText(), kNoResults);
}

std::string ButtonName(const ::testing::TestParamInfo<int>& info) {
  return info.param == 1 ? "Group" : info.param == 3 ? "CopyAll" : "ExportAll";
}

INSTANTIATE_TEST_SUITE_P(Buttons, NoResultsTest, ::testing::Values(1, 3, 4), ButtonName);

TEST_F(RunPanelTest, CopyAllHandsOverOnceThereAreResults) {
  typeBase(QStringLiteral("00001 00002"));
  pressRun(0);
  dialogs.reset();
  pressRun(3);
  for (const DialogCall& c : dialogs.calls) {
    EXPECT_NE(c.text, kNoResults);
    EXPECT_NE(c.text, kUnknownError);
  }
}

TEST_F(RunPanelTest, ClearAllEmptiesConditionsButNotTheResults) {
  typeBase(QStringLiteral("00001 00002 00003"));
  pressRun(0);
  tolerance(0)->setText(QStringLiteral("1"));
  tolerance(1)->setText(QStringLiteral("2"));
  pressRun(2);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(baseBox()->text(), QString());
  EXPECT_EQ(baseCount(), QStringLiteral("0"));
  EXPECT_TRUE(window->baseSet().empty());
  EXPECT_EQ(tolerance(0)->text(), QStringLiteral("0"));
  EXPECT_EQ(tolerance(1)->text(), QStringLiteral("0"));
  EXPECT_EQ(window->gatherConditions(), Conditions{});
  EXPECT_EQ(resultCount(), 3);
  EXPECT_EQ(window->resultPanel()->statusText(), QStringLiteral("过滤完毕！"));
  pressRun(0);
  EXPECT_EQ(resultCount(), 100000);
}

struct KeyCase {
  const char* name;
  const char* typed;
  const char* shown;
};

class ToleranceKeysTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ToleranceKeysTest, OnlyDigitsPointAndBackspaceAreTyped) {
  RunPanel panel;
  QLineEdit* box = panel.toleranceBox(0);
  box->clear();
  QTest::keyClicks(box, QString::fromUtf8(GetParam().typed));
  EXPECT_EQ(box->text(), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ToleranceKeysTest,
    ::testing::Values(KeyCase{"Digits", "12", "12"}, KeyCase{"AtMostTwo", "123", "12"},
                      KeyCase{"LettersDropped", "a1b", "1"}, KeyCase{"SignsDropped", "-+1 ", "1"},
                      KeyCase{"Point", ".5", ".5"}, KeyCase{"SpaceDropped", "1 2", "12"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToleranceBox, NonAsciiDigitsAreDropped) {
  RunPanel panel;
  QLineEdit* box = panel.toleranceBox(0);
  box->clear();
  QKeyEvent fullWidth(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("１"));
  QApplication::sendEvent(box, &fullWidth);
  EXPECT_EQ(box->text(), QString());
}

TEST(ToleranceBox, BackspaceAndPasteStillWork) {
  RunPanel panel;
  QLineEdit* box = panel.toleranceBox(1);
  box->setText(QStringLiteral("12"));
  box->end(false);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), QStringLiteral("1"));
  box->clear();
  QApplication::clipboard()->setText(QStringLiteral("ab"));
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), QStringLiteral("ab"));  // pasted text is not filtered
}

TEST(ToleranceBox, FocusSelectsTheWholeText) {
  RunPanel panel;
  QLineEdit* box = panel.toleranceBox(0);
  box->setText(QStringLiteral("12"));
  box->deselect();
  QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
  QApplication::sendEvent(box, &in);
  QCoreApplication::processEvents();
  EXPECT_EQ(box->selectedText(), QStringLiteral("12"));
}

}  // namespace
}  // namespace torvane::ui
