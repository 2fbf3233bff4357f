// The export editor saves through the engine's safe writer: the text with CR LF, under a
// Chinese file name, and a read-only file is refused with the editor's own message. Closing
// it over unsaved edits asks whether to save them.
#include "widgets/text_editor_window.h"

#include <gtest/gtest.h>
#include <ostream>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "support/fake_dialogs.h"

namespace torvane::widgets {
namespace {

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

class TextEditorWindowTest : public ::testing::Test {
 protected:
  FakeDialogs dialogs;
  QTemporaryDir dir;
  std::unique_ptr<TextEditorWindow> editor = std::make_unique<TextEditorWindow>(
      dialogs, QStringLiteral("导出"), QStringLiteral("12345\n54321"));
};

TEST_F(TextEditorWindowTest, SavesWithWindowsLineEndsUnderAChineseName) {
  const QString path = dir.filePath(QStringLiteral("号码.txt"));
  ASSERT_TRUE(editor->saveTo(path));
  EXPECT_EQ(Bytes(path), QByteArray("12345\r\n54321"));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(TextEditorWindowTest, ReadOnlyFileIsKeptAndTheWarningNamesIt) {
  const QString path = dir.filePath(QStringLiteral("kept.txt"));
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  EXPECT_FALSE(editor->saveTo(path));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "warning");
  EXPECT_TRUE(dialogs.calls[0].text.startsWith(QStringLiteral("无法保存文件：") + path))
      << dialogs.calls[0].text.toStdString();
  EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("只读")));
  EXPECT_EQ(Bytes(path), QByteArray("old"));
}

// --- closing over edits ---------------------------------------------------------------

using Answer = Dialogs::Answer;

struct CloseCase {
  const char* name;
  bool edit;           // the player types into the window
  bool saveAfterEdit;  // and saves before closing
  bool viaMenu;        // 文件→关闭 rather than the close box
  std::vector<Answer> answers;
  bool chooseFile;  // the save dialog gets a file name (else it is cancelled)
  bool asked;
  bool closed;
  const char* file;  // what the file holds afterwards; nullptr: never written
};

// A failing case prints as its name.
void PrintTo(const CloseCase& c, std::ostream* os) {
  *os << c.name;
}

class EditorCloseTest : public ::testing::TestWithParam<CloseCase> {
 protected:
  void SetUp() override {
    editor = new TextEditorWindow(dialogs, QStringLiteral("导出全部号码"), QStringLiteral("12345"));
    editor->show();
  }
  void TearDown() override { delete editor.data(); }

  FakeDialogs dialogs;
  QTemporaryDir dir;
  QPointer<TextEditorWindow> editor;
};

TEST_P(EditorCloseTest, AsksOnlyOverUnsavedEdits) {
  const CloseCase& c = GetParam();
  const QString path = dir.filePath(QStringLiteral("导出.txt"));
  if (c.edit) {
    editor->editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor->editor(), QStringLiteral(" 54321"));
  }
  if (c.saveAfterEdit) {
    ASSERT_TRUE(editor->saveTo(path));
  }
  dialogs.reset();
  for (Answer a : c.answers) dialogs.threeWay.push_back(a);
  if (c.chooseFile) dialogs.files.push_back(path);

  if (c.viaMenu) {
    editor->findChild<QAction*>(QStringLiteral("mnuEditorClose"))->trigger();
  } else {
    editor->close();
  }

  const bool asked = !dialogs.calls.empty() && dialogs.calls[0].kind == "questionWithCancel";
  EXPECT_EQ(asked, c.asked);
  if (asked) {
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("导出全部号码"));
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("号码已修改，是否保存？"));
  }
  EXPECT_EQ(editor->isVisible(), !c.closed);
  if (c.file) {
    EXPECT_EQ(Bytes(path), QByteArray(c.file));
  } else {
    EXPECT_FALSE(QFile::exists(path));
  }
  if (!c.closed) {
    EXPECT_TRUE(editor->text().endsWith(QStringLiteral("54321")));
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Closing, EditorCloseTest, ::testing::Values(
    CloseCase{"UnchangedClosesWithoutAsking", false, false, false, {}, false, false, true, nullptr},
    CloseCase{"UnchangedViaMenu", false, false, true, {}, false, false, true, nullptr},
    CloseCase{"SavedSinceTheEditClosesWithoutAsking", true, true, false, {}, false, false, true,
              "12345 54321"},
    CloseCase{"YesSavesThenCloses", true, false, false, {Answer::Yes}, true, true, true,
              "12345 54321"},
    CloseCase{"YesViaMenu", true, false, true, {Answer::Yes}, true, true, true, "12345 54321"},
    CloseCase{"YesWithTheSaveDialogCancelledStaysOpen", true, false, false, {Answer::Yes}, false,
              true, false, nullptr},
    CloseCase{"NoClosesWithoutSaving", true, false, false, {Answer::No}, false, true, true,
              nullptr},
    CloseCase{"CancelStaysOpen", true, false, true, {Answer::Cancel}, false, true, false,
              nullptr}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(TextEditorWindowTest, TitleMarksUnsavedEdits) {
  EXPECT_FALSE(editor->isWindowModified());
  QTest::keyClicks(editor->editor(), QStringLiteral("9"));
  EXPECT_TRUE(editor->isWindowModified());
  ASSERT_TRUE(editor->saveTo(dir.filePath(QStringLiteral("a.txt"))));
  EXPECT_FALSE(editor->isWindowModified());
}

}  // namespace
}  // namespace torvane::widgets
