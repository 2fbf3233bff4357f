// The 开奖历史 page over a temporary store: import, add, delete, copy, double-click, and a
// store that cannot be opened.

#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTest>

#include "history/draw_figures.h"
#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/backtest/backtest_page.h"

namespace torvane::ui {
namespace {

using history::Draw;
using testing::GeneratedHistory;

QString Cell(QAbstractItemModel* m, int row, int column) {
  return m->data(m->index(row, column)).toString();
}

using HistoryPageTest = HistoryFixture;

TEST_F(HistoryPageTest, ImportsAGeneratedFileNewestOnTop) {
  showHistory();
  const std::vector<Draw> draws = GeneratedHistory(730);
  importDraws(draws);
  ASSERT_NE(dialogs.last(), nullptr);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("information"));
  EXPECT_EQ(dialogs.lastText(),
            QStringLiteral("导入完成：新增 730 期，已有 0 期，共 730 期；跳过表头 1 行"));
  EXPECT_TRUE(page()->countLabel()->text().startsWith(QStringLiteral("共 730 期")));
  EXPECT_EQ(stored().size(), 730u);

  ASSERT_EQ(model()->rowCount(), 730);
  const Draw& newest = draws.back();
  EXPECT_EQ(Cell(model(), 0, DrawTableModel::Period), QString::fromStdString(newest.period));
  EXPECT_EQ(Cell(model(), 0, DrawTableModel::Number), QString::fromStdString(newest.NumberText()));
  EXPECT_EQ(Cell(model(), 0, DrawTableModel::Sum).toInt(), history::DigitSum(newest.digits));
  EXPECT_EQ(Cell(model(), 0, DrawTableModel::Route).toStdString(),
            history::RouteText(newest.digits));
  EXPECT_EQ(Cell(model(), 729, DrawTableModel::Period),
            QString::fromStdString(draws.front().period));
  // The next period is proposed for the add row.
  EXPECT_EQ(page()->periodBox()->text(), QStringLiteral("2006011"));

  // The same file again adds nothing.
  importDraws(draws);
  EXPECT_TRUE(
      dialogs.lastText().startsWith(QStringLiteral("导入完成：新增 0 期，已有 730 期，共 730 期")));
}

TEST_F(HistoryPageTest, RefusedFileNamesTheLineAndChangesNothing) {
  showHistory();
  importDraws(Draws({{"2024001", "12345"}, {"2024002", "54321"}}));
  const QString bad =
      writeFile(QStringLiteral("bad.txt"), "2024003 2024-01-03 11111\n2024004 2024-01-04 2222\n");
  dialogs.files.push_back(bad);
  page()->importFile();
  ASSERT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_EQ(dialogs.last()->title, QStringLiteral("导入提示"));
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("第 2 行")))
      << dialogs.lastText().toStdString();
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("历史库没有改动")));
  EXPECT_EQ(stored().size(), 2u);
  EXPECT_EQ(model()->rowCount(), 2);
}

TEST_F(HistoryPageTest, RefusedFileOnAnEmptyHistoryCreatesNoStore) {
  showHistory();
  dialogs.files.push_back(writeFile(QStringLiteral("bad.txt"), "hello\n2024001 123\n"));
  page()->importFile();
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_FALSE(storeExists());
}

TEST_F(HistoryPageTest, ConflictingImportIsRefusedWhole) {
  showHistory();
  importDraws(Draws({{"2024001", "12345"}}));
  importDraws(Draws({{"2024001", "99999"}, {"2024002", "54321"}}));
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("2024001")));
  EXPECT_EQ(stored(), Draws({{"2024001", "12345"}}));
}

TEST_F(HistoryPageTest, AddsADrawWithTheProposedPeriod) {
  showHistory();
  importDraws(Draws({{"2024001", "12345"}, {"2024002", "54321"}}));
  dialogs.reset();
  EXPECT_EQ(page()->periodBox()->text(), QStringLiteral("2024003"));
  page()->dateBox()->setDate(QDate(2024, 1, 5));
  QTest::keyClicks(page()->numberBox(), QStringLiteral("0 7 8 9 1"));
  click(QStringLiteral("cmdHistoryAdd"));
  EXPECT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();
  EXPECT_EQ(Cell(model(), 0, DrawTableModel::Period), QStringLiteral("2024003"));
  EXPECT_EQ(Cell(model(), 0, DrawTableModel::Date), QStringLiteral("2024-01-05"));
  EXPECT_EQ(Cell(model(), 0, DrawTableModel::Number), QStringLiteral("07891"));
  EXPECT_EQ(stored().back().NumberText(), "07891");
  EXPECT_TRUE(page()->numberBox()->text().isEmpty());
  EXPECT_EQ(page()->periodBox()->text(), QStringLiteral("2024004"));
  EXPECT_EQ(page()->dateBox()->date(), QDate(2024, 1, 6));
  EXPECT_TRUE(page()->countLabel()->text().startsWith(QStringLiteral("共 3 期")));
}

TEST_F(HistoryPageTest, FirstDrawOfAnEmptyHistoryCreatesTheStore) {
  showHistory();
  EXPECT_FALSE(storeExists());  // looking does not create it
  EXPECT_TRUE(page()->noticeLabel()->isVisible());
  page()->periodBox()->setText(QStringLiteral("2024001"));
  page()->numberBox()->setText(QStringLiteral("00000"));
  page()->addDraw();
  EXPECT_TRUE(storeExists());
  EXPECT_EQ(stored().size(), 1u);
  EXPECT_FALSE(page()->noticeLabel()->isVisible());
}

struct BadEntryCase {
  const char* name;
  const char* period;
  const char* number;
  const char* message;  // a part of the warning
};
// Test output names the case, not its bytes.
void PrintTo(const BadEntryCase& c, std::ostream* os) {
  *os << c.name;
}

class HistoryBadEntryTest : public HistoryFixture,
                            public ::testing::WithParamInterface<BadEntryCase> {};

TEST_P(HistoryBadEntryTest, ExplainsAndKeepsWhatWasTyped) {
  const BadEntryCase& c = GetParam();
  showHistory();
  importDraws(Draws({{"2024001", "12345"}}));
  dialogs.reset();
  page()->periodBox()->setText(QString::fromUtf8(c.period));
  page()->numberBox()->setText(QString::fromUtf8(c.number));
  page()->addDraw();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("warning"));
  EXPECT_TRUE(dialogs.lastText().contains(QString::fromUtf8(c.message)))
      << dialogs.lastText().toStdString();
  EXPECT_EQ(page()->periodBox()->text(), QString::fromUtf8(c.period));
  EXPECT_EQ(page()->numberBox()->text(), QString::fromUtf8(c.number));
  EXPECT_EQ(stored().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, HistoryBadEntryTest,
    ::testing::Values(BadEntryCase{"FourDigits", "2024002", "1234", "号码“1234”无效"},
                      BadEntryCase{"LettersAmongDigits", "2024002", "ab12c3d45",
                                   "号码“ab12c3d45”无效，没有添加"},
                      BadEntryCase{"NoNumber", "2024002", "", "请输入5位数字"},
                      BadEntryCase{"NoPeriod", "", "12345", "请输入期号"},
                      BadEntryCase{"PeriodWithoutDigit", "abc", "12345", "无效"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryPageTest, ConflictingDrawAsksBeforeReplacing) {
  showHistory();
  importDraws(Draws({{"2024001", "12345"}, {"2024002", "54321"}}));
  dialogs.reset();
  page()->periodBox()->setText(QStringLiteral("2024001"));
  page()->dateBox()->setDate(QDate(2024, 1, 1));
  page()->numberBox()->setText(QStringLiteral("99999"));

  dialogs.answers = {false};
  page()->addDraw();
  ASSERT_EQ(dialogs.last()->kind, QStringLiteral("question"));
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("12345")));
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("99999")));
  EXPECT_EQ(stored().front().NumberText(), "12345");
  EXPECT_EQ(page()->periodBox()->text(), QStringLiteral("2024001"));
  EXPECT_EQ(page()->numberBox()->text(), QStringLiteral("99999"));

  dialogs.answers = {true};
  page()->addDraw();
  EXPECT_EQ(stored().front().NumberText(), "99999");
  EXPECT_EQ(stored().size(), 2u);
  EXPECT_EQ(Cell(model(), 1, DrawTableModel::Number), QStringLiteral("99999"));
}

TEST_F(HistoryPageTest, SameDrawAgainChangesNothing) {
  showHistory();
  importDraws(Draws({{"2024001", "12345"}}));
  dialogs.reset();
  page()->periodBox()->setText(QStringLiteral("2024001"));
  page()->dateBox()->setDate(QDate(2024, 1, 1));
  page()->numberBox()->setText(QStringLiteral("12345"));
  page()->addDraw();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("information"));
  EXPECT_EQ(stored().size(), 1u);
}

void SelectRows(QTableView* view, std::initializer_list<int> rows) {
  view->clearSelection();
  for (int r : rows)
    view->selectionModel()->select(view->model()->index(r, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

TEST_F(HistoryPageTest, DeleteAsksFirstAndRemovesTheSelection) {
  showHistory();
  importDraws(Draws({{"2024001", "11111"}, {"2024002", "22222"}, {"2024003", "33333"}}));
  dialogs.reset();
  SelectRows(page()->drawView(), {0, 2});  // 2024003 and 2024001

  dialogs.answers = {false};
  click(QStringLiteral("cmdHistoryDelete"));
  ASSERT_EQ(dialogs.last()->kind, QStringLiteral("question"));
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("2 期")));
  EXPECT_EQ(stored().size(), 3u);

  dialogs.answers = {true};
  click(QStringLiteral("cmdHistoryDelete"));
  ASSERT_EQ(stored().size(), 1u);
  EXPECT_EQ(stored().front().period, "2024002");
  EXPECT_EQ(model()->rowCount(), 1);
  EXPECT_TRUE(page()->countLabel()->text().startsWith(QStringLiteral("共 1 期")));
}

TEST_F(HistoryPageTest, DeleteWithoutSelectionSaysSo) {
  showHistory();
  importDraws(Draws({{"2024001", "11111"}}));
  dialogs.reset();
  page()->drawView()->clearSelection();
  page()->deleteSelected();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("information"));
  EXPECT_EQ(stored().size(), 1u);
}

TEST_F(HistoryPageTest, CopiesTheSelectedDrawsAsText) {
  showHistory();
  importDraws(Draws({{"2024001", "11111"}, {"2024002", "22222"}, {"2024003", "33333"}}));
  dialogs.reset();
  SelectRows(page()->drawView(), {2, 0});
  click(QStringLiteral("cmdHistoryCopy"));
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("copyNotice"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("2024003\t2024-01-03\t33333\n2024001\t2024-01-01\t11111\n"));
}

TEST_F(HistoryPageTest, DeleteProposesPeriodAndDateAgain) {
  showHistory();
  importDraws(Draws({{"2024001", "11111"}, {"2024002", "22222"}}));
  EXPECT_EQ(page()->dateBox()->date(), QDate(2024, 1, 3));  // the day after the newest
  page()->numberBox()->setText(QStringLiteral("33333"));
  page()->addDraw();
  EXPECT_EQ(page()->dateBox()->date(), QDate(2024, 1, 4));
  dialogs.answers = {true};
  SelectRows(page()->drawView(), {0});
  page()->deleteSelected();
  EXPECT_EQ(page()->periodBox()->text(), QStringLiteral("2024003"));
  EXPECT_EQ(page()->dateBox()->date(), QDate(2024, 1, 3));
}

TEST_F(HistoryPageTest, ExportsWhatTheCommandLineExports) {
  showHistory();
  importDraws(Draws({{"2024001", "01740"}, {"2024002", "78901"}}));
  const QString path = dir.filePath(QStringLiteral("out.csv"));
  dialogs.files.push_back(path);
  click(QStringLiteral("cmdHistoryExport"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(),
            "period,date,number,sales,winners,prize\n2024001,2024-01-01,01740,,,\n"
            "2024002,2024-01-02,78901,,,\n");
  EXPECT_EQ(page()->statusLabel()->text(), QStringLiteral("已导出 2 期到 out.csv"));
}

TEST_F(HistoryPageTest, JumpsToAPeriodAndSortsByAColumn) {
  showHistory();
  importDraws(Draws({{"2024001", "90000"}, {"2024002", "11111"}, {"2024003", "00000"}}));
  page()->jumpBox()->setText(QStringLiteral("2024002"));
  page()->jumpToPeriod();
  QModelIndexList selected = page()->drawView()->selectionModel()->selectedRows();
  ASSERT_EQ(selected.size(), 1);
  EXPECT_EQ(model()->draw(selected.front().row()).period, "2024002");
  page()->jumpBox()->setText(QStringLiteral("2099001"));
  page()->jumpToPeriod();
  EXPECT_EQ(page()->statusLabel()->text(), QStringLiteral("历史库中没有第 2099001 期"));

  // A header click sorts; the selection stays on its draw.
  QHeaderView* header = page()->drawView()->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(DrawTableModel::Sum) + 5, 5));
  QStringList order;
  for (int r = 0; r < 3; ++r) order << Cell(model(), r, DrawTableModel::Number);
  const QStringList bySum = header->sortIndicatorOrder() == Qt::AscendingOrder
                                ? QStringList{"00000", "11111", "90000"}
                                : QStringList{"90000", "11111", "00000"};
  EXPECT_EQ(order, bySum);
  selected = page()->drawView()->selectionModel()->selectedRows();
  ASSERT_EQ(selected.size(), 1);
  EXPECT_EQ(model()->draw(selected.front().row()).period, "2024002");
}

TEST_F(HistoryPageTest, ColumnsShareAWideWindowAndKeepTheirWidthInANarrowOne) {
  showHistory();
  QTableView* view = page()->drawView();
  QHeaderView* header = view->horizontalHeader();
  for (int width : {600, 1900}) {
    window->resize(width, 900);
    QApplication::processEvents();
    int total = 0;
    for (int c = 0; c < DrawTableModel::Count; ++c) {
      if (header->isSectionHidden(c)) continue;  // a figure no draw has
      total += header->sectionSize(c);
      // Never narrower than its title.
      EXPECT_GE(header->sectionSize(c),
                header->fontMetrics().horizontalAdvance(
                    model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()))
          << width << " column " << c;
    }
    EXPECT_GE(total, view->viewport()->width()) << width;
  }
}

TEST_F(HistoryPageTest, DoubleClickFillsTheWinningNumberBox) {
  showHistory();
  importDraws(Draws({{"2024001", "01740"}, {"2024002", "78901"}}));
  QTableView* view = page()->drawView();
  const QRect cell = view->visualRect(model()->index(1, DrawTableModel::Date));
  // A view takes a double click only on the cell the press went to.
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  auto* lotto = find<QLineEdit>(QStringLiteral("txtLottoNumber"));
  EXPECT_EQ(lotto->text(), QStringLiteral("01740"));
  EXPECT_TRUE(find<QPushButton>(QStringLiteral("cmdBonus"))->isEnabled());
  EXPECT_FALSE(find<QWidget>(QStringLiteral("fraResult"))->isHidden());
}

TEST_F(HistoryPageTest, WindowConstructionNeverOpensTheStore) {
  // Nothing shown yet: even a damaged file is not looked at.
  EXPECT_TRUE(window->drawStore()->path().isEmpty());
  EXPECT_FALSE(storeExists());
}

class DamagedStoreTest : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    QDir().mkpath(QFileInfo(dbPath).path());
    QFile f(dbPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(damaged);
  }
  const QByteArray damaged = QByteArray("this is not a database\n").repeated(200);
};

TEST_F(DamagedStoreTest, PageSaysSoAndTheRestWorks) {
  showHistory();
  QLabel* notice = page()->noticeLabel();
  EXPECT_TRUE(notice->isVisible());
  EXPECT_TRUE(notice->text().contains(QStringLiteral("打不开"))) << notice->text().toStdString();
  for (const char* name : {"cmdHistoryImport", "cmdHistoryAdd", "cmdHistoryDelete"})
    EXPECT_FALSE(find<QPushButton>(QString::fromLatin1(name))->isEnabled()) << name;
  // The actions refuse quietly too.
  dialogs.files.push_back(writeDrawFile(QStringLiteral("d.txt"), Draws({{"2024001", "12345"}})));
  page()->importFile();
  page()->addDraw();
  EXPECT_TRUE(dialogs.calls.empty());

  clickTab(kBacktestTab);
  EXPECT_FALSE(window->backtestPage()->runButton()->isEnabled());
  EXPECT_TRUE(window->backtestPage()->summaryLabel()->text().contains(QStringLiteral("打不开")));
  clickTab(1);
  pressRun(0);
  EXPECT_EQ(resultCount(), 100000);
  EXPECT_TRUE(dialogs.calls.empty());

  QFile f(dbPath);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), damaged);
}

}  // namespace
}  // namespace torvane::ui
