#include "results/result_panel.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "controls/result_list.h"
#include "controls/t_scroll.h"
#include "core/number_text.h"
#include "results/digit_line_edit.h"
#include "results/page_grid.h"
#include "support/fake_dialogs.h"
#include "widgets/clipboard.h"
#include "widgets/selectable_button.h"

namespace torvane::results {

using widgets::DialogCall;
using widgets::FakeDialogs;

using widgets::ButtonColor;
using widgets::GreenColor;
using widgets::ReadClipboardText;
using widgets::RedColor;
using widgets::SetClipboardFailuresForTests;

namespace {

DigitTable FirstKeys(int n) {
  DigitTable t;
  for (int k = 0; k < n; ++k) t.appendKey(k);
  return t;
}

DigitTable PanelKeys(std::initializer_list<int> keys) {
  DigitTable t;
  for (int k : keys) t.appendKey(k);
  return t;
}

DigitTable Rows(const DigitTable& t, int first, int last) {
  DigitTable out;
  for (int i = first; i <= last; ++i) out.appendRow(t.row(i));
  return out;
}

class ResultPanelTest : public testing::Test {
 protected:
  // As the window does at start-up.
  void SetUp() override { panel.rebuildPages(); }
  void TearDown() override { SetClipboardFailuresForTests(0); }

  template <class T>
  T* child(const char* name) {
    T* w = panel.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QPushButton* page(int k) { return child<QPushButton>(qPrintable(QString("cmdPage(%1)").arg(k))); }
  QString text(const char* name) { return child<QLabel>(name)->text(); }
  DigitLineEdit* pageBox() { return child<DigitLineEdit>("txtPage"); }
  DigitLineEdit* lotto() { return child<DigitLineEdit>("txtLottoNumber"); }
  QPushButton* bonus() { return child<QPushButton>("cmdBonus"); }
  void setPageSize(const QString& s) {
    pageBox()->setText(s);
    panel.validatePageSize();
  }

  FakeDialogs dialogs;
  ResultPanel panel{dialogs};
};

TEST_F(ResultPanelTest, StartsEmptyWithoutNotice) {
  EXPECT_EQ(text("lblCount"), QStringLiteral("0"));
  EXPECT_EQ(panel.statusText(), QStringLiteral("未开始过滤"));
  EXPECT_TRUE(child<QPlainTextEdit>("T_nonb")->isHidden());
  EXPECT_EQ(pageBox()->text(), QStringLiteral("3000"));
  EXPECT_FALSE(bonus()->isEnabled());
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ResultPanelTest, ZeroResultsShowTheNoticeAndCutThePanel) {
  panel.setResults(FirstKeys(7345));
  QWidget* pic = child<QWidget>("picResult");
  QLabel* tip = child<QLabel>("lblCopyTip");
  EXPECT_GT(pic->height(), tip->y());
  panel.setResults(DigitTable());
  auto* notice = child<QPlainTextEdit>("T_nonb");
  EXPECT_FALSE(notice->isHidden());
  EXPECT_EQ(
      notice->toPlainText(),
      QStringLiteral(
          "本次缩水结果为0注\n请检查您输入的条件\n注意：\n同一条件选项不要全部打勾\n否则得0注"));
  EXPECT_EQ(text("lblCount"), QStringLiteral("0"));
  EXPECT_LE(pic->height(), tip->y());  // copy tip, page row, grid and legend cut off
  EXPECT_FALSE(panel.resultList()->hasData());
  panel.setResults(FirstKeys(10));
  EXPECT_TRUE(notice->isHidden());
}

TEST(ResultPanel, OnlyTheStartUpBuildGoesWithoutNotice) {
  FakeDialogs dialogs;
  ResultPanel panel(dialogs);
  auto* notice = panel.findChild<QWidget*>(QStringLiteral("T_nonb"));
  EXPECT_TRUE(notice->isHidden());
  panel.rebuildPages();
  EXPECT_TRUE(notice->isHidden());
  panel.rebuildPages();
  EXPECT_FALSE(notice->isHidden());
}

TEST_F(ResultPanelTest, PageSizeChangeBeforeAnyRunShowsTheNotice) {
  setPageSize(QStringLiteral("5000"));
  EXPECT_FALSE(child<QPlainTextEdit>("T_nonb")->isHidden());
}

TEST_F(ResultPanelTest, PagesOfARun) {
  panel.setResults(FirstKeys(7345));
  EXPECT_EQ(text("lblCount"), QStringLiteral("7345"));
  EXPECT_EQ(panel.pageGrid()->pageCount(), 3);
  EXPECT_EQ(page(0)->toolTip(), QStringLiteral("1 - 3000"));
  EXPECT_EQ(page(2)->toolTip(), QStringLiteral("6001 - 7345"));
  EXPECT_EQ(page(2)->width(), 39);
  EXPECT_TRUE(child<QWidget>("scrPage")->isHidden());
}

TEST_F(ResultPanelTest, PressingPagesColoursThemAndCopiesThePage) {
  const DigitTable all = FirstKeys(7345);
  panel.setResults(all);
  page(2)->click();
  page(0)->click();
  EXPECT_EQ(ButtonColor(page(2)), RedColor());
  EXPECT_EQ(ButtonColor(page(0)), GreenColor());
  EXPECT_FALSE(ButtonColor(page(1)).isValid());
  const ParsedNumbers copied = ParseNumberText(ReadClipboardText().toStdString(), ParseMode::List);
  EXPECT_EQ(copied.table, Rows(all, 0, 2999));
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("copyNotice"));

  page(2)->click();
  EXPECT_EQ(ParseNumberText(ReadClipboardText().toStdString(), ParseMode::List).table,
            Rows(all, 6000, 7344));
}

TEST_F(ResultPanelTest, PageSelectionScrollsTheListToThePage) {
  panel.resize(251, 683);
  panel.show();
  panel.setResults(FirstKeys(100000));
  setPageSize(QStringLiteral("1234"));
  ASSERT_EQ(page(1)->toolTip(), QStringLiteral("1235 - 2468"));
  page(1)->click();
  EXPECT_EQ(panel.resultList()->topRow(), 246);
  EXPECT_TRUE(panel.resultList()->visibleRowText(0).endsWith(QStringLiteral(" 01234")));
}

TEST_F(ResultPanelTest, FailedPageCopySaysSoWithoutTheNotice) {
  panel.setResults(FirstKeys(10));
  SetClipboardFailuresForTests(100);
  page(0)->click();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("错误提示"));
  EXPECT_EQ(ButtonColor(page(0)), GreenColor());
}

struct PageSizeCase {
  const char* name;
  const char* typed;
  const char* shown;
  const char* message;  // nullptr: none
};

class PageSizeInput : public ResultPanelTest, public testing::WithParamInterface<PageSizeCase> {};

TEST_P(PageSizeInput, IsCorrectedIntoTheRange) {
  const PageSizeCase& c = GetParam();
  panel.setResults(FirstKeys(100000));
  setPageSize(QString::fromUtf8(c.typed));
  EXPECT_EQ(pageBox()->text(), QString::fromLatin1(c.shown));
  EXPECT_EQ(panel.pageSize(), pageBox()->text().toInt());
  const int pages = (100000 + panel.pageSize() - 1) / panel.pageSize();
  EXPECT_EQ(panel.pageGrid()->pageCount(), pages);
  if (!c.message) {
    EXPECT_TRUE(dialogs.calls.empty());
  } else {
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("warning"));
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Torvane"));
    EXPECT_EQ(dialogs.calls[0].text, QString::fromUtf8(c.message));
  }
}

#define RANGE "分组注数输入范围 1000-100000 ！\r\n\r\n"
INSTANTIATE_TEST_SUITE_P(
    Cases, PageSizeInput,
    testing::Values(PageSizeCase{"BelowLowerLimit", "500", "1000",
                                 RANGE "当前输入低于下限，已自动设置为1000！"},
                    PageSizeCase{"EmptyBox", "", "1000",
                                 RANGE "当前输入低于下限，已自动设置为1000！"},
                    PageSizeCase{"HalfToEvenDown", "2500.5", "2500", nullptr},
                    PageSizeCase{"HalfToEvenUp", "2501.5", "2502", nullptr},
                    PageSizeCase{"AboveUpperLimit", "200000", "100000",
                                 RANGE "当前输入超出上限，已自动设置为100000！"},
                    PageSizeCase{"BeyondThirtyTwoBits", "9e99", "100000",
                                 RANGE "当前输入超出上限，已自动设置为100000！"},
                    PageSizeCase{"Unchanged", "3000", "3000", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultPanelTest, UnchangedPageSizeKeepsThePages) {
  panel.setResults(FirstKeys(7345));
  page(1)->click();
  setPageSize(QStringLiteral("3000.2"));
  EXPECT_EQ(ButtonColor(page(1)), GreenColor());  // no rebuild
  setPageSize(QStringLiteral("1000"));
  EXPECT_EQ(panel.pageGrid()->pageCount(), 8);
  EXPECT_FALSE(ButtonColor(page(1)).isValid());
}

TEST_F(ResultPanelTest, PageSizeBoxDropsOtherKeysAndTakesEnter) {
  panel.setResults(FirstKeys(100000));
  pageBox()->clear();
  QTest::keyClicks(pageBox(), QStringLiteral("2a0-0 0"));
  EXPECT_EQ(pageBox()->text(), QStringLiteral("2000"));
  QTest::keyClick(pageBox(), Qt::Key_Return);
  EXPECT_EQ(panel.pageGrid()->pageCount(), 50);
}

TEST_F(ResultPanelTest, CopyAllPutsEveryNumberOnTheClipboard) {
  const DigitTable all = MakeFullSet();
  panel.setResults(all);
  panel.copyAll();
  EXPECT_EQ(ParseNumberText(ReadClipboardText().toStdString(), ParseMode::List).table, all);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("information"));
  EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Torvane"));
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("所有结果共100000注，已复制到剪贴板。"));
}

TEST_F(ResultPanelTest, CopyAllFailureShowsOnlyTheFailure) {
  panel.setResults(FirstKeys(20));
  SetClipboardFailuresForTests(100);
  panel.copyAll();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("错误提示"));
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("本次复制出现错误，请再次复制！"));
}

TEST_F(ResultPanelTest, ExportOpensTheEditorWithTheCopyText) {
  panel.setResults(FirstKeys(25));
  panel.exportAll();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("editor"));
  EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("导出全部号码"));
  EXPECT_EQ(dialogs.calls[0].text, ReadClipboardText());
  EXPECT_EQ(ParseNumberText(dialogs.calls[0].text.toStdString(), ParseMode::List).table,
            FirstKeys(25));
}

TEST_F(ResultPanelTest, NothingToCopyOrCheckBeforeARun) {
  panel.copyAll();
  panel.exportAll();
  lotto()->setText(QStringLiteral("12345"));
  bonus()->click();
  ASSERT_EQ(dialogs.calls.size(), 3u);
  for (const DialogCall& c : dialogs.calls)
    EXPECT_EQ(c.text, QStringLiteral("结果注数为 0，请先进行过滤！"));
}

struct CheckCase {
  const char* name;
  const char* number;
  const char* message;
};

class WinningCheck : public ResultPanelTest, public testing::WithParamInterface<CheckCase> {};

TEST_P(WinningCheck, MatchesByPosition) {
  panel.setResults(PanelKeys({1740, 78901, 54302}));
  lotto()->setText(QString::fromLatin1(GetParam().number));
  ASSERT_TRUE(bonus()->isEnabled());
  bonus()->click();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("information"));
  EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Torvane"));
  EXPECT_EQ(dialogs.calls[0].text, QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WinningCheck,
    testing::Values(CheckCase{"Found", "78901", "恭喜您！结果中包含奖号 78901 ！"},
                    CheckCase{"FoundWithLeadingZero", "01740", "恭喜您！结果中包含奖号 01740 ！"},
                    CheckCase{"SameDigitsOtherOrder", "10978", "很遗憾，结果中没有这个奖号。"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LeaveCase {
  const char* name;
  const char* typed;  // keys typed into the empty box
  const char* after;  // box text after leaving
  bool accepted;
  bool enabled;  // cmdBonus afterwards
};

class LottoLeave : public ResultPanelTest, public testing::WithParamInterface<LeaveCase> {};

TEST_P(LottoLeave, ValidatesTheNumber) {
  const LeaveCase& c = GetParam();
  panel.setResults(PanelKeys({12345}));
  QTest::keyClicks(lotto(), QString::fromLatin1(c.typed));
  EXPECT_EQ(lotto()->runCheck(), c.accepted);
  EXPECT_EQ(lotto()->text(), QString::fromLatin1(c.after));
  EXPECT_EQ(bonus()->isEnabled(), c.enabled);
  if (c.accepted) {
    EXPECT_TRUE(dialogs.calls.empty());
  } else {
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("warning"));
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("请输入5位数字组成的奖号！"));
    EXPECT_EQ(lotto()->selectedText(), lotto()->text());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LottoLeave,
    testing::Values(LeaveCase{"DotsGoAndTooShort", "1.2.3", "123", false, false},
                    LeaveCase{"FourDigits", "1234", "1234", false, false},
                    LeaveCase{"FiveDigits", "01740", "01740", true, true},
                    LeaveCase{"SixthKeyIsRefused", "1.2345", "1234", false, false},
                    LeaveCase{"LettersAreDropped", "1a2b3c4d5", "12345", true, true},
                    LeaveCase{"Empty", "", "", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultPanelTest, LeavingABadNumberKeepsTheFocus) {
  panel.setResults(PanelKeys({12340}));
  panel.show();
  panel.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
  lotto()->setFocus();
  QTest::keyClicks(lotto(), QStringLiteral("123"));
  pageBox()->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(lotto()->hasFocus());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("请输入5位数字组成的奖号！"));
  lotto()->setText(QStringLiteral("12340"));
  pageBox()->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(pageBox()->hasFocus());
  EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(ResultPanelTest, EnterOnFiveCharactersWithADotRejectsWithoutChecking) {
  panel.setResults(PanelKeys({12340}));
  QTest::keyClicks(lotto(), QStringLiteral("12.34"));
  EXPECT_TRUE(bonus()->isEnabled());
  QTest::keyClick(lotto(), Qt::Key_Return);
  EXPECT_EQ(lotto()->text(), QStringLiteral("1234"));
  EXPECT_FALSE(bonus()->isEnabled());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("请输入5位数字组成的奖号！"));
}

TEST_F(ResultPanelTest, EnterOnAGoodNumberRunsTheCheck) {
  panel.setResults(PanelKeys({12340}));
  QTest::keyClicks(lotto(), QStringLiteral("12340"));
  QTest::keyClick(lotto(), Qt::Key_Enter);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("恭喜您！结果中包含奖号 12340 ！"));
}

TEST_F(ResultPanelTest, PastedNonDigitsNeverReachTheCheck) {
  panel.setResults(PanelKeys({12340}));
  lotto()->setText(QStringLiteral("+1234"));
  EXPECT_TRUE(bonus()->isEnabled());
  EXPECT_FALSE(lotto()->runCheck());
  dialogs.reset();
  bonus()->click();
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ResultPanelTest, HelpButtonAsksForItsText) {
  int asked = -1;
  QObject::connect(&panel, &ResultPanel::helpRequested, [&](int i) { asked = i; });
  child<QPushButton>("cmdEx(23)")->click();
  EXPECT_EQ(asked, 23);
}

TEST_F(ResultPanelTest, RunPanelSitsAtTheFootAndTheListTakesTheRest) {
  auto* run = new QWidget;
  run->setFixedHeight(129);
  panel.setRunPanel(run);
  panel.resize(251, 683);
  panel.show();
  panel.setResults(FirstKeys(100000));
  QWidget* list = panel.resultList();
  QWidget* pic = child<QWidget>("picResult");
  EXPECT_EQ(pic->y(), list->y() + list->height());
  EXPECT_EQ(run->y(), pic->y() + pic->height());
  EXPECT_EQ(run->y() + run->height(), panel.height());
}

// A page button keeps the panel's font whatever its colour: the red and green ones were
// drawn in the application's larger default font, and a button kept it after a rebuild.
TEST_F(ResultPanelTest, EveryPageButtonDrawsInThePanelFont) {
  panel.resize(251, 683);
  panel.show();
  panel.setResults(FirstKeys(100000));
  const QFontInfo want(panel.font());
  auto expectPanelFont = [&](const char* when) {
    for (QPushButton* b : panel.findChildren<QPushButton*>(
             QRegularExpression(QStringLiteral("^cmdPage\\(\\d+\\)$")))) {
      const QFontInfo got(b->font());
      EXPECT_EQ(got.family(), want.family()) << when << " " << b->objectName().toStdString();
      EXPECT_EQ(got.pointSizeF(), want.pointSizeF()) << when << " " << b->text().toStdString();
    }
  };
  page(2)->click();
  page(0)->click();
  ASSERT_EQ(ButtonColor(page(2)), RedColor());
  expectPanelFont("after pressing 3 then 1");
  setPageSize(QStringLiteral("1000"));
  expectPanelFont("after a rebuild with another page size");
  page(1)->click();
  setPageSize(QStringLiteral("2000"));
  expectPanelFont("after a second rebuild");
}

// The grid shows rows 3 … 7 after three wheel-free scroll steps; the button of page 16
// copies rows 15000 … 15999 and scrolls the list there.
TEST_F(ResultPanelTest, PressingAPageOfAScrolledGridCopiesThatPage) {
  panel.resize(251, 683);
  panel.show();
  const DigitTable all = FirstKeys(100000);
  panel.setResults(all);
  setPageSize(QStringLiteral("1000"));
  panel.pageGrid()->scrollBar()->setValue(3);
  page(15)->click();
  EXPECT_EQ(ParseNumberText(ReadClipboardText().toStdString(), ParseMode::List).table,
            Rows(all, 15000, 15999));
  EXPECT_EQ(panel.resultList()->topRow(), 3000);
  EXPECT_EQ(ButtonColor(page(15)), GreenColor());
}

}  // namespace
}  // namespace torvane::results
