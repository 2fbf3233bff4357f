// 定位杀 and 胆码 driven through their buttons, then run by the engine.
#include <QCheckBox>

#include "support/panels_fixture.h"
#include "widgets/selectable_button.h"

namespace torvane::ui {

using widgets::ButtonColor;
using widgets::GreenColor;
using widgets::IsSelected;
using widgets::YellowColor;

namespace {

struct PositionalCase {
  const char* name;
  const char* min;
  const char* max;
  std::vector<int> survivors;
};

void PrintTo(const PositionalCase& c, std::ostream* os) {
  *os << c.name;
}

class PositionalRange : public PanelsTest, public ::testing::WithParamInterface<PositionalCase> {};

// Marks: 万位 0, 个位 5 and 6.
TEST_P(PositionalRange, KeepsTheNumbersWithinTheRange) {
  click("cmd_dw(0)");
  click("cmd_dw(45)");
  click("cmd_dw(46)");
  setCombo("Com_rc(0)", GetParam().min);
  setCombo("Com_rc(1)", GetParam().max);
  EXPECT_EQ(KeysOf(run(TableOf({1235, 12345, 12347})).results), GetParam().survivors);
}

INSTANTIATE_TEST_SUITE_P(Panels, PositionalRange,
                         ::testing::Values(PositionalCase{"ZeroZero", "0", "0", {12347}},
                                           PositionalCase{"ZeroOne", "0", "1", {12345, 12347}},
                                           PositionalCase{"OneOne", "1", "1", {12345}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelsTest, PositionalDigitToggleAndRowButtons) {
  click("cmd_dw(13)");
  EXPECT_EQ(ButtonColor(find<QAbstractButton>("cmd_dw(13)")), YellowColor());
  click("cmd_dw(13)");
  EXPECT_FALSE(ButtonColor(find<QAbstractButton>("cmd_dw(13)")).isValid());
  // "全" marks the whole row however it stood; the row then kills every number.
  click("cmd_dw(12)");
  click("cmdDW_all(1)");
  EXPECT_EQ(gathered().positional.marked[1], (std::array<bool, 10>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(run().results.count(), 0);
  click("cmdDW(1)");
  EXPECT_EQ(gathered().positional, PositionalKillState{});
}

struct BankerCase {
  const char* name;
  bool repeat;
  std::vector<int> survivors;
};

void PrintTo(const BankerCase& c, std::ostream* os) {
  *os << c.name;
}

class BankerRowCountTwo : public PanelsTest, public ::testing::WithParamInterface<BankerCase> {};

// Row 1: banker digits 1, 2, 3 and count 2.
TEST_P(BankerRowCountTwo, CountsRepeatsOnlyWhenTicked) {
  if (GetParam().repeat) click("chkDanOption");
  for (const char* name : {"cmdDan(1)", "cmdDan(2)", "cmdDan(3)", "cmdDanCount(2)"}) click(name);
  EXPECT_EQ(KeysOf(run(TableOf({11245, 12345, 12456, 45678})).results), GetParam().survivors);
  EXPECT_TRUE(dialogs.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Panels, BankerRowCountTwo,
                         ::testing::Values(BankerCase{"EachDigitOnce", false, {11245, 12456}},
                                           BankerCase{"RepeatsCounted", true, {12456}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelsTest, BankerRefusesACountAboveTheSelectedDigits) {
  click("cmdDan(11)");
  click("cmdDanCount(8)");  // row 1, count 2 with one digit
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "warning");
  EXPECT_EQ(dialogs.calls[0].title, "Torvane");
  EXPECT_EQ(dialogs.calls[0].text, "选择的胆码个数不对！个数不能大于已选择的胆码数量！");
  EXPECT_FALSE(IsSelected(find<QAbstractButton>("cmdDanCount(8)")));
  // Count 0 is always allowed; with 胆码计重 one digit allows any count.
  click("cmdDanCount(12)");
  EXPECT_TRUE(IsSelected(find<QAbstractButton>("cmdDanCount(12)")));
  click("chkDanOption");
  click("cmdDanCount(11)");
  EXPECT_TRUE(IsSelected(find<QAbstractButton>("cmdDanCount(11)")));
  EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(PanelsTest, BankerAllInvertsDigitsAndCountsOneToFive) {
  for (const char* name : {"cmdDan(21)", "cmdDan(22)", "cmdDanCount(12)", "cmdDanCount(13)"})
    click(name);
  click("cmdDanButton_all(2)");
  const BankerRowsState s = gathered().banker;
  EXPECT_EQ(s.digits[2], (std::array<bool, 10>{1, 0, 0, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(s.counts[2], (std::array<bool, 6>{1, 0, 1, 1, 1, 1}));
  EXPECT_EQ(ButtonColor(find<QAbstractButton>("cmdDan(20)")), GreenColor());
  click("cmdDanButton(2)");
  EXPECT_EQ(gathered().banker, BankerRowsState{});
}

}  // namespace
}  // namespace torvane::ui
