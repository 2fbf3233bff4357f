// The pages as the window sees them: names, help buttons, gather/apply and clear-all.
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <set>

#include "support/every_panel_set.h"
#include "support/panels_fixture.h"
#include "widgets/hinted_text_edit.h"
#include "widgets/selectable_button.h"

namespace torvane::ui {

using support::EveryPanelSet;
using widgets::ButtonColor;
using widgets::GreenColor;
using widgets::HintedTextEdit;
using widgets::YellowColor;

namespace {

// The panels hold every condition but the fault tolerance, which is the window's.
Conditions EveryPanelSetButTolerance() {
  Conditions c = EveryPanelSet();
  c.tolerance = ToleranceState{};
  return c;
}

TEST_F(PanelsTest, ApplyThenGatherGivesTheSameConditions) {
  const Conditions set = EveryPanelSetButTolerance();
  pages.apply(set);
  EXPECT_EQ(gathered(), set);
  // The widgets show it the way the player sees it.
  EXPECT_EQ(ButtonColor(find<QAbstractButton>("cmd_dw(46)")), YellowColor());
  EXPECT_EQ(ButtonColor(find<QAbstractButton>("cmdDan(3)")), GreenColor());
  EXPECT_EQ(find<QAbstractButton>("cmdBi(17)")->property("Tag").toString(), "1");
  EXPECT_EQ(find<QComboBox>("Com_rc(4)")->currentText(), "1");
  EXPECT_FALSE(find<HintedTextEdit>("txtCompose(6)")->showsHint());
}

TEST_F(PanelsTest, ClearAllBringsEveryPanelBackToItsStart) {
  pages.apply(EveryPanelSet());
  pages.clearAll();
  Conditions expected;
  expected.banker.repeat = true;  // 胆码计重 is a way of counting and survives clear-all
  EXPECT_EQ(gathered(), expected);
  for (const char* name :
       {"txtDan5", "txtHKD", "txtCompose(0)", "txtCompose(3)", "txtCompose(6)", "txtCompose(7)"})
    EXPECT_TRUE(find<HintedTextEdit>(name)->showsHint()) << name;
  EXPECT_FALSE(ButtonColor(find<QAbstractButton>("cmd_dw(0)")).isValid());
  EXPECT_EQ(find<QComboBox>("Com_rc(3)")->currentText(), "0");
}

TEST_F(PanelsTest, EveryHelpButtonNamesItsIndex) {
  QSignalSpy spy(&pages, &ConditionPages::helpRequested);
  std::set<int> seen;
  for (QPushButton* b : host.findChildren<QPushButton*>()) {
    if (b->text() != QStringLiteral("说明")) continue;
    QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_FALSE(spy.isEmpty());
    const int index = spy.takeLast().at(0).toInt();
    EXPECT_EQ(b->objectName(), QStringLiteral("cmdEx(%1)").arg(index));
    seen.insert(index);
  }
  EXPECT_EQ(seen,
            (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 16, 17, 18, 19, 20, 21, 22}));
}

struct CaptionCase {
  const char* name;
  const char* caption;
};

void PrintTo(const CaptionCase& c, std::ostream* os) {
  *os << c.name;
}

class PanelsCaption : public PanelsTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(PanelsCaption, ControlCarriesItsCaption) {
  QWidget* w = find(QString::fromUtf8(GetParam().name));
  ASSERT_NE(w, nullptr);
  QString text;
  if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
  EXPECT_EQ(text, QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelsCaption,
    ::testing::Values(
        CaptionCase{"cmd_dw(49)", "9"}, CaptionCase{"lblDW(4)", "个位"},
        CaptionCase{"lblDan(4)", "(点击表示删除)"}, CaptionCase{"lblDan(2)", "定位容错"},
        CaptionCase{"cmdDW_all(4)", "全"}, CaptionCase{"cmdDanCount(35)", "5"},
        CaptionCase{"cmdDan(59)", "9"}, CaptionCase{"chkDanOption", "胆码计重"},
        CaptionCase{"lblDan(1)", "胆码开出个数"}, CaptionCase{"lblCompose(15)", "必出四码组合"},
        CaptionCase{"lblCompose(12)", "组合定位杀"}, CaptionCase{"cmdBi(8)", "2:3"},
        CaptionCase{"cmdBiButton(0)", "清空"}, CaptionCase{"lblBi(4)", "最大号码"},
        CaptionCase{"chkDX(2)", "大大大小大"}, CaptionCase{"chkJO(31)", "偶偶偶偶偶"},
        CaptionCase{"chkZH(0)", "质质质质质"}, CaptionCase{"chk012(3)", "00010"},
        CaptionCase{"chk012(242)", "22222"}, CaptionCase{"chkEx(13)", "AAABB"},
        CaptionCase{"lblHKD(7)", "打勾表示删除号码，全部打勾得0注"},
        CaptionCase{"lblHKD(6)", "质12357，合04689"}, CaptionCase{"fraFilterSpecial", "特别排除"},
        CaptionCase{"fraHKD", "和、跨、胆"}, CaptionCase{"lblHKD(3)", "杀码"},
        CaptionCase{"chkHKD(29)", "9"}, CaptionCase{"lblFilter(0)", "杀直选"}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST_F(PanelsTest, GreyHintLabelsAndSpecialScreenOrder) {
  for (const char* name : {"lblDan(4)", "lblHKD(4)"})
    EXPECT_EQ(find<QLabel>(name)->palette().color(QPalette::WindowText), QColor(128, 128, 128));
  // The special boxes stand left to right in screen order.
  int lastX = -1;
  pages.specialFrame()->resize(pages.specialFrame()->sizeHint());
  pages.specialFrame()->layout()->activate();
  for (int i : kSpecialScreenOrder) {
    const int x = find(QStringLiteral("chkEx(%1)").arg(i))->x();
    EXPECT_GT(x, lastX) << i;
    lastX = x;
  }
}

}  // namespace
}  // namespace torvane::ui
