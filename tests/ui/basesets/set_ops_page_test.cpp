#include "ui/basesets/set_ops_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/number_text.h"
#include "support/fake_dialogs.h"
#include "widgets/clipboard.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::FakeDialogs;

using widgets::SetClipboardFailuresForTests;

namespace {

const QString kImportFormat = QStringLiteral(
    "选择的文件无内容，或不符合导入格式要求！\n\n导入的文件内容格式为 0000 1111 78901，\n"
    "号码之间可以是空格，逗号，分号，竖线或回车。");

class SetOpsPageTest : public ::testing::Test {
 protected:
  // Puts text into box A or B and leaves it, as typing and tabbing away would.
  void Enter(int which, const QString& text) {
    page.box(which)->setPlainText(text);
    page.commitBox(which);
  }
  void Press(int index) { QTest::mouseClick(page.button(index), Qt::LeftButton); }
  QString Count(int i) const { return page.countLabel(i)->text(); }
  QString Text(int i) const { return page.box(i)->text(); }

  // A file in a fresh temporary folder, queued as the next open-file answer.
  QString QueueFile(const QByteArray& bytes) {
    QString path = dir.filePath(QStringLiteral("号码%1.txt").arg(files++));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    dialogs.files.push_back(path);
    return path;
  }

  // Real focus changes need a shown, active window.
  void ShowActive() {
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  FakeDialogs dialogs;
  SetOpsPage page{dialogs};
  QTemporaryDir dir;
  int files = 0;
};

struct OperationCase {
  std::string name;
  int button;
  QString result;
  QString count;
};

class SetOpsOperationTest : public SetOpsPageTest,
                            public ::testing::WithParamInterface<OperationCase> {};

TEST_P(SetOpsOperationTest, ShowsResultCountAndMessage) {
  const OperationCase& c = GetParam();
  Enter(0, QStringLiteral("00001 00002 00003"));
  Enter(1, QStringLiteral("00003 00004"));
  Press(c.button);
  EXPECT_EQ(Text(2), c.result);
  EXPECT_EQ(Count(2), c.count);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "information");
  EXPECT_EQ(dialogs.calls[0].title, "Torvane");
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("交集运算完成！最后结果注数 ") + c.count);
  // The operands stay as they were.
  EXPECT_EQ(Text(0), QStringLiteral("00001 00002 00003"));
  EXPECT_EQ(page.operandCount(0), 3);
  EXPECT_EQ(page.operandCount(1), 2);
}

INSTANTIATE_TEST_SUITE_P(
    FourButtons, SetOpsOperationTest,
    ::testing::Values(OperationCase{"Intersection", 3, "00003", "1"},
                      OperationCase{"Union", 4, "00001 00002 00003 00004", "4"},
                      OperationCase{"AMinusB", 5, "00001 00002", "2"},
                      OperationCase{"BMinusA", 6, "00004", "1"}),
    [](const ::testing::TestParamInfo<OperationCase>& info) { return info.param.name; });

TEST_F(SetOpsPageTest, StartsWithEverythingEmpty) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(Text(i).isEmpty());
    EXPECT_TRUE(Count(i).isEmpty());
  }
  EXPECT_EQ(page.button(3)->text(), QStringLiteral("AB交集"));
  EXPECT_EQ(page.button(2)->text(), QStringLiteral("复制结果号码"));
  EXPECT_TRUE(page.box(2)->isReadOnly());
}

TEST_F(SetOpsPageTest, DisjointSetsGiveAnEmptyResultAndAWarning) {
  Enter(0, QStringLiteral("00001 00002"));
  Enter(1, QStringLiteral("00003"));
  Press(4);  // a result to be replaced
  ASSERT_FALSE(Text(2).isEmpty());
  dialogs.reset();
  Press(3);
  EXPECT_TRUE(Text(2).isEmpty());
  EXPECT_EQ(Count(2), "0");
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "warning");
  EXPECT_EQ(dialogs.calls[0].title, "Torvane");
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("很遗憾！交集运算后结果为0注。 "));
}

TEST_F(SetOpsPageTest, MissingAIsReportedFirstAndGetsTheFocus) {
  ShowActive();
  page.box(1)->setFocus();
  Press(3);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "warning");
  EXPECT_EQ(dialogs.calls[0].title, "Torvane");
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("请粘贴或导入大底A号码！"));
  EXPECT_TRUE(page.box(0)->hasFocus());
  EXPECT_TRUE(Count(2).isEmpty());
}

TEST_F(SetOpsPageTest, MissingBIsReportedAndGetsTheFocus) {
  ShowActive();
  Enter(0, QStringLiteral("12345"));
  page.box(0)->setFocus();
  Press(6);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("请粘贴或导入大底B号码！"));
  EXPECT_TRUE(page.box(1)->hasFocus());
}

TEST_F(SetOpsPageTest, TypedTextIsCleanedWhenTheBoxIsLeft) {
  ShowActive();
  page.box(0)->setFocus();
  EXPECT_EQ(page.operandSelector(), 0);
  QTest::keyClicks(page.box(0), QStringLiteral("00003, 00001 00003"));
  page.box(1)->setFocus();
  EXPECT_EQ(page.operandSelector(), 1);
  EXPECT_EQ(Text(0), QStringLiteral("00001 00003"));
  EXPECT_EQ(Count(0), "2");
  EXPECT_EQ(page.operandCount(0), 2);
  EXPECT_EQ(page.operandCount(1), 0);
}

TEST_F(SetOpsPageTest, LongListsAreShownFiveToALine) {
  Enter(1, QStringLiteral("7 00007;00006|00005\t00004、00003，00002.00001 00001"));
  EXPECT_EQ(Text(1), QStringLiteral("00001 00002 00003 00004 00005 \n00006 00007"));
  EXPECT_EQ(Count(1), "7");
}

TEST_F(SetOpsPageTest, PasteIntoTheMiddleMergesAndReparses) {
  Enter(0, QStringLiteral("11111 33333"));
  QGuiApplication::clipboard()->setText(QStringLiteral("44444，22222 abc\n"));
  QTextCursor c = page.box(0)->textCursor();
  c.setPosition(6);
  page.box(0)->setTextCursor(c);
  page.box(0)->paste();
  EXPECT_EQ(Text(0), QStringLiteral("11111 22222 33333 44444"));
  EXPECT_EQ(Count(0), "4");
  EXPECT_EQ(page.operandCount(0), 4);
  EXPECT_EQ(page.operandSelector(), 0);
}

TEST_F(SetOpsPageTest, PasteReplacesTheSelection) {
  Enter(1, QStringLiteral("11111 33333"));
  QGuiApplication::clipboard()->setText(QStringLiteral("55555"));
  QTextCursor c = page.box(1)->textCursor();
  c.setPosition(6);
  c.setPosition(11, QTextCursor::KeepAnchor);
  page.box(1)->setTextCursor(c);
  page.box(1)->paste();
  EXPECT_EQ(Text(1), QStringLiteral("11111 55555"));
  EXPECT_EQ(Count(1), "2");
  EXPECT_EQ(page.operandSelector(), 1);
}

TEST_F(SetOpsPageTest, ImportIntoBChangesOnlyB) {
  Enter(0, QStringLiteral("00001 00002 00003"));
  QueueFile("12345\r\n54321,12345;99999");
  Press(8);
  ASSERT_EQ(dialogs.calls.size(), 1u);  // the dialog only
  EXPECT_EQ(dialogs.calls[0].kind, "openFile");
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("文本文件 (*.txt)"));
  EXPECT_EQ(Text(1), QStringLiteral("12345 54321 99999"));
  EXPECT_EQ(Count(1), "3");
  EXPECT_EQ(Count(0), "3");
  EXPECT_EQ(Text(0), QStringLiteral("00001 00002 00003"));
  EXPECT_EQ(page.operandCount(1), 3);
}

TEST_F(SetOpsPageTest, ImportReplacesTheBoxInsteadOfMerging) {
  Enter(0, QStringLiteral("11111"));
  QueueFile("22222");
  Press(7);
  EXPECT_EQ(Text(0), QStringLiteral("22222"));
  EXPECT_EQ(Count(0), "1");
}

TEST_F(SetOpsPageTest, ImportOfAnUnusableFileEmptiesTheBoxAndExplains) {
  Enter(0, QStringLiteral("11111 22222"));
  QueueFile("1234 123456 12a45");
  Press(7);
  EXPECT_TRUE(Text(0).isEmpty());
  EXPECT_EQ(Count(0), "0");
  EXPECT_EQ(page.operandCount(0), 0);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].kind, "warning");
  EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("导入提示"));
  EXPECT_EQ(dialogs.calls[1].text, kImportFormat);
}

TEST_F(SetOpsPageTest, AFileThatCannotBeReadChangesNothing) {
  struct Case {
    QString path;
    QString reason;
  };
  const Case cases[] = {
      {dir.filePath(QStringLiteral("不存在.txt")), QStringLiteral("文件不存在")},
      {dir.path(), QStringLiteral("文件夹")},
  };
  Enter(1, QStringLiteral("11111 22222"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    dialogs.reset();
    dialogs.files.push_back(c.path);
    Press(8);
    EXPECT_EQ(Text(1), QStringLiteral("11111 22222"));
    EXPECT_EQ(Count(1), "2");
    EXPECT_EQ(page.operandCount(1), 2);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].kind, "warning");
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("导入提示"));
    EXPECT_TRUE(dialogs.calls[1].text.contains(c.path));
    EXPECT_TRUE(dialogs.calls[1].text.contains(c.reason));
  }
}

TEST_F(SetOpsPageTest, CancelledImportDoesNothing) {
  Enter(0, QStringLiteral("11111"));
  Press(7);
  EXPECT_EQ(Text(0), QStringLiteral("11111"));
  EXPECT_EQ(Count(0), "1");
  EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(SetOpsPageTest, ClearEmptiesOneOperandAndKeepsTheResult) {
  Enter(0, QStringLiteral("11111"));
  Enter(1, QStringLiteral("11111 22222"));
  Press(3);
  Press(0);
  EXPECT_TRUE(Text(0).isEmpty());
  EXPECT_EQ(Count(0), "0");
  EXPECT_EQ(Count(1), "2");
  EXPECT_EQ(Text(2), QStringLiteral("11111"));
  EXPECT_EQ(Count(2), "1");
  dialogs.reset();
  Press(4);
  EXPECT_EQ(dialogs.lastText(), QStringLiteral("请粘贴或导入大底A号码！"));
}

TEST_F(SetOpsPageTest, LeavingTheResultBoxChangesNothing) {
  ShowActive();
  Enter(0, QStringLiteral("11111"));
  Enter(1, QStringLiteral("22222"));
  Press(4);
  page.box(2)->setFocus();
  page.box(0)->setFocus();
  EXPECT_EQ(Text(2), QStringLiteral("11111 22222"));
  EXPECT_EQ(page.operandSelector(), 0);
  EXPECT_EQ(Text(1), QStringLiteral("22222"));
}

TEST_F(SetOpsPageTest, CopyWithAnEmptyResultAsksForAnOperationFirst) {
  Press(2);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "information");
  EXPECT_EQ(dialogs.calls[0].title, "Torvane");
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("最终注数为 0，请先进行交集合并！"));
}

TEST_F(SetOpsPageTest, CopyPutsTheResultOnTheClipboard) {
  Enter(0, QStringLiteral("11111 33333"));
  Enter(1, QStringLiteral("22222"));
  Press(4);
  dialogs.reset();
  QGuiApplication::clipboard()->setText(QStringLiteral("old"));
  Press(2);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("11111 22222 33333"));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("号码已复制。"));
}

TEST_F(SetOpsPageTest, AFailedCopyIsNotReportedAsDone) {
  Enter(0, QStringLiteral("11111"));
  Enter(1, QStringLiteral("11111"));
  Press(3);
  dialogs.reset();
  SetClipboardFailuresForTests(1);
  Press(2);
  SetClipboardFailuresForTests(0);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("错误提示"));
  EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("本次复制出现错误，请再复制一次"));
}

TEST_F(SetOpsPageTest, HelpButtonAsksForTheIntersectionHelp) {
  QSignalSpy spy(&page, &SetOpsPage::helpRequested);
  QTest::mouseClick(page.helpButton(), Qt::LeftButton);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).toInt(), 13);
}

TEST_F(SetOpsPageTest, FullSetsWorkInOnePiece) {
  QString all;
  for (int k = 99999; k >= 0; --k) all += QString::number(k).rightJustified(5, '0') + ' ';
  Enter(0, all);
  EXPECT_EQ(Count(0), "100000");
  Enter(1, QStringLiteral("99999 00000"));
  Press(5);
  EXPECT_EQ(Count(2), "99998");
  EXPECT_TRUE(Text(2).startsWith(QStringLiteral("00001 00002 ")));
  EXPECT_TRUE(Text(2).endsWith(QStringLiteral(" 99998")));
  EXPECT_EQ(Text(2).count(QLatin1Char('\n')), 99998 / 5);  // five to a line
}

// A result is shown five to a line, as the operand boxes show their numbers, and the copy
// gives back every number.
TEST_F(SetOpsPageTest, ResultsAreShownFiveToALineAndCopiedWhole) {
  Enter(0, QStringLiteral("00012 00011 00010 00009 00008 00007 00006"));
  Enter(1, QStringLiteral("00005 00004 00003 00002 00001"));
  Press(4);
  EXPECT_EQ(Text(2), QStringLiteral("00001 00002 00003 00004 00005 \n00006 00007 00008 00009 "
                                    "00010 \n00011 00012"));
  Press(2);
  EXPECT_EQ(ParseNumberText(QGuiApplication::clipboard()->text().toStdString(), ParseMode::List)
                .table.count(),
            12);
}

struct BoxPasteCase {
  int box;
  int caret;
  QString pasted;
};

class SetOpsBoxPasteTest : public SetOpsPageTest,
                           public ::testing::WithParamInterface<BoxPasteCase> {};

// A paste at a caret touching a number keeps both numbers: nothing is glued or lost.
TEST_P(SetOpsBoxPasteTest, PasteNeverGluesOntoANeighbour) {
  const BoxPasteCase& c = GetParam();
  Enter(c.box, QStringLiteral("00001 00002 00003"));
  QTextCursor cursor = page.box(c.box)->textCursor();
  cursor.setPosition(c.caret);
  page.box(c.box)->setTextCursor(cursor);
  QApplication::clipboard()->setText(c.pasted);
  page.box(c.box)->paste();
  EXPECT_EQ(Text(c.box), QStringLiteral("00001 00002 00003 00009"));
  EXPECT_EQ(Count(c.box), "4");
  EXPECT_EQ(page.operandCount(c.box), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Carets, SetOpsBoxPasteTest,
    ::testing::Values(BoxPasteCase{0, 6, QStringLiteral("00009")},  // before 00002
                      BoxPasteCase{0, 5, QStringLiteral("00009")},  // right after 00001
                      BoxPasteCase{1, 6, QStringLiteral("00009")},
                      BoxPasteCase{1, 17, QStringLiteral("\n00009")},  // at the end
                      BoxPasteCase{1, 0, QStringLiteral("00009")}));   // before 00001

// Numbers typed into box A after the warning put the focus there count at the next button,
// though the box was never left.
TEST_F(SetOpsPageTest, NumbersTypedAfterTheWarningAreReadByTheNextButton) {
  ShowActive();
  Enter(1, QStringLiteral("00003 00004"));
  page.button(3)->click();
  ASSERT_EQ(dialogs.lastText(), QStringLiteral("请粘贴或导入大底A号码！"));
  ASSERT_TRUE(page.box(0)->hasFocus());
  QTest::keyClicks(page.box(0), QStringLiteral("00001 00003"));
  page.button(3)->click();
  EXPECT_EQ(dialogs.lastText(), QStringLiteral("交集运算完成！最后结果注数 1"));
  EXPECT_EQ(Count(0), "2");
  EXPECT_EQ(Text(2), QStringLiteral("00003"));
}

}  // namespace
}  // namespace torvane::ui
