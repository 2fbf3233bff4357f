// The export editor saves through the engine's safe writer: the text with CR LF, under a
// Chinese file name, and a read-only file is refused with the editor's own message.
#include "widgets/text_editor_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

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

}  // namespace
}  // namespace torvane::widgets
