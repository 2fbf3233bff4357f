// The 指标统计 tables as a player reads and copies them: the figures as torvane-cli prints
// them, the 当前遗漏 shading the right way round, Ctrl+C of a whole selection, and a selection
// that does not outlive the conditions it was for.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <sstream>

#include "cli/cli.h"
#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/analysis/stats_model.h"
#include "ui/analysis/stats_page.h"

namespace torvane::ui {
namespace {

using history::Attribute;

class StatsTableTest : public HistoryFixture {
 protected:
  StatsPage* stats() const { return window->findChild<StatsPage*>(); }
  void showStats(int draws) {
    showHistory();
    importDraws(testing::GeneratedHistory(draws));
    clickTab(kStatsTab);
  }
};

// Every cell of every table, over the last 300 draws, reads as torvane-cli stats prints it.
TEST_F(StatsTableTest, CellsReadAsTheCliPrintsThem) {
  showStats(400);
  stats()->windowChoice()->setCurrentIndex(3);
  std::ostringstream out, err;
  ASSERT_EQ(cli::RunCli({"stats", "--db", dbPath.toStdString(), "--last", "300"}, out, err), 0);
  QStringList cli;  // "name cell…", one per value row, in print order
  for (const QString& line : QString::fromStdString(out.str()).split(QLatin1Char('\n'))) {
    const QStringList cells =
        line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (cells.size() == 8 && cells[0] != QStringLiteral("指标")) cli << cells.join(' ');
  }
  QStringList shown;
  for (int a = 0; a < history::kAttributeCount; ++a) {
    const AttributeStatsModel* m = stats()->model(static_cast<Attribute>(a));
    for (int r = 0; r < m->rowCount(); ++r) {
      QStringList cells{QString::fromUtf8(history::AttributeName(m->attribute()))};
      for (int col = 0; col < AttributeStatsModel::ColumnCount; ++col)
        cells << m->index(r, col).data().toString();
      shown << cells.join(' ');
    }
  }
  EXPECT_EQ(shown, cli);
}

// Red reads as hot (drawn often, lately), blue as cold (absent long for what is fair).
TEST(StatsOmissionShade, ReadsTheRightWayRound) {
  enum Shade { Warm, Pale, Cold };
  const struct {
    const char* name;
    int current;
    double expectedGap;
    Shade shade;
  } cases[] = {
      {"NeverDrawnRareValue", 7732, 99999, Pale},
      {"NeverDrawnPastThreeMeans", 7732, 2000, Cold},
      {"JustDrawn", 0, 9, Warm},
      {"AbsentThreeMeans", 27, 9, Cold},
      {"AboutTheMean", 9, 9, Pale},
      {"RareValueJustDrawn", 0, 99999, Warm},
      {"DrawnLatelySoonerThanTheMean", 3, 15.67, Warm},
  };
  for (const auto& c : cases) {
    history::AttributeStats s;
    s.attribute = Attribute::Sum;
    s.values.resize(46);
    s.values[1] = {1.0 / (c.expectedGap + 1), 0, 0, c.current, c.current, c.expectedGap};
    AttributeStatsModel m(Attribute::Sum);
    m.setStats(s, 7732);
    const QColor color =
        m.index(1, AttributeStatsModel::Current).data(Qt::BackgroundRole).value<QColor>();
    const int warmth = color.red() - color.blue();
    EXPECT_EQ(warmth > 60 ? Warm : warmth < -60 ? Cold : Pale, c.shade) << c.name;
  }
}

// Ctrl+C copies the selected rows of that table in table order, with the header, as a
// spreadsheet pastes.
TEST_F(StatsTableTest, CtrlCCopiesTheWholeSelection) {
  showStats(400);
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTableView* view = stats()->view(Attribute::Sum);
  view->setFocus();
  for (int r : {3, 45, 0})
    view->selectionModel()->select(view->model()->index(r, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
  QStringList expected{
      QStringLiteral("和值\t理论概率\t出现次数\t期望次数\t当前遗漏\t最大遗漏\t平均遗漏(理论)")};
  for (int r : {0, 3, 45}) {
    QStringList cells;
    for (int col = 0; col < AttributeStatsModel::ColumnCount; ++col)
      cells << view->model()->index(r, col).data().toString();
    expected << cells.join(QLatin1Char('\t'));
  }
  EXPECT_EQ(QApplication::clipboard()->text(), expected.join(QLatin1Char('\n')) + '\n');
}

// Once the values are conditions, or the conditions are cleared, nothing stays selected.
TEST_F(StatsTableTest, SelectionGoesWithTheConditions) {
  showStats(120);
  for (const char* button : {"cmdStatsKill", "cmdFilter(2)"}) {
    clickTab(kStatsTab);
    for (Attribute a : {Attribute::Units, Attribute::Sum}) {
      QTableView* view = stats()->view(a);
      view->selectionModel()->select(view->model()->index(1, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    ASSERT_EQ(stats()->chosenValues().size(), 2u) << button;
    click(QString::fromLatin1(button));
    QApplication::processEvents();
    EXPECT_TRUE(stats()->chosenValues().empty()) << button;
  }
}

}  // namespace
}  // namespace torvane::ui
