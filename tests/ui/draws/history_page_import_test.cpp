// 开奖历史 taking draws from the clipboard and from an address: the same answer as a file
// import, the figure columns and the missing-period line, the question before figures are
// replaced, and a download that never blocks and can be cancelled.

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include "support/history_fixture.h"
#include "support/local_http_server.h"

namespace torvane::ui {
namespace paste_test {

using history::Draw;
using testing::HttpAnswer;
using testing::LocalHttpServer;

// 2026002 is missing from both texts.
const char* const kWebTable =
    "福彩开奖结果\n"
    "期号\t开奖日期\t星期\t开奖号码\t销售额\t中奖注数\t单注奖金\n"
    "2026003\t2026年01月03日\t星期六\t4 9 3 3 0\t9,916,601\t38\t100,000\n"
    "2026001\t2026年01月01日\t星期四\t1 2 3 4 5\t8,000,000\t12\t100,000\n";
const char* const kDailyLines =
    "2026001 2026-01-01 1 2 3 4 5 8000000 12 100000\n"
    "2026003 2026-01-03 4 9 3 3 0 9916601 38 100000\n";

class HistoryImportTest : public HistoryFixture {
 protected:
  QString cell(int row, int column) const {
    return model()->data(model()->index(row, column)).toString();
  }
  bool shown(int column) const { return !page()->drawView()->isColumnHidden(column); }
  void paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    page()->pasteButton()->click();
  }
  void update(const std::string& url) {
    dialogs.texts.push_back(QString::fromStdString(url));
    page()->updateFromAddress();
    ASSERT_TRUE(page()->downloading());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page()->downloading(); }, 20000));
  }
};

struct PasteCase {
  std::string name;
  const char* text;
  bool ctrlV;  // the key on the draw table instead of the button
};

class HistoryPasteTest : public HistoryImportTest,
                         public ::testing::WithParamInterface<PasteCase> {};

TEST_P(HistoryPasteTest, ShowsTheFiguresTheAnswerAndTheGap) {
  const PasteCase& c = GetParam();
  showHistory();
  QApplication::clipboard()->setText(QString::fromUtf8(c.text));
  if (c.ctrlV)
    QTest::keyClick(page()->drawView(), Qt::Key_V, Qt::ControlModifier);
  else
    page()->pasteButton()->click();

  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("information"));
  const QString answer = dialogs.lastText();
  EXPECT_TRUE(answer.startsWith(QStringLiteral("导入完成：新增 2 期，已有 0 期，共 2 期")))
      << answer.toStdString();
  EXPECT_TRUE(answer.endsWith(QStringLiteral("\n缺 1 期：2026002"))) << answer.toStdString();
  EXPECT_TRUE(page()->missingLabel()->isVisible());
  EXPECT_EQ(page()->missingLabel()->text(), QStringLiteral("缺 1 期：2026002"));

  ASSERT_EQ(model()->rowCount(), 2);
  EXPECT_EQ(cell(0, DrawTableModel::Number), QStringLiteral("49330"));
  EXPECT_EQ(cell(0, DrawTableModel::Sales), QStringLiteral("9,916,601"));
  EXPECT_EQ(cell(0, DrawTableModel::Winners), QStringLiteral("38"));
  EXPECT_EQ(cell(0, DrawTableModel::Prize), QStringLiteral("100,000"));
  for (int col : {DrawTableModel::Sales, DrawTableModel::Winners, DrawTableModel::Prize})
    EXPECT_TRUE(shown(col)) << col;
  ASSERT_EQ(stored().size(), 2u);
  EXPECT_EQ(stored()[1].sales, 9916601);
}

INSTANTIATE_TEST_SUITE_P(Forms, HistoryPasteTest,
                         ::testing::Values(PasteCase{"WebTableByButton", kWebTable, false},
                                           PasteCase{"DailyLinesByCtrlV", kDailyLines, true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(HistoryImportTest, FigureColumnsAndGapLineShowOnlyWhenThereIsSomething) {
  showHistory();
  importDraws(Draws({{"2026001", "12345"}, {"2026002", "54321"}}));
  for (int col : {DrawTableModel::Sales, DrawTableModel::Winners, DrawTableModel::Prize})
    EXPECT_FALSE(shown(col)) << col;
  EXPECT_FALSE(page()->missingLabel()->isVisible());
  // Prize alone: only its column appears.
  paste(QStringLiteral(
      "期号,开奖日期,开奖号码,单注奖金(元)\n2026004,2026-01-04,1 1 2 2 3,\"100,000\"\n"));
  EXPECT_FALSE(shown(DrawTableModel::Sales));
  EXPECT_TRUE(shown(DrawTableModel::Prize));
  EXPECT_EQ(page()->missingLabel()->text(), QStringLiteral("缺 1 期：2026003"));
  // Filling the hole takes the line away.
  paste(QStringLiteral("2026003 2026-01-03 00000\n"));
  EXPECT_FALSE(page()->missingLabel()->isVisible());
}

TEST_F(HistoryImportTest, EmptyOrRefusedClipboardChangesNothing) {
  showHistory();
  paste(QStringLiteral("2026001 2026-01-01 12345\n"));
  const std::vector<Draw> before = stored();
  for (const QString& text :
       {QStringLiteral("  \n"), QStringLiteral("2026002 2026-01-02 1234\n")}) {
    paste(text);
    EXPECT_NE(
        dialogs.lastText().indexOf(text.trimmed().isEmpty() ? QStringLiteral("剪贴板里没有文字")
                                                            : QStringLiteral("历史库没有改动")),
        -1)
        << dialogs.lastText().toStdString();
    EXPECT_EQ(stored(), before);
  }
}

struct FigureCase {
  bool replace;
  std::int64_t storedSales;
  const char* words;
};

class HistoryFigureQuestionTest : public HistoryImportTest,
                                  public ::testing::WithParamInterface<FigureCase> {};

TEST_P(HistoryFigureQuestionTest, AsksBeforeReplacingFigures) {
  const FigureCase& c = GetParam();
  showHistory();
  paste(QStringLiteral("2026001 2026-01-01 1 2 3 4 5 100 1 10\n2026002 2026-01-02 12345\n"));
  dialogs.reset();
  dialogs.answers.push_back(c.replace);
  paste(QStringLiteral("2026001 2026-01-01 1 2 3 4 5 200 1 10\n2026003 2026-01-03 54321\n"));
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].kind, QStringLiteral("question"));
  EXPECT_TRUE(dialogs.calls[0].text.startsWith(
      QStringLiteral("有 1 期的销售额、中奖注数或单注奖金与历史库中的不同，例如第 2026001 期")))
      << dialogs.calls[0].text.toStdString();
  EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("历史库：销售额 100 元")));
  EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("导入的：销售额 200 元")));
  EXPECT_TRUE(dialogs.calls[1].text.contains(QString::fromUtf8(c.words)))
      << dialogs.calls[1].text.toStdString();
  const std::vector<Draw> after = stored();
  ASSERT_EQ(after.size(), 3u);  // the new period comes in either way
  EXPECT_EQ(after[0].sales, c.storedSales);
}

INSTANTIATE_TEST_SUITE_P(Answers, HistoryFigureQuestionTest,
                         ::testing::Values(FigureCase{true, 200, "已按导入的改正"},
                                           FigureCase{false, 100, "保留了历史库中的"}));

struct UpdateCase {
  std::string name;
  HttpAnswer answer;
  const char* kind;  // of the last box
  const char* says;
  size_t storedAfter;
};

class HistoryUpdateTest : public HistoryImportTest,
                          public ::testing::WithParamInterface<UpdateCase> {};

TEST_P(HistoryUpdateTest, MergesAGoodFileAndLeavesTheStoreOtherwise) {
  const UpdateCase& c = GetParam();
  LocalHttpServer server([&](const std::string&) { return c.answer; });
  showHistory();
  paste(QStringLiteral("2026001 2026-01-01 12345\n"));
  update(server.Url("/draws.txt"));
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QString::fromUtf8(c.kind));
  EXPECT_TRUE(dialogs.lastText().contains(QString::fromUtf8(c.says)))
      << dialogs.lastText().toStdString();
  EXPECT_EQ(stored().size(), c.storedAfter);
  EXPECT_EQ(page()->downloadProgress(), nullptr);
  // The address is offered again next time.
  page()->updateFromAddress();
  EXPECT_TRUE(dialogs.lastText().endsWith(QString::fromStdString("|" + server.Url("/draws.txt"))));
}

INSTANTIATE_TEST_SUITE_P(Answers, HistoryUpdateTest,
                         ::testing::Values(UpdateCase{"GoodFile",
                                                      {200, "Content-Type: text/plain\r\n",
                                                       kDailyLines},
                                                      "information",
                                                      "\n缺 1 期：2026002",
                                                      2},
                                           UpdateCase{"NotFound",
                                                      {404, "Content-Type: text/plain\r\n", "no"},
                                                      "warning",
                                                      "历史库没有改动",
                                                      1},
                                           UpdateCase{"WebPage",
                                                      {200, "Content-Type: text/html\r\n",
                                                       "<!doctype html><html></html>"},
                                                      "warning",
                                                      "网页",
                                                      1}),
                         [](const auto& info) { return info.param.name; });

TEST_F(HistoryImportTest, CancelStopsASlowDownloadAndChangesNothing) {
  LocalHttpServer server([](const std::string&) {
    HttpAnswer a;
    a.body = kDailyLines;
    a.stall = std::chrono::seconds(60);
    return a;
  });
  showHistory();
  dialogs.texts.push_back(QString::fromStdString(server.Url("/slow.txt")));
  page()->updateFromAddress();
  QProgressDialog* progress = page()->downloadProgress();
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isVisible());
  // The window keeps answering while the download waits.
  QApplication::processEvents();
  auto* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), QStringLiteral("取消"));
  cancel->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !page()->downloading(); }, 10000));
  EXPECT_TRUE(page()->statusLabel()->text().contains(QStringLiteral("已取消")));
  EXPECT_TRUE(dialogs.calls.size() == 1u);  // only the address was asked
  EXPECT_TRUE(stored().empty());
}

}  // namespace paste_test
}  // namespace torvane::ui
