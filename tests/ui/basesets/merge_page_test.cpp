#include "ui/basesets/merge_page.h"

#include <gtest/gtest.h>

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
  void paste(const char* text) {
    find<QPlainTextEdit>(QStringLiteral("txtMergePaste"))->setPlainText(QString::fromUtf8(text));
    clickName("cmdMergePaste");
  }
  QString cell(const char* table, int row, int column) const {
    QTableWidgetItem* item = find<QTableWidget>(QString::fromUtf8(table))->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
  }
  MergePage* page = nullptr;
};

TEST_F(MergeTest, FilesAndPastesAreVotedOnAndTheRangeStartsAtEverySet) {
  dialogs.files.push_back(writeFile(QStringLiteral("甲.txt"), "00001 00002 00003 00003"));
  clickName("cmdMergeImport");
  paste("00002,00003\n00004 x");
  paste("00003 00004");
  const QStringList sets = {"甲.txt", "3", "", "粘贴1", "3", "1"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(cell("tblMergeSets", i / 3, i % 3), sets[i]) << i;
  EXPECT_TRUE(find<QPlainTextEdit>(QStringLiteral("txtMergePaste"))->toPlainText().isEmpty());
  // Rows k = 3, 2, 1, 0: 00003 | 00002 00004 | 00001 | the rest; each with "at least k".
  const QStringList votes = {"1", "1", "2", "3", "1", "4", "99996", ""};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(cell("tblMergeVotes", i / 2, 1 + i % 2), votes[i]) << i;
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
// means all 100000 numbers.
TEST_F(MergeTest, RefusalsSayWhyAndLoseNothing) {
  paste("11111");
  paste("1234 abc");
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("没有五位数号码")));
  EXPECT_EQ(find<QPlainTextEdit>(QStringLiteral("txtMergePaste"))->toPlainText(),
            QStringLiteral("1234 abc"));
  paste("22222");
  clickName("cmdMergeSend");
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("0 注")));
  EXPECT_EQ(page->setCount(), 2);
  EXPECT_EQ(baseCount(), QStringLiteral("0"));
}

// Numbers already in 大底号码 are replaced only after a yes.
TEST_F(MergeTest, SendAsksBeforeReplacingTheBase) {
  typeBase(QStringLiteral("99999"));
  clickTab(kMergeTab);
  paste("12345");
  dialogs.answers = {false, true};
  clickName("cmdMergeSend");
  EXPECT_EQ(baseBox()->text(), QStringLiteral("99999"));
  clickName("cmdMergeSend");
  EXPECT_EQ(baseBox()->text(), QStringLiteral("12345"));
  EXPECT_EQ(dialogs.calls.back().kind, QStringLiteral("question"));
}

// 移除所选 takes the selected sets out (Delete does the same) and 全部清空 every set; the
// votes, the range and the result follow at once.
TEST_F(MergeTest, RemoveSelectedAndClearAll) {
  paste("00001 00002");
  paste("00002 00003");
  paste("00002 00003 00004");
  ASSERT_EQ(page->setCount(), 3);
  page->minBox()->setValue(2);
  EXPECT_EQ(support::KeysOf(page->result()), std::vector<int>({2, 3}));
  auto* sets = find<QTableWidget>(QStringLiteral("tblMergeSets"));

  sets->clearSelection();
  dialogs.reset();
  clickName("cmdMergeRemove");
  EXPECT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(page->setCount(), 3);

  // The middle set out: 00002 is in both left, the others in one; the range keeps its
  // lower end and its upper end follows the count of sets.
  sets->selectRow(1);
  clickName("cmdMergeRemove");
  ASSERT_EQ(page->setCount(), 2);
  EXPECT_EQ(cell("tblMergeSets", 0, 0), QStringLiteral("粘贴1"));
  EXPECT_EQ(cell("tblMergeSets", 1, 0), QStringLiteral("粘贴3"));
  EXPECT_EQ(page->minBox()->value(), 2);
  EXPECT_EQ(page->maxBox()->value(), 2);
  const QStringList votes = {"1", "1", "3", "4", "99996", ""};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(cell("tblMergeVotes", i / 2, 1 + i % 2), votes[i]) << i;
  EXPECT_EQ(support::KeysOf(page->result()), std::vector<int>({2}));

  window->show();
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  sets->setFocus();
  sets->selectRow(0);
  QTest::keyClick(sets, Qt::Key_Delete);
  ASSERT_EQ(page->setCount(), 1);
  EXPECT_EQ(cell("tblMergeSets", 0, 0), QStringLiteral("粘贴3"));
  EXPECT_EQ(support::KeysOf(page->result()), std::vector<int>({2, 3, 4}));

  clickName("cmdMergeClear");
  EXPECT_EQ(page->setCount(), 0);
  EXPECT_EQ(find<QTableWidget>(QStringLiteral("tblMergeSets"))->rowCount(), 0);
  EXPECT_EQ(find<QTableWidget>(QStringLiteral("tblMergeVotes"))->rowCount(), 0);
  EXPECT_FALSE(page->minBox()->isEnabled());
  EXPECT_EQ(page->resultCount(), 0);
  EXPECT_EQ(find<QLabel>(QStringLiteral("lblMergeCount"))->text(),
            QStringLiteral("合并结果：请先导入或粘贴大底"));
}

}  // namespace
}  // namespace torvane::ui
