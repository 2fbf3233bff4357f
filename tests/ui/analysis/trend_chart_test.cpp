// The 走势图: its omission numbers and statistics for a hand-made history, what the painter
// puts on screen, and the page following the window choice and the history.

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/analysis/trend_page.h"

namespace torvane::ui {
namespace {

using history::Draw;

// Oldest first. 万位 shows 1 1 9 1 5 1; 个位 shows 5 1 0 0 5 9.
std::vector<Draw> TrendHandMade() {
  std::vector<Draw> h;
  for (const char* n : {"12345", "11111", "90000", "12000", "55555", "10009"}) {
    Draw d;
    d.period = std::to_string(2024001 + h.size());
    d.digits = *history::DigitsFromText(n);
    h.push_back(d);
  }
  return h;
}

struct ColumnCase {
  const char* name;
  int lastN;
  int position, digit;
  std::array<int, 4> lastFour;  // omission in the four newest rows
  int hits, meanGap, longest, current;
};
// Test output names the case, not its bytes.
void PrintTo(const ColumnCase& c, std::ostream* os) {
  *os << c.name;
}

class TrendChartTest : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(TrendChartTest, CountsOmissionOverTheWholeHistory) {
  const ColumnCase& c = GetParam();
  const std::vector<Draw> h = TrendHandMade();
  const TrendChart chart = BuildTrendChart(h, c.lastN);
  ASSERT_GE(chart.rows.size(), 4u);
  for (int k = 0; k < 4; ++k)
    EXPECT_EQ(chart.rows[chart.rows.size() - 4 + k].omission[c.position][c.digit], c.lastFour[k])
        << "row " << k;
  EXPECT_EQ(chart.stats[StatHits][c.position][c.digit], c.hits);
  EXPECT_EQ(chart.stats[StatMeanGap][c.position][c.digit], c.meanGap);
  EXPECT_EQ(chart.stats[StatLongest][c.position][c.digit], c.longest);
  EXPECT_EQ(chart.stats[StatCurrent][c.position][c.digit], c.current);
}

INSTANTIATE_TEST_SUITE_P(
    HandMade, TrendChartTest,
    ::testing::Values(
        // Last four draws: the runs before the window go on in its first rows.
        ColumnCase{"OneComesAndGoes", 4, 0, 1, {1, 0, 1, 0}, 2, 1, 1, 0},
        ColumnCase{"NineOnceThenAway", 4, 0, 9, {0, 1, 2, 3}, 1, 2, 3, 3},
        ColumnCase{"ZeroNeverCountsFromTheFirstDraw", 4, 0, 0, {3, 4, 5, 6}, 0, 4, 6, 6},
        ColumnCase{"FiveFirstShowsInTheWindow", 4, 0, 5, {3, 4, 0, 1}, 1, 2, 4, 1},
        ColumnCase{"UnitsFiveCarriedIn", 4, 4, 5, {2, 3, 0, 1}, 1, 2, 3, 1},
        ColumnCase{"WholeHistoryUnitsOne", 0, 4, 1, {1, 2, 3, 4}, 1, 3, 4, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrendChartFigures, RowsCarryTheDrawFigures) {
  const std::vector<Draw> h = TrendHandMade();
  const TrendChart chart = BuildTrendChart(h, 30);
  ASSERT_EQ(chart.rows.size(), 6u);        // a window wider than the history shows all of it
  const TrendRow& r = chart.rows.front();  // 12345
  EXPECT_EQ(r.period, QStringLiteral("2024001"));
  EXPECT_EQ(r.omission[0][1], 0);
  EXPECT_EQ(r.omission[0][2], 1);
  EXPECT_EQ(std::tuple(r.sum, r.span, r.big, r.odd, r.prime),
            std::tuple(std::uint8_t{15}, std::uint8_t{4}, std::uint8_t{1}, std::uint8_t{3},
                       std::uint8_t{4}));
  EXPECT_STREQ(r.shape, "ABCDE");
  EXPECT_TRUE(BuildTrendChart({}, 30).rows.empty());
}

// What the painter shows at a point of the picture.
enum class Probe { Disc, OmissionCell, LineBetweenRows };
struct PaintCase {
  const char* name;
  bool omission, lines;
  Probe probe;
  bool inked;  // the probe finds the position's colour (or, for a cell, any text)
};
void PrintTo(const PaintCase& c, std::ostream* os) {
  *os << c.name;
}

bool Near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
             std::abs(a.blue() - b.blue()) <
         90;
}

class TrendPainterTest : public ::testing::TestWithParam<PaintCase> {};

TEST_P(TrendPainterTest, PaintsWhatTheTogglesAskFor) {
  const PaintCase& c = GetParam();
  const std::vector<Draw> h = TrendHandMade();
  const TrendChart chart = BuildTrendChart(h, 0);
  QImage image(1200, 400, QImage::Format_RGB32);
  QPainter p(&image);
  const TrendGeometry g = TrendGeometry::Fit(p.font(), chart, image.width(), &image);
  PaintTrendChart(p, chart, g, image.size(), 0, 0, {c.omission, c.lines});
  p.end();
  bool inked = false;
  switch (c.probe) {
    case Probe::Disc: {  // 万位 1 in the second row, left of the white digit
      const int radius = (std::min(g.cellWidth, g.rowHeight) - 3) / 2;
      inked = image.pixelColor(TrendCellCentre(g, 0, 0, 1, 0, 1) - QPoint(radius - 3, 0)) ==
              TrendPositionColor(0);
      break;
    }
    case Probe::OmissionCell: {  // 百位 7 in the third row: omission 3
      const QPoint centre = TrendCellCentre(g, 0, 0, 2, 2, 7);
      for (int dx = -g.cellWidth / 2 + 2; dx < g.cellWidth / 2 - 2; ++dx)
        for (int dy = -g.rowHeight / 2 + 2; dy < g.rowHeight / 2 - 2; ++dy)
          inked |= image.pixelColor(centre + QPoint(dx, dy)).lightness() < 200;
      break;
    }
    case Probe::LineBetweenRows: {  // 万位 from 1 (second row) to 9 (third row)
      const QPoint mid =
          (TrendCellCentre(g, 0, 0, 1, 0, 1) + TrendCellCentre(g, 0, 0, 2, 0, 9)) / 2;
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          inked |= Near(image.pixelColor(mid + QPoint(dx, dy)), TrendPositionColor(0));
      break;
    }
  }
  EXPECT_EQ(inked, c.inked);
}

INSTANTIATE_TEST_SUITE_P(
    Toggles, TrendPainterTest,
    ::testing::Values(PaintCase{"DiscAlways", false, false, Probe::Disc, true},
                      PaintCase{"OmissionShown", true, false, Probe::OmissionCell, true},
                      PaintCase{"OmissionHidden", false, false, Probe::OmissionCell, false},
                      PaintCase{"LineShown", false, true, Probe::LineBetweenRows, true},
                      PaintCase{"LineHidden", false, false, Probe::LineBetweenRows, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The statistics rows over a long history: counts of up to five digits never run into their
// neighbours. Between two cells of a statistics row a strip of columns stays free of ink.
struct CountCase {
  const char* name;
  int count;  // in every cell of the four statistics rows
  int width;  // of the picture and the room the chart is fitted to
};
void PrintTo(const CountCase& c, std::ostream* os) {
  *os << c.name;
}

class TrendCountsTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(TrendCountsTest, NeighbouringCountsStayApart) {
  const CountCase& c = GetParam();
  TrendChart chart = BuildTrendChart(TrendHandMade(), 0);
  for (auto& stat : chart.stats)
    for (auto& position : stat) position.fill(c.count);
  QImage image(c.width, 400, QImage::Format_RGB32);
  QPainter p(&image);
  const TrendGeometry g = TrendGeometry::Fit(p.font(), chart, image.width(), &image);
  PaintTrendChart(p, chart, g, image.size(), 0, 0, {true, true});
  p.end();

  // Text is in a position's colour; the grid is grey and the row's ground pale.
  const QColor ground(255, 248, 228);
  auto ink = [&](QColor x) {
    const int spread =
        std::max({x.red(), x.green(), x.blue()}) - std::min({x.red(), x.green(), x.blue()});
    return spread > 8 && !Near(x, ground);
  };
  const int footer = g.headerHeight() + g.visibleRows(image.height()) * g.rowHeight;
  int checked = 0;
  for (int s = 0; s < StatCount; ++s)
    for (int cellIndex = 1; cellIndex < 50; ++cellIndex) {
      const int edge = g.cellLeft(0, cellIndex);
      if (edge + 2 >= image.width()) break;
      ++checked;
      for (int x = edge - 1; x <= edge + 1; ++x)
        for (int y = footer + s * g.rowHeight + 2; y < footer + (s + 1) * g.rowHeight - 2; ++y)
          ASSERT_FALSE(ink(image.pixelColor(x, y)))
              << "row " << s << " cell " << cellIndex << " at " << x << "," << y;
    }
  EXPECT_GT(checked, 40);
}

INSTANTIATE_TEST_SUITE_P(Counts, TrendCountsTest,
                         ::testing::Values(CountCase{"TwoDigits", 99, 1366},
                                           CountCase{"ThreeDigits", 773, 1366},
                                           CountCase{"FourDigits", 7732, 1366},
                                           CountCase{"FiveDigits", 99999, 1366},
                                           CountCase{"FourDigitsNarrow", 7732, 900}),
                         [](const auto& info) { return std::string(info.param.name); });

class TrendPageTest : public HistoryFixture {
 protected:
  TrendPage* trend() const { return window->findChild<TrendPage*>(); }
  void showTrend() {
    window->show();
    clickTab(kTrendTab);
  }
};

TEST_F(TrendPageTest, FollowsTheWindowChoiceAndTheHistory) {
  showTrend();
  ASSERT_NE(trend(), nullptr);
  EXPECT_TRUE(trend()->noticeLabel()->isVisible());  // empty history says so
  showHistory();
  importDraws(testing::GeneratedHistory(120));
  showTrend();
  EXPECT_FALSE(trend()->noticeLabel()->isVisible());
  TrendView* view = trend()->view();
  const int expect[] = {30, 50, 100, 120, 120};
  QComboBox* choice = trend()->windowBox();
  ASSERT_EQ(choice->count(), 5);
  for (int i = 0; i < choice->count(); ++i) {
    choice->setCurrentIndex(i);
    EXPECT_EQ(static_cast<int>(view->chart().rows.size()), expect[i])
        << choice->itemText(i).toStdString();
    // The newest draw is on screen, at the bottom.
    const int visible = view->chartGeometry().visibleRows(view->viewport()->height());
    EXPECT_EQ(view->firstRow(), std::max(0, expect[i] - visible));
  }
  page()->numberBox()->setText(QStringLiteral("77777"));
  page()->addDraw();
  EXPECT_EQ(view->chart().historySize, 121);
  EXPECT_EQ(view->chart().rows.back().omission[0][7], 0);
}

}  // namespace
}  // namespace torvane::ui
