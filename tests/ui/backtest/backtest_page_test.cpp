// The 条件回测 page: conditions set on the panels, a temporary store, and every row compared
// with the engine's Backtest of the same conditions.

#include <QAbstractSeries>
#include <QAreaSeries>
#include <QBarSet>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineSeries>
#include <QListWidget>
#include <QScatterSeries>
#include <QScrollArea>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>
#include <bit>

#include "run/backtest.h"
#include "run/backtest_report.h"
#include "run/filter_run.h"
#include "scheme/scheme_file.h"
#include "support/every_panel_set.h"
#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/backtest/backtest_charts.h"
#include "ui/backtest/backtest_page.h"
#include "ui/backtest/backtest_summary.h"
#include "ui/backtest/scheme_compare.h"
#include "ui/panels/condition_pages.h"

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

// A share as the page writes it: two decimals and a percent sign.
QString Percent(double ratio) {
  return QString::asprintf("%.2f%%", ratio * 100);
}

// The p-value as the summary writes it: two decimals, three below 0.01, "p < 0.001" below that.
QString PValue(double p) {
  if (p < 0.001) return QStringLiteral("p < 0.001");
  return QStringLiteral("p = ") + QString::number(p, 'f', p < 0.01 ? 3 : 2);
}

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
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::Rate), Percent(e.killRate));
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::CurrentStreak).toInt(), e.currentStreak);
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::LongestStreak).toInt(), e.longestStreak);
    const ConditionWorth& w = expected.decision.worth[r];
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::KillShare), Percent(w.killShare));
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::ResultsWithout).toInt(), w.resultsWithout);
    EXPECT_EQ(Cell(conditions, r, ConditionStatsModel::KeptWithout).toInt(), w.keptWithout);
  }

  const QString summary = page()->summaryLabel()->text();
  EXPECT_TRUE(summary.contains(QStringLiteral("回测 %1 期").arg(c.lastN))) << summary.toStdString();
  EXPECT_TRUE(summary.contains(QStringLiteral("保留 %1 期").arg(expected.kept)));
  EXPECT_TRUE(summary.contains(QStringLiteral("剩 %1 注").arg(expected.resultCount)));
  EXPECT_TRUE(summary.contains(QStringLiteral("当前连中 %1 期，最长连错 %2 期")
                                   .arg(expected.currentKeptStreak)
                                   .arg(expected.longestMissedStreak)));
  EXPECT_TRUE(summary.contains(QStringLiteral("95% 区间 %1 至 %2")
                                   .arg(Percent(expected.decision.confidence.low),
                                        Percent(expected.decision.confidence.high))));
  // One of the three verdicts, with the p-value of the engine's report.
  const double p = expected.decision.confidence.pValue;
  const char* verdict = p >= 0.05 ? "与随机选同样多的号码相比，没有显著差别"
                        : expected.hitRate > expected.share ? "命中率高于随机选同样多的号码"
                                                            : "命中率低于随机选同样多的号码";
  EXPECT_TRUE(
      summary.contains(QStringLiteral("%1（%2）").arg(QString::fromUtf8(verdict), PValue(p))))
      << summary.toStdString();
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
    EXPECT_DOUBLE_EQ(charts->markedBar(c), marked ? rate : 0) << c;
    EXPECT_DOUBLE_EQ(charts->rateBar(c), marked ? 0 : rate) << c;
  }

  // A condition chosen in its table marks its own bar only.
  QSortFilterProxyModel* proxy = page()->conditionProxy();
  page()->conditionView()->sortByColumn(ConditionStatsModel::LongestStreak, Qt::AscendingOrder);
  page()->conditionView()->selectRow(2);
  const int chosen = proxy->mapToSource(proxy->index(2, 0)).row();
  for (int c = 0; c < model->rowCount(); ++c)
    EXPECT_DOUBLE_EQ(charts->markedBar(c), c == chosen ? report.conditions[c].killRate * 100 : 0)
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
  // Eight summary lines (six figures with the money, two notes), a blank, the condition
  // table, a blank, the draw table, a final LF.
  ASSERT_EQ(lines.size(), 8 + 1 + 1 + conditions + 1 + 1 + 50 + 1);
  EXPECT_EQ(lines.mid(0, 6).join(QLatin1Char('\n')), page()->summaryLabel()->text());
  EXPECT_EQ(lines[9],
            QStringLiteral("条件\t杀中期数\t误杀率\t当前未杀\t最长未杀\t杀号率\t误杀÷杀号\t"
                           "p值\tHolm校正p\t去掉后注数\t去掉后保留"));
  EXPECT_EQ(lines[10].split(QLatin1Char('\t')).size(), 11);
  EXPECT_TRUE(
      lines[10].startsWith(QString::fromStdString(r.conditions[0].name) + QLatin1Char('\t')));
  const int drawHeader = 10 + conditions + 1;
  EXPECT_EQ(lines[drawHeader], QStringLiteral("期号\t日期\t号码\t错几个条件\t被哪些条件杀\t结果"));
  const QStringList newest = lines[drawHeader + 1].split(QLatin1Char('\t'));
  ASSERT_EQ(newest.size(), 6);
  EXPECT_EQ(newest[0].toStdString(), r.draws.back().period);
  EXPECT_EQ(newest[3].toInt(), r.judged.draws.back().failed);
}

// What happens after a back-test, and whether the report then says it is out of date.
enum class Change { AddDraw, TypeTolerance, RewriteToleranceSameValue, ClearAll, OtherTab };
struct StaleCase {
  const char* name;
  Change change;
  const char* says;  // what changed, or null when the report still holds
};
void PrintTo(const StaleCase& c, std::ostream* os) {
  *os << c.name;
}
class BacktestStaleTest : public BacktestPageTest,
                          public ::testing::WithParamInterface<StaleCase> {};

TEST_P(BacktestStaleTest, ReportSaysWhenItNoLongerHolds) {
  const StaleCase& c = GetParam();
  prepare(40);
  tolerance(1)->setText(QStringLiteral("3"));
  pressBacktest();
  click(QStringLiteral("cmdCompare"));
  QApplication::processEvents();
  EXPECT_TRUE(page()->staleLabel()->isHidden());
  QLabel* compareStale = page()->schemeCompare()->staleLabel();
  EXPECT_TRUE(compareStale->isHidden());
  switch (c.change) {
    case Change::AddDraw:
      clickTab(kHistoryTab);
      window->historyPage()->numberBox()->setText(QStringLiteral("12345"));
      window->historyPage()->addDraw();
      break;
    case Change::TypeTolerance:
      tolerance(1)->setText(QStringLiteral("4"));
      break;
    case Change::RewriteToleranceSameValue:
      tolerance(1)->setText(QStringLiteral("03"));
      break;
    case Change::ClearAll:
      pressRun(2);
      break;
    case Change::OtherTab:
      clickTab(kHistoryTab);
      clickTab(kBacktestTab);
      break;
  }
  QApplication::processEvents();
  EXPECT_EQ(page()->staleLabel()->isHidden(), c.says == nullptr);
  if (c.says) {
    EXPECT_TRUE(page()->staleLabel()->text().contains(QString::fromUtf8(c.says)))
        << page()->staleLabel()->text().toStdString();
  }
  EXPECT_EQ(page()->report()->tested, 40);  // the shown figures stay until run again
  pressBacktest();
  QApplication::processEvents();
  EXPECT_TRUE(page()->staleLabel()->isHidden());
  // 方案对比 is not made again with the back-test: it keeps saying it is out of date.
  EXPECT_EQ(compareStale->isHidden(), c.says == nullptr);
  click(QStringLiteral("cmdCompare"));
  EXPECT_TRUE(compareStale->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BacktestStaleTest,
    ::testing::Values(StaleCase{"DrawAdded", Change::AddDraw, "开奖历史"},
                      StaleCase{"ToleranceTyped", Change::TypeTolerance, "条件"},
                      StaleCase{"SameToleranceRewritten", Change::RewriteToleranceSameValue,
                                nullptr},
                      StaleCase{"ClearAll", Change::ClearAll, "条件"},
                      StaleCase{"OnlyLookedElsewhere", Change::OtherTab, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BacktestPageTest, PagesFitTheSmallScreenWithoutScrolling) {
  prepare(300);
  pressBacktest();
  // 1366 x 768 less the title bar and borders a window system adds.
  window->resize(1366 - 16, 768 - 48);
  auto* area = find<QScrollArea>(QStringLiteral("pageArea"));
  for (int tab : {1, kRelativeTab, kHistoryTab, kTrendTab, kStatsTab, kBacktestTab}) {
    clickTab(tab);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(1366 - 16, 768 - 48)) << tab;
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << tab;
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << tab;
  }
}

// Over many draws the time chart shows the hit rate per block; a zoom to a short range shows
// every draw of it, and the whole range again the blocks.
TEST_F(BacktestPageTest, LongRangesShowBlocksAndAZoomShowsEveryDraw) {
  prepare(400);
  BacktestCharts* charts = page()->charts();
  // Before any back-test: a title that says what comes, no axes and no band.
  EXPECT_FALSE(charts->drawAxis()->isVisible());
  EXPECT_FALSE(charts->toleranceBand()->isVisible());
  EXPECT_FALSE(charts->failedSeries()->isVisible());

  chooseRange(QStringLiteral("全部"));
  pressBacktest();
  const std::vector<DrawVerdict>& v = page()->report()->judged.draws;
  EXPECT_FALSE(charts->showsEveryDraw());
  ASSERT_EQ(charts->blockSeries()->count(), (400 + kBlockDraws - 1) / kBlockDraws);
  int kept = 0;
  for (int i = 0; i < kBlockDraws; ++i) kept += v[i].kept ? 1 : 0;
  EXPECT_DOUBLE_EQ(charts->blockSeries()->at(0).y(), 100.0 * kept / kBlockDraws);
  // The last block holds the ten draws 391-400.
  const auto keptAt = [](const DrawVerdict& d) { return d.kept; };
  EXPECT_EQ(charts->blockSeries()->at(13),
            QPointF(395.5, 100.0 * std::count_if(v.begin() + 390, v.end(), keptAt) / 10));

  charts->drawAxis()->setRange(101, 200);  // as a dragged band does
  EXPECT_TRUE(charts->showsEveryDraw());
  ASSERT_EQ(charts->failedSeries()->count(), 100);
  EXPECT_EQ(charts->failedSeries()->at(0), QPointF(101, v[100].failed));
  EXPECT_TRUE(charts->toleranceBand()->isVisible());
  // Enter on a draw of the table shows the draws around it.
  page()->drawView()->setCurrentIndex(page()->drawProxy()->index(0, 0));
  QTest::keyClick(page()->drawView(), Qt::Key_Return);
  EXPECT_TRUE(charts->showsEveryDraw());
  EXPECT_EQ(charts->drawAxis()->max(), 400);
  charts->drawAxis()->setRange(-300, 900);  // zoomed out past both ends
  EXPECT_FALSE(charts->showsEveryDraw());
  EXPECT_EQ(charts->drawAxis()->min(), 1);
  EXPECT_EQ(charts->drawAxis()->max(), 400);
}

TEST_F(BacktestPageTest, BarChartNamesFollowTheConditions) {
  prepare(30);
  pressBacktest();
  const BacktestReport& r = *page()->report();
  QStringList names;
  for (const ConditionRecord& c : r.conditions) names << QString::fromStdString(c.name);
  EXPECT_EQ(page()->charts()->conditionLabels(), names);
  pressRun(2);  // 清空所有条件
  pressBacktest();
  EXPECT_TRUE(page()->charts()->conditionLabels().isEmpty());
}

TEST_F(BacktestPageTest, DrawTableFiltersAndSorts) {
  prepare(200);
  pressBacktest();
  const BacktestReport& r = *page()->report();
  DrawFilterModel* proxy = page()->drawProxy();
  page()->drawFilterBox()->setCurrentIndex(DrawFilterModel::NotKept);
  ASSERT_EQ(proxy->rowCount(), r.tested - r.kept);
  for (int row = 0; row < proxy->rowCount(); ++row)
    EXPECT_FALSE(r.judged.draws[proxy->drawIndex(row)].kept) << row;
  // Selecting a filtered row marks that very draw.
  page()->drawView()->selectRow(1);
  EXPECT_EQ(page()->conditionModel()->highlight(), r.judged.draws[proxy->drawIndex(1)].killedBy);

  page()->drawFilterBox()->setCurrentIndex(DrawFilterModel::All);
  page()->drawView()->sortByColumn(DrawVerdictModel::Failed, Qt::DescendingOrder);
  ASSERT_EQ(proxy->rowCount(), r.tested);
  for (int row = 1; row < proxy->rowCount(); ++row)
    EXPECT_GE(r.judged.draws[proxy->drawIndex(row - 1)].failed,
              r.judged.draws[proxy->drawIndex(row)].failed);
}

// A row of the tolerance table goes into the boxes and back-tests with it; Enter does the same.
TEST_F(BacktestPageTest, ToleranceTableRowIsAppliedToTheBoxes) {
  prepare(100);
  pressBacktest();
  const BacktestReport r = *page()->report();  // a copy: the back-test below replaces it
  ToleranceTableModel* model = page()->toleranceModel();
  // Each row against one run and one judging of its own: the run's numbers per kill count
  // give every tolerance's result count, the draws' kill counts every tolerance's kept draws.
  const Conditions shown = window->gatherConditions();
  const RunResult run = RunFilters(window->baseSet(), shown);
  const std::vector<Draw> all = stored();
  const DrawVerdicts judged =
      JudgeDraws(shown, window->baseSet(), std::vector<Draw>(all.end() - 100, all.end()));
  const int top = std::min<int>(run.stats.size(), 9);
  ASSERT_EQ(model->rowCount(), (top + 1) * (top + 2) / 2);
  for (int row = 0; row < model->rowCount(); ++row) {
    const int min = Cell(model, row, ToleranceTableModel::Min).toInt();
    const int max = Cell(model, row, ToleranceTableModel::Max).toInt();
    int results = 0, kept = 0;
    for (int j = min; j <= max; ++j) results += run.killSumCounts[j];
    for (const DrawVerdict& v : judged.draws)
      kept += v.inBase && v.failed >= min && v.failed <= max;
    SCOPED_TRACE(std::to_string(min) + "-" + std::to_string(max));
    EXPECT_EQ(Cell(model, row, ToleranceTableModel::Results).toInt(), results);
    EXPECT_EQ(Cell(model, row, ToleranceTableModel::Kept).toInt(), kept);
  }
  const int row = model->rowOf({2, 5});
  ASSERT_GE(row, 0);
  QTableView* view = page()->toleranceView();
  page()->parts()->setCurrentIndex(1);
  view->setCurrentIndex(model->index(row, 0));
  QTest::keyClick(view, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(tolerance(0)->text(), QStringLiteral("2"));
  EXPECT_EQ(tolerance(1)->text(), QStringLiteral("5"));
  ASSERT_EQ(page()->report()->judged.tolerance.min, 2);
  EXPECT_EQ(page()->report()->kept, r.decision.toleranceTable[row].kept);
  EXPECT_TRUE(page()->toleranceNote()->text().contains(QStringLiteral("已把容错级别设为 2-5")));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(BacktestPageTest, ComparesSchemesOnTheSameDraws) {
  prepare(100);
  SchemeCompare* compare = page()->schemeCompare();
  const QString good = QStringLiteral(TORVANE_TEST_DATA "/schemes/kill_digit_5.json");
  QStringList files;
  for (const char* file : {"kill_digit_5.json", "bad_key.json", "span_9.json"})
    files << QStringLiteral(TORVANE_TEST_DATA "/schemes/") + QString::fromUtf8(file);
  dialogs.fileLists.push_back(files);  // several in one trip through the dialog
  EXPECT_EQ(compare->addSchemeFiles(), 2);
  // The bad file is named and left out; the others are listed after 当前条件.
  ASSERT_EQ(dialogs.calls.size(), 2u);
  const widgets::DialogCall& refused = dialogs.calls[1];
  EXPECT_EQ(refused.kind, QStringLiteral("warning"));
  EXPECT_TRUE(refused.text.contains(QStringLiteral("bad_key.json"))) << refused.text.toStdString();
  ASSERT_EQ(compare->schemeList()->count(), 3);
  dialogs.reset();

  click(QStringLiteral("cmdCompare"));
  ASSERT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();
  const std::vector<Draw> all = stored();
  const std::vector<Draw> tested(all.end() - 100, all.end());
  SchemeCompareModel* model = compare->model();
  ASSERT_EQ(model->rowCount(), 3);
  const Conditions schemes[] = {window->gatherConditions(), ReadSchemeFile(good.toStdString()),
                                ReadSchemeFile(TORVANE_TEST_DATA "/schemes/span_9.json")};
  for (int row = 0; row < 3; ++row) {
    const BacktestReport e = Backtest(schemes[row], window->baseSet(), tested);
    SCOPED_TRACE(row);
    EXPECT_EQ(Cell(model, row, SchemeCompareModel::Results).toInt(), e.resultCount);
    EXPECT_EQ(Cell(model, row, SchemeCompareModel::Kept).toInt(), e.kept);
    EXPECT_EQ(Cell(model, row, SchemeCompareModel::Tested).toInt(), 100);
    // The chart's solid line ends at the kept count, its dashed one at share × draws.
    const QList<QAbstractSeries*> series = compare->chart()->chart()->series();
    ASSERT_EQ(series.size(), 6);
    const auto* kept = qobject_cast<QLineSeries*>(series[2 * row]);
    const auto* random = qobject_cast<QLineSeries*>(series[2 * row + 1]);
    ASSERT_TRUE(kept && random);
    EXPECT_EQ(kept->points().back(), QPointF(100, e.kept));
    EXPECT_DOUBLE_EQ(random->points().back().y(), e.share * 100);
  }
  EXPECT_EQ(Cell(model, 0, SchemeCompareModel::Scheme), QStringLiteral("当前条件"));
  EXPECT_EQ(Cell(model, 2, SchemeCompareModel::Scheme), QStringLiteral("span_9.json"));
}

// Every header and figure of the condition table shows whole at 1366 x 768, however many
// conditions: a narrow side scrolls instead of cutting a column with "…".
TEST_F(BacktestPageTest, ConditionColumnsAreNeverCut) {
  prepare(100);
  window->applyConditions(support::EveryPanelSet());
  window->resize(1366 - 16, 768 - 48);
  pressBacktest();
  QApplication::processEvents();
  QTableView* view = page()->conditionView();
  ASSERT_GE(page()->conditionModel()->rowCount(), 23);
  for (int c = 0; c < ConditionStatsModel::Count; ++c) {
    if (view->isColumnHidden(c)) continue;  // the check part's, with draws held out only
    const int width = view->horizontalHeader()->sectionSize(c);
    EXPECT_GE(width, view->horizontalHeader()->sectionSizeHint(c)) << c;
    for (int r = 0; r < view->model()->rowCount(); ++r)
      EXPECT_GE(width, view->sizeHintForIndex(view->model()->index(r, c)).width()) << c << r;
  }
}

TEST_F(BacktestPageTest, CompareListKeepsTheCurrentConditions) {
  prepare(30);
  SchemeCompare* compare = page()->schemeCompare();
  EXPECT_EQ(compare->addSchemeFiles(), 0);  // cancelled: nothing added, no message
  dialogs.fileLists.push_back({QStringLiteral(TORVANE_TEST_DATA "/schemes/span_9.json")});
  ASSERT_EQ(compare->addSchemeFiles(), 1);
  compare->schemeList()->setCurrentRow(0);
  compare->removeSelected();
  ASSERT_EQ(compare->schemeList()->count(), 2);
  compare->removeSelected();  // still on 当前条件
  compare->schemeList()->setCurrentRow(1);
  compare->removeSelected();
  ASSERT_EQ(compare->schemeList()->count(), 1);
  EXPECT_EQ(compare->schemeList()->item(0)->text(), QStringLiteral("当前条件"));
  EXPECT_EQ(dialogs.calls.size(), 2u);  // the two open-file dialogs
}

// The chart lines as pure functions of the verdicts: kept draws per block, and kept so far.
struct LineCase {
  const char* name;
  int draws;
  int keptEvery;  // draw i is kept when i % keptEvery == 0
  int blocks;     // points of BlockHitRates
  double lastBlockRate;
  int maxKeptPoints;  // KeptSoFar stays under this
};
void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name;
}
class ChartLinesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ChartLinesTest, BlocksAndKeptSoFar) {
  const LineCase& c = GetParam();
  std::vector<DrawVerdict> v(c.draws);
  int kept = 0;
  for (int i = 0; i < c.draws; ++i) kept += (v[i].kept = i % c.keptEvery == 0) ? 1 : 0;
  const QList<QPointF> blocks = BlockHitRates(v);
  ASSERT_EQ(blocks.size(), c.blocks);
  if (c.blocks > 0) {
    EXPECT_DOUBLE_EQ(blocks.back().y(), c.lastBlockRate);
  }
  const QList<QPointF> soFar = KeptSoFar(v);
  EXPECT_LE(soFar.size(), c.maxKeptPoints);
  EXPECT_EQ(soFar.back(), QPointF(c.draws, kept));
  for (int i = 1; i < soFar.size(); ++i) {
    EXPECT_GT(soFar[i].x(), soFar[i - 1].x());
    EXPECT_GE(soFar[i].y(), soFar[i - 1].y());
    // A point skips no kept draw: its count is that of its own draw.
    const int x = static_cast<int>(soFar[i].x());
    EXPECT_EQ(soFar[i].y(), (x - 1) / c.keptEvery + 1) << x;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ChartLinesTest,
    ::testing::Values(LineCase{"NoDraws", 0, 1, 0, 0, 1},
                      LineCase{"LessThanABlock", 12, 3, 1, 100.0 * 4 / 12, 13},
                      LineCase{"WholeBlocks", 90, 10, 3, 100.0 * 3 / 30, 91},
                      LineCase{"ShortLastBlock", 100, 5, 4, 100.0 * 2 / 10, 101},
                      LineCase{"TwentyYears", 7300, 7, 244, 100.0 * 1 / 10, 1002}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace torvane::ui
