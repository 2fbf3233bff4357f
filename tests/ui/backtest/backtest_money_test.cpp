// 条件回测's money boxes, held-out draws, the back-test off the window's thread and 方案对比's
// figures beyond the hit rate: what only the window does, against the engine's own report.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "run/backtest.h"
#include "run/backtest_report.h"
#include "scheme/scheme_file.h"
#include "support/every_panel_set.h"
#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/backtest/backtest_page.h"
#include "ui/backtest/money_box.h"
#include "ui/backtest/money_chart.h"
#include "ui/backtest/scheme_compare.h"

namespace torvane::ui {
namespace {

using history::Draw;

class BacktestMoneyTest : public HistoryFixture {
 protected:
  BacktestPage* page() const { return window->backtestPage(); }
  MoneyBox* boxes() const { return page()->moneyBox(); }
  void prepare(int draws) {
    showHistory();
    importDraws(testing::GeneratedHistory(draws, 7));
    window->applyConditions(ReadSchemeFile(TORVANE_TEST_DATA "/schemes/every_panel.json"));
    clickTab(kBacktestTab);
    dialogs.reset();
  }
  void chooseRange(int lastN) {
    page()->rangeBox()->setCurrentIndex(page()->rangeBox()->findData(lastN));
  }
  void setBoxes(const char* price, const char* prize, const char* multiple, const char* holdout) {
    boxes()->priceBox()->setText(QString::fromUtf8(price));
    boxes()->prizeBox()->setText(QString::fromUtf8(prize));
    boxes()->multipleBox()->setText(QString::fromUtf8(multiple));
    boxes()->holdoutBox()->setText(QString::fromUtf8(holdout));
  }
  // The engine's back-test of what the window shows, on the newest lastN of more draws.
  BacktestReport expected(int lastN) const {
    const std::vector<Draw> all = stored();
    return Backtest(window->gatherConditions(), window->baseSet(), std::span(all).last(lastN),
                    &all[all.size() - lastN - 1]);
  }
  static QString Q(const std::string& s) { return QString::fromStdString(s); }
  static QString Cell(QAbstractItemModel* m, int row, int column) {
    return m->data(m->index(row, column)).toString();
  }
};

// A box that is not a positive whole number stops the back-test with a message naming it; the
// shown report stays. Good values are remembered by the next window, and the money they give
// reaches the summary, the chart and the copied report.
TEST_F(BacktestMoneyTest, RefusesWhatIsNotAPositiveWholeNumberAndRemembersTheRest) {
  const struct {
    const char *price, *prize, *multiple;
    const char* names;  // the box the message names, or null when accepted
  } cases[] = {
      {"0", "", "1", "每注价格"},
      {"2.5", "", "1", "每注价格"},
      {"2", "-5", "1", "直选奖金"},
      {"2", "", "abc", "倍数"},
      {"2", "", "99999999999999999999", "倍数"},
      {"2", "", "1", nullptr},  // an empty prize is the stored one
      {"5", "80000", "3", nullptr},
  };
  prepare(40);
  click(QStringLiteral("cmdBacktest"));
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.price) + "/" + c.prize + "/" + c.multiple);
    const BacktestReport* before = page()->report();
    ASSERT_NE(before, nullptr);
    setBoxes(c.price, c.prize, c.multiple, "");
    dialogs.reset();
    click(QStringLiteral("cmdBacktest"));
    if (c.names) {
      ASSERT_EQ(dialogs.calls.size(), 1u);
      EXPECT_TRUE(dialogs.lastText().contains(QString::fromUtf8(c.names)))
          << dialogs.lastText().toStdString();
      EXPECT_EQ(page()->report(), before);
      continue;
    }
    ASSERT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();
    EXPECT_EQ(page()->report()->moneyRules.price, QString::fromUtf8(c.price).toLongLong());
    const MoneyBox next;  // as the next start builds it
    EXPECT_EQ(next.priceBox()->text(), QString::fromUtf8(c.price));
    EXPECT_EQ(next.prizeBox()->text(), QString::fromUtf8(c.prize));
    EXPECT_EQ(next.multipleBox()->text(), QString::fromUtf8(c.multiple));
    const BacktestReport& shown = *page()->report();
    const QString money = Q(MoneyText(shown.moneySummary));
    EXPECT_TRUE(page()->summaryLabel()->text().contains(money));
    EXPECT_EQ(page()->moneyChart()->balanceSeries()->points().back(),
              QPointF(40, static_cast<double>(shown.money.back().balance)));
    page()->copyReport();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(money));
  }
}

TEST_F(BacktestMoneyTest, HeldOutDrawsShowBothPartsAndTheCheckColumns) {
  prepare(100);
  setBoxes("2", "", "1", "20");
  click(QStringLiteral("cmdBacktest"));
  ASSERT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();
  ASSERT_TRUE(page()->report()->heldOut);
  const QString held = page()->heldOutLabel()->text();
  EXPECT_FALSE(page()->heldOutLabel()->isHidden());
  for (const QString& part : {QStringLiteral("选择部分"), QStringLiteral("检验部分")})
    EXPECT_TRUE(held.contains(part));

  // The table is figured on the choosing part, the check part beside it.
  QTableView* view = page()->conditionView();
  EXPECT_FALSE(view->isColumnHidden(ConditionStatsModel::CheckKilled));
  EXPECT_EQ(Cell(page()->conditionModel(), 0, ConditionStatsModel::CheckKilled).toInt(),
            page()->report()->heldOut->check.decision.worth[0].killedWinners);

  // Too many held out: the engine's words, the report stays.
  const BacktestReport* before = page()->report();
  dialogs.reset();
  boxes()->holdoutBox()->setText(QStringLiteral("100"));
  click(QStringLiteral("cmdBacktest"));
  EXPECT_TRUE(dialogs.lastText().contains(Q(HoldoutProblem(100, 100))))
      << dialogs.lastText().toStdString();
  EXPECT_EQ(page()->report(), before);
  // Off again: one part, the check columns gone.
  boxes()->holdoutBox()->setText(QStringLiteral("0"));
  click(QStringLiteral("cmdBacktest"));
  EXPECT_TRUE(page()->heldOutLabel()->isHidden());
  EXPECT_TRUE(view->isColumnHidden(ConditionStatsModel::CheckKilled));
}

// With 按上期 rows over many draws the back-test runs on another thread: the window answers,
// 取消 leaves the last report, and one left to finish is the engine's.
TEST_F(BacktestMoneyTest, LongBacktestRunsAsideAndCancelKeepsTheLastReport) {
  prepare(400);
  Conditions c = window->gatherConditions();
  c.relative = support::EveryRelativeRow();
  window->applyConditions(c);
  chooseRange(30);
  click(QStringLiteral("cmdBacktest"));
  ASSERT_FALSE(page()->busy());  // short: at once
  const BacktestReport* before = page()->report();
  ASSERT_NE(before, nullptr);

  chooseRange(300);
  click(QStringLiteral("cmdBacktest"));
  ASSERT_TRUE(page()->busy());
  EXPECT_FALSE(page()->runButton()->isEnabled());
  click(QStringLiteral("cmdBacktestCancel"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !page()->busy(); }, 60000));
  EXPECT_EQ(page()->report(), before);
  EXPECT_TRUE(page()->runButton()->isEnabled());
  EXPECT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();

  click(QStringLiteral("cmdBacktest"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !page()->busy(); }, 60000));
  ASSERT_NE(page()->report(), before);
  EXPECT_EQ(page()->report()->moneySummary.cost, expected(300).moneySummary.cost);
}

TEST_F(BacktestMoneyTest, ComparisonShowsHolmMoneyAndNothingForAnEmptyResult) {
  prepare(100);
  SchemeCompare* compare = page()->schemeCompare();
  // Every digit killed at 万位: nothing left to buy.
  const QString empty =
      writeFile(QStringLiteral("empty.json"),
                R"({"positional": {"rows": ["0123456789", "", "", "", ""], "range": ["0", "0"]}})");
  const QString notJson = writeFile(QStringLiteral("broken.json"), "{not json \xff");
  dialogs.fileLists.push_back(
      {QStringLiteral(TORVANE_TEST_DATA "/schemes/span_9.json"), empty, notJson});
  EXPECT_EQ(compare->addSchemeFiles(), 2);
  // The engine's own message for the broken file, no parser text.
  try {
    ReadSchemeFile(QFile::encodeName(notJson).toStdString());
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_TRUE(dialogs.lastText().contains(QString::fromUtf8(e.what())));
  }
  EXPECT_FALSE(dialogs.lastText().contains(QStringLiteral("json.exception")));

  dialogs.reset();
  click(QStringLiteral("cmdCompare"));
  ASSERT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();
  SchemeCompareModel* model = compare->model();
  ASSERT_EQ(model->rowCount(), 3);
  const std::vector<double> holm = SchemePHolm(model->schemes());
  EXPECT_EQ(Cell(model, 0, SchemeCompareModel::PHolm), Q(PValueText(holm[0])));
  EXPECT_EQ(Cell(model, 0, SchemeCompareModel::Cost),
            QStringLiteral("%1 元").arg(model->schemes()[0].report.moneySummary.cost));
  // Nothing left to buy: not comparable with random play.
  for (int column : {SchemeCompareModel::PValue, SchemeCompareModel::PHolm})
    EXPECT_EQ(Cell(model, 2, column), QStringLiteral("无"));
  const QString luck = Q(BestSchemeLuckText(model->schemes()));
  EXPECT_EQ(compare->luckLabel()->text(), luck);
  EXPECT_EQ(compare->luckLabel()->isHidden(), luck.isEmpty());
}

TEST_F(BacktestMoneyTest, ToleranceRowInUseStaysYellowAfterAClick) {
  prepare(40);
  click(QStringLiteral("cmdBacktest"));
  QTableView* view = page()->toleranceView();
  const int used = page()->toleranceModel()->rowOf(page()->report()->judged.tolerance);
  const QModelIndex cell = page()->toleranceModel()->index(used, 0);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
  EXPECT_TRUE(view->selectionModel()->selectedIndexes().isEmpty());
  EXPECT_TRUE(cell.data(Qt::BackgroundRole).isValid());
}

}  // namespace
}  // namespace torvane::ui
