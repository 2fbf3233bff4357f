// Qt's own captions speak Chinese once the program's translation is installed, and the file
// dialog leaves its size column room for its text.
#include <gtest/gtest.h>
#include <ostream>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

#include "widgets/file_dialog.h"
#include "widgets/qt_translation.h"

namespace torvane::widgets {
namespace {

class QtChineseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    translator = InstallQtChineseTranslation();
    ASSERT_NE(translator, nullptr) << "qtbase_zh_CN.qm is not installed";
  }
  void TearDown() override {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  QTranslator* translator = nullptr;
};

struct StandardButtonCase {
  const char* name;
  QDialogButtonBox::StandardButton button;
  const char* caption;  // without its accelerator
};

// A failing case prints as its name.
void PrintTo(const StandardButtonCase& c, std::ostream* os) {
  *os << c.name;
}

class StandardButtonTest : public QtChineseTest,
                           public ::testing::WithParamInterface<StandardButtonCase> {};

TEST_P(StandardButtonTest, CaptionIsChinese) {
  QDialogButtonBox box(GetParam().button);
  QString text = box.button(GetParam().button)->text();
  text.remove(QChar('&'));
  EXPECT_TRUE(text.startsWith(QString::fromUtf8(GetParam().caption))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, StandardButtonTest,
    ::testing::Values(StandardButtonCase{"Ok", QDialogButtonBox::Ok, "确定"},
                      StandardButtonCase{"Cancel", QDialogButtonBox::Cancel, "取消"},
                      StandardButtonCase{"Save", QDialogButtonBox::Save, "保存"},
                      StandardButtonCase{"Open", QDialogButtonBox::Open, "打开"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtChineseTest, MessageBoxOkButtonIsChinese) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Torvane"),
                  QStringLiteral("号码已复制。"), QMessageBox::Ok);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove(QChar('&')), QStringLiteral("确定"));
}

TEST_F(QtChineseTest, SaveDialogIsQtsOwnAndChinese) {
  auto dialog = MakeFileDialog(nullptr, QFileDialog::AcceptSave, QStringLiteral("文本文件 (*.txt)"),
                               QStringLiteral("号码.txt"));
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  auto* nameLabel = dialog->findChild<QLabel*>(QStringLiteral("fileNameLabel"));
  ASSERT_NE(nameLabel, nullptr);
  EXPECT_TRUE(nameLabel->text().contains(QStringLiteral("文件名")))
      << nameLabel->text().toStdString();
  EXPECT_GE(dialog->width(), 640);
}

// The export's save dialog cut "19.53 KiB" to "19.…KiB" in the program's CJK font.
TEST(FileDialogColumns, SizeAndTypeColumnsShowTheirWholeText) {
  const QFont before = QApplication::font();
  QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 9));
  struct Restore {
    QFont font;
    ~Restore() { QApplication::setFont(font); }
  } restore{before};
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile f(dir.filePath(QStringLiteral("号码.txt")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(20000, '1'));
  f.close();

  auto dialog =
      MakeFileDialog(nullptr, QFileDialog::AcceptOpen, QStringLiteral("文本文件 (*.txt)"));
  dialog->setDirectory(dir.path());
  dialog->show();
  auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
  ASSERT_NE(tree, nullptr);
  QAbstractItemModel* model = tree->model();
  QModelIndex file;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    for (QModelIndex root = tree->rootIndex(); model->rowCount(root) > 0;) {
      file = model->index(0, 0, root);
      return file.isValid();
    }
    return false;
  }));
  QApplication::processEvents();
  const QFontMetrics fm(tree->font());
  // The view draws a cell's text inside this margin on either side.
  const int margins =
      2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1);
  for (int column : {1, 2}) {
    const QString shown = file.siblingAtColumn(column).data().toString();
    ASSERT_FALSE(shown.isEmpty()) << column;
    EXPECT_GE(tree->header()->sectionSize(column), fm.horizontalAdvance(shown) + margins)
        << column << " " << shown.toStdString();
  }
  EXPECT_GT(tree->header()->sectionSize(0), tree->header()->sectionSize(1));
}

}  // namespace
}  // namespace torvane::widgets
