// 开奖历史 taking draws from the clipboard and from an address: the import's answer, the
// figure columns, the missing-period line, the figure question, and a cancellable download.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "support/history_fixture.h"
#include "support/local_http_server.h"

namespace torvane::ui {
namespace paste_test {

using testing::HttpAnswer;
using testing::LocalHttpServer;

// 2026002 is missing.
const char* const kDailyLines =
    "2026001 2026-01-01 1 2 3 4 5 8000000 12 100000\n"
    "2026003 2026-01-03 4 9 3 3 0 9916601 38 100000\n";
const std::string kText = "Content-Type: text/plain\r\n";

class HistoryImportTest : public HistoryFixture {
 protected:
  // A fresh window over no store, for the next row of a table.
  void fresh() {
    window = std::make_unique<MainWindow>(dialogs);
    std::filesystem::remove_all(std::filesystem::path(dbPath.toStdString()).parent_path());
    dialogs.reset();
  }
  void paste(const char* text) {
    QApplication::clipboard()->setText(QString::fromUtf8(text));
    page()->pasteButton()->click();
  }
  void startUpdate(const std::string& url) {
    dialogs.texts.push_back(QString::fromStdString(url));
    page()->updateFromAddress();
    ASSERT_TRUE(page()->downloading());
  }
  bool finished() {
    return QTest::qWaitFor([&] { return !page()->downloading(); }, 20000);
  }
};

TEST_F(HistoryImportTest, PasteAnswersAndShowsFiguresAndGaps) {
  const struct {
    const char* text;
    bool ctrlV;  // the key on the draw table instead of the button
    const char* sales;
    const char* missing;  // the line under the buttons; empty: hidden
  } cases[] = {{kDailyLines, true, "9,916,601", "缺 1 期：2026002"},
               {"2026001,2026-01-01,12345\n2026002,2026-01-02,49330\n", false, "", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    fresh();
    showHistory();
    QApplication::clipboard()->setText(QString::fromUtf8(c.text));
    if (c.ctrlV)
      QTest::keyClick(page()->drawView(), Qt::Key_V, Qt::ControlModifier);
    else
      page()->pasteButton()->click();
    const QString missing = QString::fromUtf8(c.missing);
    ASSERT_NE(dialogs.last(), nullptr);
    EXPECT_EQ(dialogs.last()->kind, QStringLiteral("information"));
    EXPECT_TRUE(
        dialogs.lastText().startsWith(QStringLiteral("导入完成：新增 2 期，已有 0 期，共 2 期")));
    EXPECT_EQ(dialogs.lastText().endsWith(QLatin1Char('\n') + missing), !missing.isEmpty());
    EXPECT_EQ(page()->missingLabel()->isVisible(), !missing.isEmpty());
    EXPECT_EQ(page()->missingLabel()->text(), missing);
    EXPECT_EQ(model()->data(model()->index(0, DrawTableModel::Sales)).toString(),
              QString::fromUtf8(c.sales));
    for (int col : {DrawTableModel::Sales, DrawTableModel::Winners, DrawTableModel::Prize})
      EXPECT_EQ(page()->drawView()->isColumnHidden(col), *c.sales == '\0') << col;
  }
}

TEST_F(HistoryImportTest, AsksBeforeReplacingFigures) {
  for (bool yes : {true, false}) {
    fresh();
    showHistory();
    paste("2026001 2026-01-01 1 2 3 4 5 100 1 10\n");
    dialogs.reset();
    dialogs.answers.push_back(yes);
    paste("2026001 2026-01-01 1 2 3 4 5 200 1 10\n2026002 2026-01-02 54321\n");
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_TRUE(dialogs.calls[0].text.contains(
        QStringLiteral("例如第 2026001 期：\n历史库：销售额 100 元")));
    EXPECT_TRUE(dialogs.calls[1].text.contains(yes ? QStringLiteral("已按导入的改正")
                                                   : QStringLiteral("保留了历史库中的")));
    ASSERT_EQ(stored().size(), 2u);  // the new period comes in either way
    EXPECT_EQ(stored()[0].sales, yes ? 200 : 100);
  }
}

TEST_F(HistoryImportTest, UpdateMergesAGoodFileAndLeavesTheStoreOtherwise) {
  const struct {
    HttpAnswer answer;
    const char* kind;  // of the last box
    const char* says;
    size_t storedAfter;
  } cases[] = {
      {{200, kText, kDailyLines}, "information", "\n缺 1 期：2026002", 2},
      {{404, kText, "no"}, "warning", "历史库没有改动", 1},
      {{200, "Content-Type: text/html\r\n", "<html></html>"}, "warning", "网页", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    fresh();
    LocalHttpServer server([&](const std::string&) { return c.answer; });
    showHistory();
    paste("2026001 2026-01-01 12345\n");
    startUpdate(server.Url("/draws.txt"));
    ASSERT_TRUE(finished());
    EXPECT_EQ(dialogs.last()->kind, QString::fromUtf8(c.kind));
    EXPECT_TRUE(dialogs.lastText().contains(QString::fromUtf8(c.says)))
        << dialogs.lastText().toStdString();
    EXPECT_EQ(stored().size(), c.storedAfter);
    // The address is offered again next time.
    page()->updateFromAddress();
    EXPECT_TRUE(
        dialogs.lastText().endsWith(QString::fromStdString("|" + server.Url("/draws.txt"))));
  }
}

TEST_F(HistoryImportTest, CancelStopsASlowDownloadAndChangesNothing) {
  LocalHttpServer server([](const std::string&) {
    return HttpAnswer{200, kText, kDailyLines, true, std::chrono::seconds(60)};
  });
  showHistory();
  startUpdate(server.Url("/slow.txt"));
  QProgressDialog* progress = page()->downloadProgress();
  ASSERT_NE(progress, nullptr);
  auto* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), QStringLiteral("取消"));
  cancel->click();
  ASSERT_TRUE(finished());
  EXPECT_TRUE(page()->statusLabel()->text().startsWith(QStringLiteral("已取消下载")));
  EXPECT_TRUE(stored().empty());
}

}  // namespace paste_test
}  // namespace torvane::ui
