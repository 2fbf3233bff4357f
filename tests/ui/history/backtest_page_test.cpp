// The 条件回测 page: conditions set on the panels, a temporary store, and every row compared
// with the engine's Backtest of the same conditions.

#include <QBarSet>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QScrollArea>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <bit>

#include "run/backtest.h"
#include "scheme/scheme_file.h"
#include "support/history_samples.h"
#include "ui/condition_pages.h"
#include "ui/history/backtest_charts.h"
#include "ui/history/backtest_page.h"
#include "ui/history/backtest_summary.h"
#include "ui/history/history_fixture.h"

namespace torvane::ui {
namespace {

using history::Draw;
using testing::GeneratedHistory;

class BacktestPageTest : public HistoryFixture {
 protected:
  BacktestPage* page() const { return window->backtestPage(); }
  // The history in the store, the scheme on the panels, the back-test page in front.
  void prepare(int draws) {
    showHistory();
    importDraws(GeneratedHistory(draws, 7));
    window->applyConditions(ReadSchemeFile(TORVANE_TEST_DATA "/schemes/every_panel.json"));
    clickTab(kBacktestTab);
    dialogs.reset();
  }
  void chooseRange(const QString& caption) {
    QComboBox* range = page()->rangeBox();
    const int i = range->findText(caption);
    ASSERT_GE(i, 0) << caption.toStdString();
    range->setCurrentIndex(i);
  }
  void pressBacktest() { click(QStringLiteral("cmdBacktest")); }
  static QString Cell(QAbstractItemModel* m, int row, int column, int role = Qt::DisplayRole) {
    return m->data(m->index(row, column), role).toString();
  }
};

struct BaseCase {
  const char* name;
  const char* range;
  int lastN;           // draws the range takes
  bool baseFromDraws;  // a base set of every third drawn number plus a few others
};
// Test output names the case, not its bytes.
void PrintTo(const BaseCase& c, std::ostream* os) {
  *os << c.name;
}

class BacktestAgreesTest : public BacktestPageTest,
                           public ::testing::WithParamInterface<BaseCase> {};

TEST_P(BacktestAgreesTest, EveryDrawRowMatchesTheEngine) {
  const BaseCase& c = GetParam();
  prepare(400);
  const std::vector<Draw> all = stored();
  if (c.baseFromDraws) {
    QString base = QStringLiteral("00000 12345 99999");
    for (size_t i = 0; i < all.size(); i += 3)
      base += QLatin1Char(' ') + QString::fromStdString(all[i].NumberText());
    typeBase(base);
    clickTab(kBacktestTab);
  }
  chooseRange(QString::fromUtf8(c.range));
  pressBacktest();
  ASSERT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();
  ASSERT_NE(page()->report(), nullptr);

  const std::vector<Draw> tested(all.end() - c.lastN, all.end());
  const BacktestReport expected = Backtest(window->gatherConditions(), window->baseSet(), tested);
  ASSERT_EQ(expected.tested, c.lastN);
  if (c.baseFromDraws) {
    ASSERT_GT(expected.tested - expected.kept, 0);
  }

  DrawVerdictModel* draws = page()->drawModel();
  ASSERT_EQ(draws->rowCount(), c.lastN);
  int notInBase = 0;
  for (int row = 0; row < c.lastN; ++row) {
    const int i = c.lastN - 1 - row;  // newest first
    const Draw& d = expected.draws[i];
    const DrawVerdict& v = expected.judged.draws[i];
    SCOPED_TRACE(d.period);
    EXPECT_EQ(Cell(draws, row, DrawVerdictModel::Period).toStdString(), d.period);
    EXPECT_EQ(Cell(draws, row, DrawVerdictModel::Date).toStdString(), d.date);
    EXPECT_EQ(Cell(draws, row, DrawVerdictModel::Number).toStdString(), d.NumberText());
    EXPECT_EQ(Cell(draws, row, DrawVerdictModel::Failed).toInt(), v.failed);
    QStringList names;
    for (const std::string& n : KilledNames(expected.judged, v)) names << QString::fromStdString(n);
    EXPECT_EQ(Cell(draws, row, DrawVerdictModel::KilledBy), names.join(QStringLiteral("、")));
    const char* outcome = !v.inBase ? "不在大底" : v.kept ? "保留" : "淘汰";
    EXPECT_EQ(Cell(draws, row, DrawVerdictModel::Outcome), QString::fromUtf8(outcome));
    // Missed draws are red, kept ones are not.
    EXPECT_EQ(draws->data(draws->index(row, 0), Qt::ForegroundRole).isValid(), !v.kept);
    notInBase += v.inBase ? 0 : 1;
  }
  EXPECT_EQ(notInBase > 0, c.baseFromDraws);

  ConditionStatsModel* conditions = page()->conditionModel();
  ASSERT_EQ(conditions->rowCount(), static_cast<int>(expected.conditions.size()));
  for (int r = 0; r < conditions->rowCount(); ++r) {
    const ConditionRecord& e = expected.conditions[r];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::Name).toStdString(), e.name);
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::Killed).toInt(), e.killed);
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::Rate), PercentText(e.killRate));
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::CurrentStreak).toInt(), e.currentStreak);
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::LongestStreak).toInt(), e.longestStreak);
  }

  const QString summary = page()->summaryLabel()->text();
  EXPECT_TRUE(summary.contains(QStringLiteral("回测 %1 期").arg(c.lastN))) << summary.toStdString();
  EXPECT_TRUE(summary.contains(QStringLiteral("保留 %1 期").arg(expected.kept)));
  EXPECT_TRUE(summary.contains(QStringLiteral("剩 %1 注").arg(expected.resultCount)));
  // The result count is the one 开始缩水 shows.
  pressRun(0);
  EXPECT_EQ(resultCount(), expected.resultCount);
}

INSTANTIATE_TEST_SUITE_P(Ranges, BacktestAgreesTest,
                         ::testing::Values(BaseCase{"Last100AllNumbers", "最近 100 期", 100, false},
                                           BaseCase{"Last300BaseSet", "最近 300 期", 300, true},
                                           BaseCase{"WholeHistoryBaseSet", "全部", 400, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BacktestPageTest, EmptyHistorySaysWhereToImportAndComputesNothing) {
  window->show();
  clickTab(kBacktestTab);
  pressBacktest();
  EXPECT_EQ(page()->report(), nullptr);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_TRUE(page()->summaryLabel()->text().contains(QStringLiteral("还没有开奖号码")));
  EXPECT_FALSE(storeExists());
}

TEST_F(BacktestPageTest, RefusedToleranceGetsTheRunMessage) {
  prepare(50);
  tolerance(1)->setText(QStringLiteral("x"));
  pressRun(0);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  const widgets::DialogCall runMessage = dialogs.calls.front();
  dialogs.reset();
  pressBacktest();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.last()->kind, runMessage.kind);
  EXPECT_EQ(dialogs.last()->title, runMessage.title);
  EXPECT_EQ(dialogs.last()->text, runMessage.text);
  EXPECT_EQ(page()->report(), nullptr);
}

// The boxes end as a run leaves them: a minimum above the maximum is lowered to it.
TEST_F(BacktestPageTest, ToleranceBoxesShowWhatTheBacktestRead) {
  prepare(50);
  tolerance(0)->setText(QStringLiteral("3"));
  tolerance(1)->setText(QStringLiteral("01"));
  pressBacktest();
  ASSERT_NE(page()->report(), nullptr);
  EXPECT_EQ(tolerance(0)->text(), QStringLiteral("1"));
  EXPECT_EQ(tolerance(1)->text(), QStringLiteral("1"));
  EXPECT_EQ(page()->report()->judged.tolerance.min, 1);
}

TEST_F(BacktestPageTest, ConditionTableSortsAndMarksTheWorstCondition) {
  prepare(200);
  pressBacktest();
  ConditionStatsModel* model = page()->conditionModel();
  QSortFilterProxyModel* proxy = page()->conditionProxy();
  ASSERT_GT(model->rowCount(), 3);

  int worst = 0;
  for (int r = 1; r < model->rowCount(); ++r)
    if (Cell(model, r, ConditionStatsModel::Killed).toInt() >
        Cell(model, worst, ConditionStatsModel::Killed).toInt())
      worst = r;
  for (int r = 0; r < model->rowCount(); ++r) {
    const bool tied = Cell(model, r, ConditionStatsModel::Killed) ==
                      Cell(model, worst, ConditionStatsModel::Killed);
    EXPECT_EQ(model->data(model->index(r, 0), Qt::FontRole).value<QFont>().bold(), tied) << r;
    EXPECT_EQ(model->data(model->index(r, 0), Qt::ForegroundRole).isValid(), tied) << r;
  }

  // A header click sorts by the number, not by its text ("100" after "99").
  page()->conditionView()->horizontalHeader()->setSortIndicator(ConditionStatsModel::Killed,
                                                                Qt::DescendingOrder);
  for (int r = 1; r < proxy->rowCount(); ++r)
    EXPECT_GE(Cell(proxy, r - 1, ConditionStatsModel::Killed).toInt(),
              Cell(proxy, r, ConditionStatsModel::Killed).toInt());
  EXPECT_EQ(Cell(proxy, 0, ConditionStatsModel::Killed),
            Cell(model, worst, ConditionStatsModel::Killed));
  page()->conditionView()->horizontalHeader()->setSortIndicator(ConditionStatsModel::Name,
                                                                Qt::AscendingOrder);
  for (int r = 0; r < proxy->rowCount(); ++r)
    EXPECT_EQ(Cell(proxy, r, 0), Cell(model, r, 0));  // back in run order
}

TEST_F(BacktestPageTest, SelectingADrawMarksItsConditionsAndTheCharts) {
  prepare(120);
  pressBacktest();
  const BacktestReport& report = *page()->report();
  // The newest draw killed by at least two conditions.
  int row = -1;
  for (int r = 0; r < page()->drawModel()->rowCount() && row < 0; ++r)
    if (std::popcount(report.judged.draws[page()->drawModel()->drawIndex(r)].killedBy) >= 2)
      row = r;
  ASSERT_GE(row, 0);
  const int i = page()->drawModel()->drawIndex(row);
  const uint64_t mask = report.judged.draws[i].killedBy;

  page()->drawView()->selectRow(row);
  ConditionStatsModel* model = page()->conditionModel();
  EXPECT_EQ(model->highlight(), mask);
  for (int c = 0; c < model->rowCount(); ++c)
    EXPECT_EQ(model->data(model->index(c, 0), Qt::BackgroundRole).isValid(), bool(mask >> c & 1));

  BacktestCharts* charts = page()->charts();
  ASSERT_EQ(charts->marker()->count(), 1);
  EXPECT_EQ(charts->marker()->at(0), QPointF(i + 1, report.judged.draws[i].failed));
  for (int c = 0; c < model->rowCount(); ++c) {
    const double rate = report.conditions[c].killRate * 100;
    const bool marked = mask >> c & 1;
    EXPECT_DOUBLE_EQ(charts->highlightSet()->at(c), marked ? rate : 0) << c;
    EXPECT_DOUBLE_EQ(charts->rateSet()->at(c), marked ? 0 : rate) << c;
  }

  // A condition chosen in its table marks its own bar only.
  QSortFilterProxyModel* proxy = page()->conditionProxy();
  page()->conditionView()->sortByColumn(ConditionStatsModel::LongestStreak, Qt::AscendingOrder);
  page()->conditionView()->selectRow(2);
  const int chosen = proxy->mapToSource(proxy->index(2, 0)).row();
  for (int c = 0; c < model->rowCount(); ++c)
    EXPECT_DOUBLE_EQ(charts->highlightSet()->at(c),
                     c == chosen ? report.conditions[c].killRate * 100 : 0)
        << c;
}

TEST_F(BacktestPageTest, CopiesTheReportAsTabSeparatedText) {
  prepare(60);
  chooseRange(QStringLiteral("最近 50 期"));
  pressBacktest();
  click(QStringLiteral("cmdBacktestCopy"));
  EXPECT_EQ(dialogs.last()->kind, QStringLiteral("copyNotice"));
  const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
  const BacktestReport& r = *page()->report();
  const int conditions = static_cast<int>(r.conditions.size());
  // Three summary lines, a blank, the condition table, a blank, the draw table, a final LF.
  ASSERT_EQ(lines.size(), 3 + 1 + 1 + conditions + 1 + 1 + 50 + 1);
  EXPECT_EQ(lines[0] + QLatin1Char('\n') + lines[1], page()->summaryLabel()->text());
  EXPECT_EQ(lines[4], QStringLiteral("条件\t杀中奖号期数\t比例\t当前连续未杀\t最长连续未杀"));
  EXPECT_EQ(lines[5].split(QLatin1Char('\t')).size(), 5);
  EXPECT_TRUE(
      lines[5].startsWith(QString::fromStdString(r.conditions[0].name) + QLatin1Char('\t')));
  const int drawHeader = 5 + conditions + 1;
  EXPECT_EQ(lines[drawHeader], QStringLiteral("期号\t日期\t号码\t错几个条件\t被哪些条件杀\t结果"));
  const QStringList newest = lines[drawHeader + 1].split(QLatin1Char('\t'));
  ASSERT_EQ(newest.size(), 6);
  EXPECT_EQ(newest[0].toStdString(), r.draws.back().period);
  EXPECT_EQ(newest[3].toInt(), r.judged.draws.back().failed);
}

TEST_F(BacktestPageTest, ChangedHistoryMarksTheReportStale) {
  prepare(40);
  pressBacktest();
  EXPECT_FALSE(find<QLabel>(QStringLiteral("lblBacktestExplanation"))
                   ->text()
                   .contains(QStringLiteral("变动")));
  clickTab(kHistoryTab);
  window->historyPage()->numberBox()->setText(QStringLiteral("12345"));
  window->historyPage()->addDraw();
  EXPECT_TRUE(find<QLabel>(QStringLiteral("lblBacktestExplanation"))
                  ->text()
                  .contains(QStringLiteral("变动")));
  EXPECT_EQ(page()->report()->tested, 40);  // the shown figures stay until run again
}

TEST_F(BacktestPageTest, BothPagesFitTheSmallScreenWithoutScrolling) {
  prepare(300);
  pressBacktest();
  // 1366 x 768 less the title bar and borders a window system adds.
  window->resize(1366 - 16, 768 - 48);
  auto* area = find<QScrollArea>(QStringLiteral("pageArea"));
  for (int tab : {kHistoryTab, kBacktestTab}) {
    clickTab(tab);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(1366 - 16, 768 - 48)) << tab;
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << tab;
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << tab;
  }
}

// The per-draw line: one point per draw while it fits, then a bounded number of points that
// still reach every height the draws do.
std::vector<DrawVerdict> Verdicts(int n) {
  std::vector<DrawVerdict> v(n);
  for (int i = 0; i < n; ++i) v[i].failed = i == n / 3 ? 9 : 1 + i % 3;
  v[n / 2].failed = 0;
  return v;
}

TEST(BacktestChartsTest, ShortHistoriesGetOnePointPerDraw) {
  const std::vector<DrawVerdict> v = Verdicts(kMaxChartPoints);
  const QList<QPointF> points = FailedLine(v);
  ASSERT_EQ(points.size(), kMaxChartPoints);
  for (int i = 0; i < kMaxChartPoints; ++i) EXPECT_EQ(points[i], QPointF(i + 1, v[i].failed));
}

TEST(BacktestChartsTest, LongHistoriesAreBoundedAndKeepTheirExtremes) {
  const int n = 3 * kMaxChartPoints + 17;
  const QList<QPointF> points = FailedLine(Verdicts(n));
  EXPECT_LE(points.size(), kMaxChartPoints);
  EXPECT_GT(points.size(), kMaxChartPoints / 2);
  double top = 0, bottom = 100, lastX = 0;
  for (const QPointF& p : points) {
    top = std::max(top, p.y());
    bottom = std::min(bottom, p.y());
    EXPECT_GE(p.x(), lastX);  // still in draw order
    lastX = p.x();
  }
  EXPECT_EQ(top, 9);
  EXPECT_EQ(bottom, 0);
  EXPECT_LE(lastX, n);
}

}  // namespace
}  // namespace torvane::ui
