// Shape and sum panels driven by clicks and typing; counts over all 100000 numbers.
#include <QCheckBox>
#include <QImage>
#include <QInputMethodEvent>
#include <functional>

#include "support/panels_fixture.h"
#include "ui/panels/shape_patterns_panel.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::HintedTextEdit;

namespace {

struct FullSetCase {
  const char* name;
  std::function<void(PanelsTest&)> set;
  int survivors;
};

void PrintTo(const FullSetCase& c, std::ostream* os) {
  *os << c.name;
}

class PanelsFullSet : public PanelsTest, public ::testing::WithParamInterface<FullSetCase> {};

TEST_P(PanelsFullSet, LeavesExactlyThisMany) {
  GetParam().set(*this);
  EXPECT_EQ(run().results.count(), GetParam().survivors);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelsFullSet,
    ::testing::Values(
        FullSetCase{"BigSmallThreeTwo", [](PanelsTest& t) { t.click("cmdBi(3)"); }, 31250},
        FullSetCase{"SmallestThreeLargestSix",
                    [](PanelsTest& t) {
                      t.type("txt_dx(0)", "3");
                      t.type("txt_dx(1)", "6");
                    },
                    570},
        FullSetCase{"RouteZeros", [](PanelsTest& t) { t.click("chk012(0)"); }, 98976},
        FullSetCase{"RunOfFive", [](PanelsTest& t) { t.click("chkEx(7)"); }, 98800},
        FullSetCase{"SumTailThree", [](PanelsTest& t) { t.click("chkHKD(3)"); }, 90000},
        FullSetCase{"ShapeKindAll", [](PanelsTest& t) { t.click("cmdDX(0)"); }, 0},
        FullSetCase{"ShapeKindAllRangeZeroOne",
                    [](PanelsTest& t) {
                      t.click("cmdJO(0)");
                      t.setCombo("Com_rc(5)", "1");
                    },
                    100000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelsTest, SumTextIsShownCleanedAfterARun) {
  auto* box = find<HintedTextEdit>("txtHKD");
  box->hideHint();
  QTest::keyClicks(box, QStringLiteral("1,2"));
  QInputMethodEvent fullWidthSemicolon;  // as a Chinese input method commits it
  fullWidthSemicolon.setCommitString(QStringLiteral("；"));
  QApplication::sendEvent(box, &fullWidthSemicolon);
  QTest::keyClicks(box, QStringLiteral("3"));
  ASSERT_EQ(box->text(), QStringLiteral("1,2；3"));
  const RunResult r = run();
  EXPECT_EQ(r.results.count(), 100000 - 55);  // sums 1, 2 and 3: 5 + 15 + 35 numbers
  ASSERT_TRUE(r.cleanedSumText.has_value());
  pages.setSumText(QString::fromStdString(*r.cleanedSumText));
  EXPECT_EQ(box->text(), QStringLiteral("1 2 3"));
}

TEST_F(PanelsTest, RatioRowAllTogglesEveryButtonOfTheRow) {
  click("cmdBi(6)");
  click("cmdBi(7)");
  click("cmdBiButton_all(1)");
  const RatiosState s = gathered().ratios;
  for (int n = 0; n < 6; ++n) EXPECT_EQ(s.selected[6 + n], n >= 2) << n;
  click("cmdBiButton(0)");
  EXPECT_EQ(gathered().ratios, RatiosState{});
}

TEST_F(PanelsTest, RouteAllThenClearLeavesNothingTicked) {
  click("cmd012(0)");
  EXPECT_TRUE(find<QCheckBox>("chk012(242)")->isChecked());
  click("cmd012(1)");
  EXPECT_EQ(gathered().routes, RoutePatternsState{});
}

}  // namespace
}  // namespace torvane::ui

namespace torvane::ui {
namespace {

// A caption's last glyph keeps its right edge: no ink on the box's last pixel columns, while
// the caption itself is drawn and reaches into the box's right half.
TEST(ShapeCaptions, NoCaptionLosesItsRightEdge) {
  ShapePatternsPanel panel(Qt::Horizontal);
  panel.adjustSize();
  panel.show();
  int boxes = 0;
  for (QCheckBox* c : panel.findChildren<QCheckBox*>()) {
    const QImage image = c->grab().toImage();
    const int dpr = static_cast<int>(image.devicePixelRatio());
    const int edge = image.width() - 2 * dpr;
    int rightmostInk = -1;
    for (int x = 0; x < image.width(); ++x)
      for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y).lightness() < 160) rightmostInk = x;
    EXPECT_GE(rightmostInk, image.width() / 2) << c->text().toStdString();
    EXPECT_LT(rightmostInk, edge) << c->text().toStdString();
    ++boxes;
  }
  EXPECT_EQ(boxes, 96);
}

}  // namespace
}  // namespace torvane::ui
