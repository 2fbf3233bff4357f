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
#include <map>
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
  // torvane-cli stats over the same store: attribute name -> its rows of seven cells.
  std::map<QString, std::vector<QStringList>> cliRows(int last) const {
    std::vector<std::string> args = {"stats", "--db", dbPath.toStdString()};
    if (last) args.insert(args.end(), {"--last", std::to_string(last)});
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCli(args, out, err), 0) << err.str();
    std::map<QString, std::vector<QStringList>> rows;
    for (const QString& line : QString::fromStdString(out.str()).split(QLatin1Char('\n'))) {
      QStringList cells =
          line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
      if (cells.size() != 8 || cells[0] == QStringLiteral("指标")) continue;
      const QString name = cells.takeFirst();
      rows[name].push_back(cells);
    }
    return rows;
  }
};

// One history of 7732 draws; the 大小比 0:5 share is 1/32, so its expected hits land on an
// exact half in each of these windows.
TEST_F(StatsTableTest, CellsReadAsTheCliPrintsThem) {
  struct Case {
    int choice, last;
    const char* halfExpected;  // 大小比 0:5, 期望次数: 1/32 of the window
  };
  const Case cases[] = {{2, 100, "3.13"}, {3, 300, "9.38"}, {4, 0, "241.63"}};
  showStats(7732);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.last);
    stats()->windowChoice()->setCurrentIndex(c.choice);
    const AttributeStatsModel* ratio = stats()->model(Attribute::BigSmall);
    EXPECT_EQ(ratio->index(0, AttributeStatsModel::Expected).data().toString(),
              QString::fromUtf8(c.halfExpected));
    const auto cli = cliRows(c.last);
    for (int a = 0; a < history::kAttributeCount; ++a) {
      const AttributeStatsModel* m = stats()->model(static_cast<Attribute>(a));
      const auto rows = cli.find(QString::fromUtf8(history::AttributeName(m->attribute())));
      ASSERT_NE(rows, cli.end()) << a;
      ASSERT_EQ(static_cast<int>(rows->second.size()), m->rowCount()) << a;
      for (int r = 0; r < m->rowCount(); ++r)
        for (int col = 0; col < AttributeStatsModel::ColumnCount; ++col)
          EXPECT_EQ(m->index(r, col).data().toString(), rows->second[r][col])
              << history::AttributeName(m->attribute()) << " row " << r << " column " << col;
    }
  }
}

enum class Shade { Warm, Pale, Cold };

// Red reads as hot (drawn often, lately), blue as cold (absent long for what is fair).
TEST(StatsOmissionShade, ReadsTheRightWayRound) {
  struct Case {
    const char* name;
    int current, draws;
    double expectedGap;
    Shade shade;
  };
  const Case cases[] = {
      {"NeverDrawnRareValue", 7732, 7732, 99999, Shade::Pale},
      {"NeverDrawnPastThreeMeans", 7732, 7732, 2000, Shade::Cold},
      {"JustDrawn", 0, 7732, 9, Shade::Warm},
      {"AbsentThreeMeans", 27, 7732, 9, Shade::Cold},
      {"AboutTheMean", 9, 7732, 9, Shade::Pale},
      {"RareValueLastDrawnLongAgo", 3816, 7732, 99999, Shade::Pale},
      {"RareValueJustDrawn", 0, 7732, 99999, Shade::Warm},
      {"DrawnLatelySoonerThanTheMean", 3, 7732, 15.67, Shade::Warm},
  };
  for (const Case& c : cases) {
    history::AttributeStats s;
    s.attribute = Attribute::Sum;
    s.values.resize(46);
    s.values[1] = {1.0 / (c.expectedGap + 1), 0, 0, c.current, c.current, c.expectedGap};
    AttributeStatsModel m(Attribute::Sum);
    m.setStats(s, c.draws);
    const QColor color =
        m.index(1, AttributeStatsModel::Current).data(Qt::BackgroundRole).value<QColor>();
    const int warmth = color.red() - color.blue();
    const Shade shade = warmth > 60 ? Shade::Warm : warmth < -60 ? Shade::Cold : Shade::Pale;
    EXPECT_EQ(shade, c.shade) << c.name << " " << color.name().toStdString();
  }
}

// Ctrl+C copies the selected rows of that table, with the header, as a spreadsheet pastes.
TEST_F(StatsTableTest, CtrlCCopiesTheWholeSelection) {
  struct Case {
    Attribute attribute;
    std::vector<int> rows;  // selected; empty: Ctrl+A
    const char* header;
  };
  const Case cases[] = {
      {Attribute::TenThousands, {}, "万位"},
      {Attribute::Sum, {3, 45, 0}, "和值"},
      {Attribute::Shape, {2}, "形态"},
  };
  showStats(400);
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  for (const Case& c : cases) {
    QTableView* view = stats()->view(c.attribute);
    view->setFocus();
    view->clearSelection();
    for (int r : c.rows)
      view->selectionModel()->select(view->model()->index(r, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    std::vector<int> rows = c.rows;
    if (rows.empty()) {
      QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
      for (int r = 0; r < view->model()->rowCount(); ++r) rows.push_back(r);
    }
    std::sort(rows.begin(), rows.end());
    QApplication::clipboard()->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);

    QStringList expected{
        QString::fromUtf8(c.header) +
        QStringLiteral("\t理论概率\t出现次数\t期望次数\t当前遗漏\t最大遗漏\t平均遗漏(理论)")};
    for (int r : rows) {
      QStringList cells;
      for (int col = 0; col < AttributeStatsModel::ColumnCount; ++col)
        cells << view->model()->index(r, col).data().toString();
      expected << cells.join(QLatin1Char('\t'));
    }
    EXPECT_EQ(QApplication::clipboard()->text(), expected.join(QLatin1Char('\n')) + '\n')
        << c.header;
  }
}

// Once the values are conditions, or the conditions are cleared, nothing stays selected.
TEST_F(StatsTableTest, SelectionGoesWithTheConditions) {
  const std::vector<std::pair<const char*, QString>> cases = {
      {"设为杀号条件", QStringLiteral("cmdStatsKill")},
      {"清空所有条件", QStringLiteral("cmdFilter(2)")},
  };
  showStats(120);
  for (const auto& [name, button] : cases) {
    clickTab(kStatsTab);
    for (Attribute a : {Attribute::Units, Attribute::Sum}) {
      QTableView* view = stats()->view(a);
      view->selectionModel()->select(view->model()->index(1, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    ASSERT_EQ(stats()->chosenValues().size(), 2u) << name;
    click(button);
    QApplication::processEvents();
    EXPECT_TRUE(stats()->chosenValues().empty()) << name;
  }
}

}  // namespace
}  // namespace torvane::ui
