// The omission table of a small hand-made history, as the model shows it, and its window
// choice on the page.

#include <QComboBox>

#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/draws/omission_model.h"

namespace torvane::ui {
namespace {

using history::Draw;

// Oldest first. 万位 shows 1 1 9 1 5; 个位 shows 5 1 0 0 5.
std::vector<Draw> HandMade() {
  std::vector<Draw> h;
  for (const char* n : {"12345", "11111", "90000", "12000", "55555"}) {
    Draw d;
    d.period = std::to_string(2024001 + h.size());
    d.digits = *history::DigitsFromText(n);
    h.push_back(d);
  }
  return h;
}

struct OmissionCase {
  const char* name;
  int lastN;
  int position;
  int digit;
  int current, largest, hits;
};
// Test output names the case, not its bytes.
void PrintTo(const OmissionCase& c, std::ostream* os) {
  *os << c.name;
}

class OmissionModelTest : public ::testing::TestWithParam<OmissionCase> {};

TEST_P(OmissionModelTest, ShowsTheFiguresOfTheWindow) {
  const OmissionCase& c = GetParam();
  OmissionModel m;
  const std::vector<Draw> h = HandMade();
  m.compute(h, c.lastN);
  auto figure = [&](OmissionModel::Figure f) {
    return m.data(m.index(OmissionModel::rowFor(c.position, f), c.digit), Qt::DisplayRole).toInt();
  };
  EXPECT_EQ(figure(OmissionModel::Current), c.current);
  EXPECT_EQ(figure(OmissionModel::Largest), c.largest);
  EXPECT_EQ(figure(OmissionModel::Hits), c.hits);
}

INSTANTIATE_TEST_SUITE_P(HandMade, OmissionModelTest,
                         ::testing::Values(OmissionCase{"TenThousandsOneAll", 0, 0, 1, 1, 1, 3},
                                           OmissionCase{"TenThousandsNineAll", 0, 0, 9, 2, 2, 1},
                                           OmissionCase{"TenThousandsFiveNewest", 0, 0, 5, 0, 4, 1},
                                           OmissionCase{"TenThousandsZeroNever", 0, 0, 0, 5, 5, 0},
                                           OmissionCase{"UnitsZeroTwice", 0, 4, 0, 1, 2, 2},
                                           OmissionCase{"UnitsFiveBothEnds", 0, 4, 5, 0, 3, 2},
                                           OmissionCase{"LastThreeOne", 3, 0, 1, 1, 1, 1},
                                           OmissionCase{"LastThreeFiveGapBeforeWindow", 3, 0, 5, 0,
                                                        4, 1},
                                           OmissionCase{"LastThreeUnitsOneGone", 3, 4, 1, 3, 3, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OmissionModelShading, HotAndColdReadBeforeTheNumbers) {
  OmissionModel m;
  const std::vector<Draw> h = HandMade();
  m.compute(h, 0);
  auto shade = [&](OmissionModel::Figure f, int digit) {
    return m.data(m.index(OmissionModel::rowFor(0, f), digit), Qt::BackgroundRole).value<QColor>();
  };
  // Just drawn is hottest, never drawn coldest; most showings is hottest.
  EXPECT_EQ(shade(OmissionModel::Current, 5), HeatColor(1));
  EXPECT_EQ(shade(OmissionModel::Current, 0), HeatColor(0));
  EXPECT_EQ(shade(OmissionModel::Hits, 1), HeatColor(1));
  EXPECT_EQ(shade(OmissionModel::Hits, 0), HeatColor(0));
  EXPECT_GT(HeatColor(1).red(), HeatColor(0).red());
  EXPECT_GT(HeatColor(0).blue(), HeatColor(1).blue());

  const QString drawn =
      m.data(m.index(OmissionModel::rowFor(0, OmissionModel::Current), 5), Qt::ToolTipRole)
          .toString();
  EXPECT_TRUE(drawn.contains(QStringLiteral("最新一期刚开出"))) << drawn.toStdString();
  auto tip = [&](int lastN, int digit) {
    m.compute(h, lastN);
    return m.data(m.index(OmissionModel::rowFor(0, OmissionModel::Hits), digit), Qt::ToolTipRole)
        .toString();
  };
  EXPECT_EQ(tip(0, 0), QStringLiteral("万位 0：全部 5 期中一次也没有开出。"));
  EXPECT_EQ(
      tip(0, 9),
      QStringLiteral("万位 9：已连续 2 期没有开出；全部 5 期中最长连续 2 期没有开出，开出 1 次。"));
  EXPECT_EQ(tip(2, 9),
            QStringLiteral("万位 9：已连续 2 期没有开出；全部 5 期中最长连续 2 期没有开出；"
                           "最近 2 期中开出 0 次。"));
}

TEST(OmissionModelShading, EmptyHistoryShowsNoFigures) {
  OmissionModel m;
  m.compute({}, 30);
  EXPECT_FALSE(m.data(m.index(0, 0), Qt::DisplayRole).isValid());
  EXPECT_FALSE(m.data(m.index(0, 0), Qt::BackgroundRole).isValid());
}

using OmissionPageTest = HistoryFixture;

TEST_F(OmissionPageTest, FollowsTheWindowChoiceAndTheHistory) {
  showHistory();
  importDraws(testing::GeneratedHistory(120));
  QComboBox* choice = page()->omissionWindow();
  OmissionModel* m = page()->omissionModel();
  EXPECT_EQ(m->table().draws, 100);  // 最近 100 期 to begin with
  const int expect[] = {30, 50, 100, 120};
  for (int i = 0; i < choice->count(); ++i) {
    choice->setCurrentIndex(i);
    EXPECT_EQ(m->table().draws, expect[i]) << choice->itemText(i).toStdString();
  }
  // A new draw on top of the history moves the figures.
  page()->numberBox()->setText(QStringLiteral("77777"));
  page()->addDraw();
  EXPECT_EQ(m->table().draws, 121);
  for (int p = 0; p < 5; ++p)
    EXPECT_EQ(m->data(m->index(OmissionModel::rowFor(p, OmissionModel::Current), 7)).toInt(), 0);
}

}  // namespace
}  // namespace torvane::ui
