#include "ui/basesets/base_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>

#include "support/fake_dialogs.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::FakeDialogs;

using widgets::HintedTextEdit;

namespace {

const QString kEmptyImport = QStringLiteral(
    "选择的文件无内容，或不符合导入格式要求！\n\n导入的文件内容格式为 0000 1111 78901，\n"
    "号码之间可以是空格，逗号，分号，竖线或回车。");

class BasePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    page.show();  // a box that is not on screen is never left
  }

  HintedTextEdit* box() const { return page.box(); }
  QString count() const { return page.countLabel()->text(); }
  void leave() {
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(box(), &out);
  }
  QString writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  void import(const QString& path) {
    dialogs.files.push_back(path);
    page.findChild<QPushButton*>(QStringLiteral("cmdBase(1)"))->click();
  }
  void fill(const QString& text) {
    box()->setPlainText(text);
    leave();
  }

  QTemporaryDir dir;
  FakeDialogs dialogs;
  DigitTable baseSet;
  BasePage page{dialogs, baseSet};
};

struct CommitCase {
  const char* name;
  const char* typed;
  const char* shown;
  int count;
};

class BaseCommitTest : public BasePageTest, public ::testing::WithParamInterface<CommitCase> {};

TEST_P(BaseCommitTest, LeavingTheBoxShowsTheCanonicalText) {
  const CommitCase& c = GetParam();
  fill(QString::fromUtf8(c.typed));
  EXPECT_EQ(box()->text(), QString::fromUtf8(c.shown));
  EXPECT_EQ(count(), QString::number(c.count));
  EXPECT_EQ(baseSet.count(), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BaseCommitTest,
    ::testing::Values(
        CommitCase{"DuplicatesDropped", "12345 11111 12345", "11111 12345", 2},
        CommitCase{"FullWidthSeparators", "99999，00000；12345、54321", "00000 12345 54321 99999",
                   4},
        CommitCase{"LinesOfTen",
                   "00012 00011 00010 00009 00008 00007 00006 00005 00004 00003 00002 00001",
                   "00001 00002 00003 00004 00005 00006 00007 00008 00009 00010 \n00011 00012", 12},
        CommitCase{"NothingValid", "1234 123456 12a45", "", 0}, CommitCase{"Empty", "", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BasePageTest, PasteMergesWithTheNumbersAround) {
  fill(QStringLiteral("11111 33333"));
  QTextCursor c = box()->textCursor();
  c.setPosition(6);
  box()->setTextCursor(c);
  QApplication::clipboard()->setText(QStringLiteral("22222"));
  box()->paste();
  EXPECT_EQ(box()->text(), QStringLiteral("11111 22222 33333"));
  EXPECT_EQ(count(), QStringLiteral("3"));
}

TEST_F(BasePageTest, PasteNeverGluesOntoANeighbour) {
  for (int caret : {5, 6}) {
    fill(QStringLiteral("11111 33333"));
    QTextCursor c = box()->textCursor();
    c.setPosition(caret);
    box()->setTextCursor(c);
    QApplication::clipboard()->setText(QStringLiteral("22222\n44444"));
    box()->paste();
    EXPECT_EQ(box()->text(), QStringLiteral("11111 22222 33333 44444")) << caret;
  }
}

TEST_F(BasePageTest, PastingNothingValidOverEverythingEmptiesTheBox) {
  fill(QStringLiteral("11111 33333"));
  box()->selectAll();
  QApplication::clipboard()->setText(QStringLiteral("abc 1234"));
  box()->paste();
  EXPECT_EQ(box()->text(), QString());
  EXPECT_EQ(count(), QStringLiteral("0"));
  EXPECT_TRUE(baseSet.empty());
}

TEST_F(BasePageTest, ImportShowsLinesOfTenAndReplacesTheBox) {
  fill(QStringLiteral("77777"));
  QByteArray text;
  for (int i = 24; i >= 0; --i) text += QByteArray::number(10000 + i) + (i % 3 ? "," : "\r\n");
  import(writeFile(QStringLiteral("25.txt"), text));
  EXPECT_EQ(dialogs.calls.front().text, QStringLiteral("文本文件 (*.txt)"));
  const QStringList lines = box()->text().split(QChar('\n'));
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0].split(QChar(' '), Qt::SkipEmptyParts).size(), 10);
  EXPECT_EQ(lines[1].split(QChar(' '), Qt::SkipEmptyParts).size(), 10);
  EXPECT_EQ(lines[2].split(QChar(' '), Qt::SkipEmptyParts).size(), 5);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("10000 ")));
  EXPECT_EQ(count(), QStringLiteral("25"));
  EXPECT_FALSE(box()->text().contains(QStringLiteral("77777")));
}

struct UnusableFile {
  const char* name;
  QByteArray bytes;
};

class BaseImportUnusableTest : public BasePageTest,
                               public ::testing::WithParamInterface<UnusableFile> {};

TEST_P(BaseImportUnusableTest, EmptiesTheBoxAndSaysWhatAFileMustHold) {
  fill(QStringLiteral("12345 54321"));
  import(writeFile(QStringLiteral("x.txt"), GetParam().bytes));
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_EQ(dialogs.last()->title, QStringLiteral("导入提示"));
  EXPECT_EQ(dialogs.last()->text, kEmptyImport);
  EXPECT_EQ(box()->text(), QString());
  EXPECT_EQ(count(), QStringLiteral("0"));
  EXPECT_TRUE(baseSet.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, BaseImportUnusableTest,
                         ::testing::Values(UnusableFile{"Empty", QByteArray()},
                                           UnusableFile{"NoFiveDigitToken", "1234 123456 abcde"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BasePageTest, UnreadableFileLeavesTheBoxAsItWas) {
  fill(QStringLiteral("12345 54321"));
  const QString missing = dir.filePath(QStringLiteral("gone.txt"));
  import(missing);
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_TRUE(dialogs.last()->text.contains(missing)) << dialogs.last()->text.toStdString();
  EXPECT_NE(dialogs.last()->text, kEmptyImport);
  EXPECT_EQ(box()->text(), QStringLiteral("12345 54321"));
  EXPECT_EQ(count(), QStringLiteral("2"));
  EXPECT_EQ(baseSet.count(), 2);

  import(dir.path());  // a folder
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_EQ(baseSet.count(), 2);

  const QString huge = dir.filePath(QStringLiteral("huge.txt"));
  QFile f(huge);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_TRUE(f.resize(64 * 1024 * 1024 + 1));  // sparse: nothing is written
  f.close();
  import(huge);
  EXPECT_TRUE(dialogs.last()->text.contains(huge));
  EXPECT_EQ(box()->text(), QStringLiteral("12345 54321"));
  EXPECT_EQ(baseSet.count(), 2);
}

TEST_F(BasePageTest, CancelledImportChangesNothing) {
  fill(QStringLiteral("12345"));
  page.findChild<QPushButton*>(QStringLiteral("cmdBase(1)"))->click();
  EXPECT_EQ(dialogs.calls.size(), 1u);  // only the file dialog
  EXPECT_EQ(box()->text(), QStringLiteral("12345"));
  EXPECT_EQ(count(), QStringLiteral("1"));
}

TEST_F(BasePageTest, ImportReadsUtf16Files) {
  QByteArray bytes("\xFF\xFE", 2);
  const QString text = QStringLiteral("54321\r\n12345");
  bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  import(writeFile(QStringLiteral("u16.txt"), bytes));
  EXPECT_EQ(box()->text(), QStringLiteral("12345 54321"));
}

TEST_F(BasePageTest, ClearEmptiesBoxCountAndBaseSet) {
  fill(QStringLiteral("12345 54321"));
  page.findChild<QPushButton*>(QStringLiteral("cmdBase(0)"))->click();
  EXPECT_EQ(box()->text(), QString());
  EXPECT_EQ(count(), QStringLiteral("0"));
  EXPECT_TRUE(baseSet.empty());
}

TEST_F(BasePageTest, HelpButtonAsksForTheBaseHelp) {
  int asked = -1;
  QObject::connect(&page, &BasePage::helpRequested, [&](int i) { asked = i; });
  page.findChild<QPushButton*>(QStringLiteral("cmdEx(14)"))->click();
  EXPECT_EQ(asked, 14);
}

}  // namespace
}  // namespace torvane::ui
