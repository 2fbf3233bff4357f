#include "ui/basesets/merge_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>

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

}  // namespace
}  // namespace torvane::ui
