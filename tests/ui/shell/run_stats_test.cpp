// 条件统计 after a run of the window: the names and counts torvane-cli run --stats gives for
// the same conditions, and the tolerance table that agrees with the run's result count.
#include <QTableWidget>
#include <set>

#include "results/condition_stats_window.h"
#include "results/random_pick_window.h"
#include "run/filter_run.h"
#include "support/main_window_fixture.h"

namespace torvane::ui {
namespace {

using results::ConditionStatsWindow;
using results::RandomPickWindow;

class RunStatsTest : public MainWindowFixture {
 protected:
  // Three conditions, tolerance 0-1.
  void SetThreeConditions() {
    Conditions c;
    c.tolerance = {"0", "1"};
    c.directKill.text = "12345 00000";
    c.positional.marked[0][0] = true;
    c.sumSpan.tails[3] = true;
    window->applyConditions(c);
  }
  ConditionStatsWindow* openStats() {
    click(QStringLiteral("cmdStats"));
    return find<ConditionStatsWindow>(QStringLiteral("frmConditionStats"));
  }
  static QString Cell(QTableWidget* t, int row, int column) {
    return t->item(row, column) ? t->item(row, column)->text() : QString();
  }
};

TEST_F(RunStatsTest, KillsAndTolerancesOfTheRun) {
  SetThreeConditions();
  pressRun(0);
  const RunResult engine = RunFilters(window->baseSet(), window->gatherConditions());
  ASSERT_EQ(engine.stats.size(), 3u);

  ConditionStatsWindow* stats = openStats();
  ASSERT_NE(stats, nullptr);
  QTableWidget* kills = stats->killTable();
  ASSERT_EQ(kills->rowCount(), 3);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(Cell(kills, r, 0), QString::fromStdString(engine.stats[r].name));
    EXPECT_EQ(Cell(kills, r, 1), QString::number(engine.stats[r].killed));
  }
  QTableWidget* tolerance = stats->toleranceTable();
  ASSERT_EQ(tolerance->rowCount(), 4);
  // The run kept tolerance 0-1: the second row's running total.
  EXPECT_EQ(Cell(tolerance, 1, 2), QString::number(resultCount()));
  EXPECT_EQ(Cell(tolerance, 3, 2), QStringLiteral("100000"));
  EXPECT_TRUE(dialogs.calls.empty());
}

// A run that keeps nothing still says which conditions killed everything; the button stays
// on the rows the shortened panel keeps.
TEST_F(RunStatsTest, ARunWithoutSurvivorsStillHasItsStats) {
  window->show();
  Conditions c;
  c.positional.marked[0].fill(true);  // every 万位 digit killed
  window->applyConditions(c);
  pressRun(0);
  ASSERT_EQ(resultCount(), 0);
  QPushButton* button = find<QPushButton>(QStringLiteral("cmdStats"));
  EXPECT_TRUE(button->isVisibleTo(window.get()));
  ConditionStatsWindow* stats = openStats();
  ASSERT_EQ(stats->killTable()->rowCount(), 1);
  EXPECT_EQ(Cell(stats->killTable(), 0, 1), QStringLiteral("100000"));
  EXPECT_EQ(Cell(stats->toleranceTable(), 0, 1), QStringLiteral("0"));
}

// The stats belong to the run; a group conversion changes the results, not what the
// conditions killed. The pick then comes from the group results.
TEST_F(RunStatsTest, GroupConversionKeepsTheStatsAndFeedsThePick) {
  SetThreeConditions();
  pressRun(0);
  ConditionStatsWindow* stats = openStats();
  const QString killed = Cell(stats->killTable(), 2, 1);
  pressRun(1);  // 转为组选
  EXPECT_EQ(Cell(stats->killTable(), 2, 1), killed);

  click(QStringLiteral("cmdRandomPick"));
  auto* pick = find<RandomPickWindow>(QStringLiteral("frmRandomPick"));
  ASSERT_NE(pick, nullptr);
  const DigitTable& groups = window->results();
  std::set<int> keys;
  for (int i = 0; i < groups.count(); ++i) keys.insert(groups.key(i));
  ASSERT_GT(pick->picked().count(), 0);
  for (int i = 0; i < pick->picked().count(); ++i)
    EXPECT_TRUE(keys.count(pick->picked().key(i))) << pick->picked().key(i);
}

}  // namespace
}  // namespace torvane::ui
