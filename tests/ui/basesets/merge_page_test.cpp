#include "ui/basesets/merge_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "support/digit_tables.h"
#include "support/main_window_fixture.h"
#include "ui/shell/tab_bar.h"

namespace torvane::ui {
namespace {

class MergeTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    clickTab(kMergeTab);
    page = window->findChild<MergePage*>();
  }
  void clickName(const char* name) { click(QString::fromUtf8(name)); }
  QPlainTextEdit* pasteBox() const { return find<QPlainTextEdit>(QStringLiteral("txtMergePaste")); }
  void paste(const char* text) {
    pasteBox()->setPlainText(QString::fromUtf8(text));
    clickName("cmdMergePaste");
  }
  QString setName(int row) const {
    QTableWidgetItem* item = find<QTableWidget>(QStringLiteral("tblMergeSets"))->item(row, 0);
    return item ? item->text() : QStringLiteral("<none>");
  }
  MergePage* page = nullptr;
};

// A file and pastes become sets; the range starts at every set and the result follows it to
// the clipboard and into 大底号码.
TEST_F(MergeTest, SetsVotedOnAndSent) {
  dialogs.files.push_back(writeFile(QStringLiteral("甲.txt"), "00001 00002 00003 00003"));
  clickName("cmdMergeImport");
  paste("00002,00003\n00004 x");
  paste("00003 00004");
  EXPECT_EQ(setName(0), QStringLiteral("甲.txt"));
  EXPECT_EQ(setName(1), QStringLiteral("粘贴1"));
  EXPECT_TRUE(pasteBox()->toPlainText().isEmpty());
  EXPECT_EQ(support::KeysOf(page->result()), std::vector<int>({3}));
  page->minBox()->setValue(2);
  EXPECT_EQ(find<QLabel>(QStringLiteral("lblMergeCount"))->text(), QStringLiteral("合并结果 3 注"));
  clickName("cmdMergeCopy");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("00002 00003 00004"));
  clickName("cmdMergeSend");
  EXPECT_EQ(baseBox()->text(), QStringLiteral("00002 00003 00004"));
  EXPECT_EQ(window->currentPage(), window->basePage());
}

// A refused text stays to be mended; an empty result is never sent, since an empty base box
// means all 100000 numbers; numbers already in 大底号码 are replaced only after a yes.
TEST_F(MergeTest, RefusalsSayWhyAndLoseNothing) {
  paste("11111");
  paste("1234 abc");
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("没有五位数号码")));
  EXPECT_EQ(pasteBox()->toPlainText(), QStringLiteral("1234 abc"));
  paste("22222");
  clickName("cmdMergeSend");
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("0 注")));
  EXPECT_EQ(page->setCount(), 2);
  EXPECT_EQ(baseCount(), QStringLiteral("0"));

  typeBase(QStringLiteral("99999"));
  clickTab(kMergeTab);
  page->minBox()->setValue(1);
  dialogs.answers = {false, true};
  clickName("cmdMergeSend");
  EXPECT_EQ(baseBox()->text(), QStringLiteral("99999"));
  clickName("cmdMergeSend");
  EXPECT_EQ(baseBox()->text(), QStringLiteral("11111 22222"));
  EXPECT_EQ(dialogs.calls.back().kind, QStringLiteral("question"));
}

// 移除所选 (or Delete) takes the selected sets out, 全部清空 every set; the range keeps its
// lower end and its upper end follows the count of sets.
TEST_F(MergeTest, RemoveSelectedAndClearAll) {
  paste("00001 00002");
  paste("00002 00003");
  paste("00002 00003 00004");
  page->minBox()->setValue(2);
  auto* sets = find<QTableWidget>(QStringLiteral("tblMergeSets"));
  sets->selectRow(1);
  clickName("cmdMergeRemove");
  ASSERT_EQ(page->setCount(), 2);
  EXPECT_EQ(setName(1), QStringLiteral("粘贴3"));
  EXPECT_EQ(page->minBox()->value(), 2);
  EXPECT_EQ(page->maxBox()->value(), 2);
  EXPECT_EQ(support::KeysOf(page->result()), std::vector<int>({2}));

  window->show();
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  sets->setFocus();
  sets->clearSelection();
  sets->selectRow(0);
  QTest::keyClick(sets, Qt::Key_Delete);
  ASSERT_EQ(page->setCount(), 1);
  EXPECT_EQ(support::KeysOf(page->result()), std::vector<int>({2, 3, 4}));

  clickName("cmdMergeClear");
  EXPECT_EQ(find<QLabel>(QStringLiteral("lblMergeCount"))->text(),
            QStringLiteral("合并结果：请先导入或粘贴大底"));
}

// 导入文件… takes several files at once, one set each in the order chosen; a file that is
// refused is named in one message and the others still come in.
TEST_F(MergeTest, EachFileIsOneSet) {
  const struct {
    std::vector<const char*> files;  // "name=text"; a name without "=" is a missing file
    std::vector<const char*> sets;   // the set names after the import
    std::vector<const char*> named;  // in the one warning; none when empty
  } cases[] = {
      {{"甲.txt=00001", "乙.txt=00002 00003", "丙.txt=00003"}, {"甲.txt", "乙.txt", "丙.txt"}, {}},
      {{"甲.txt=00001", "没有.txt", "空.txt=abc 123", "丁.txt=00004"},
       {"甲.txt", "丁.txt"},
       {"没有.txt", "空.txt", "已加入 2 个"}},
      {{"没有.txt", "空.txt=x"}, {}, {"没有.txt", "空.txt"}},
      {{}, {}, {}},  // cancelled
  };
  for (const auto& c : cases) {
    clickName("cmdMergeClear");
    dialogs.reset();
    QStringList paths;
    for (const char* f : c.files) {
      const QStringList parts = QString::fromUtf8(f).split(QLatin1Char('='));
      paths << (parts.size() == 2 ? writeFile(parts[0], parts[1].toUtf8())
                                  : dir.filePath(parts[0]));
    }
    dialogs.fileLists.push_back(paths);
    clickName("cmdMergeImport");
    ASSERT_EQ(page->setCount(), static_cast<int>(c.sets.size())) << paths.join(' ').toStdString();
    for (size_t i = 0; i < c.sets.size(); ++i)
      EXPECT_EQ(setName(static_cast<int>(i)), QString::fromUtf8(c.sets[i])) << i;
    EXPECT_EQ(std::count_if(dialogs.calls.begin(), dialogs.calls.end(),
                            [](const auto& d) { return d.kind == "warning"; }),
              c.named.empty() ? 0 : 1);
    for (const char* n : c.named)
      EXPECT_TRUE(dialogs.lastText().contains(QString::fromUtf8(n))) << n;
    for (const char* n : c.sets)
      EXPECT_FALSE(dialogs.lastText().contains(QString::fromUtf8(n))) << n;
  }
}

}  // namespace
}  // namespace torvane::ui
