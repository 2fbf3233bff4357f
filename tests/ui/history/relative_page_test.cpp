// The 按上期条件 page: its controls fill RelativeState, it shows the newest draw as reference,
// and a run or back-test reads the history for it, refusing clearly when there is none.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <functional>

#include "run/backtest.h"
#include "support/every_panel_set.h"
#include "support/history_samples.h"
#include "ui/history/backtest_page.h"
#include "ui/history/history_fixture.h"
#include "ui/panels/relative_panel.h"

namespace torvane::ui {
namespace {

class RelativePageTest : public HistoryFixture {
 protected:
  RelativePanel* panel() const { return window->relativePanel(); }
  void showRelative() {
    window->show();
    clickTab(kRelativeTab);
  }
  void tick(const QString& name) { find<QCheckBox>(name)->click(); }
};

struct ControlCase {
  const char* name;
  std::function<void(RelativePageTest&)> act;
  std::function<void(RelativeState&)> expect;  // applied to the start state
};
void PrintTo(const ControlCase& c, std::ostream* os) {
  *os << c.name;
}

class RelativeControls : public RelativePageTest,
                         public ::testing::WithParamInterface<ControlCase> {};

TEST_P(RelativeControls, FillTheState) {
  showRelative();
  GetParam().act(*this);
  RelativeState expected;
  GetParam().expect(expected);
  EXPECT_EQ(window->gatherConditions().relative, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, RelativeControls,
    ::testing::Values(
        ControlCase{"KillSameTensPosition",
                    [](RelativePageTest& t) {
                      t.tick(QStringLiteral("chkRel(0)"));
                      t.tick(QStringLiteral("chkRelPos(3)"));
                    },
                    [](RelativeState& s) { s.killSame = s.samePositions[3] = true; }},
        ControlCase{"RepeatCountFive",
                    [](RelativePageTest& t) { t.tick(QStringLiteral("chkRelRepeat(5)")); },
                    [](RelativeState& s) { s.repeatCounts[5] = true; }},
        ControlCase{"SumAtLeastTypedK",
                    [](RelativePageTest& t) {
                      t.tick(QStringLiteral("chkRel(2)"));
                      t.find<QComboBox>(QStringLiteral("cboRelMode(0)"))->setCurrentIndex(1);
                      t.find<QComboBox>(QStringLiteral("txtRelK(0)"))->setEditText("7.5");
                    },
                    [](RelativeState& s) {
                      s.sumDiff = {true, "7.5", true};
                    }},
        ControlCase{"SpanKTyped",
                    [](RelativePageTest& t) {
                      t.find<QComboBox>(QStringLiteral("txtRelK(1)"))->setEditText("3");
                    },
                    [](RelativeState& s) { s.spanDiff.k = "3"; }},
        ControlCase{
            "SharedCountsZeroAndTwo",
            [](RelativePageTest& t) {
              t.tick(QStringLiteral("chkRel(4)"));
              t.tick(QStringLiteral("chkRelShared(0)"));
              t.tick(QStringLiteral("chkRelShared(2)"));
            },
            [](RelativeState& s) { s.shared = s.sharedCounts[0] = s.sharedCounts[2] = true; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RelativePageTest, ApplyAndClearAllCarryTheRows) {
  Conditions c;
  c.relative = support::EveryRelativeRow();
  window->applyConditions(c);
  EXPECT_EQ(window->gatherConditions().relative, c.relative);
  pressRun(2);  // 清空所有条件
  EXPECT_EQ(window->gatherConditions().relative, RelativeState{});
}

TEST_F(RelativePageTest, ShowsTheNewestDrawAndFollowsTheHistory) {
  showRelative();
  EXPECT_TRUE(panel()->referenceLabel()->text().contains(QStringLiteral("还没有开奖历史")));
  EXPECT_FALSE(find<QCheckBox>(QStringLiteral("chkRel(0)"))->isEnabled());
  showHistory();
  importDraws(Draws({{"2026256", "12345"}, {"2026257", "49330"}}));
  EXPECT_EQ(panel()->referenceLabel()->text(), QStringLiteral("参照第 2026257 期：49330"));
  EXPECT_TRUE(find<QCheckBox>(QStringLiteral("chkRel(0)"))->isEnabled());
}

TEST_F(RelativePageTest, RunWithoutHistoryIsRefusedAndKeepsTheResults) {
  showRelative();
  Conditions c;
  c.relative.sumDiff.apply = true;
  window->applyConditions(c);
  pressRun(0);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("开奖历史里还没有号码")));
  EXPECT_EQ(resultCount(), 0);
  EXPECT_EQ(window->gatherConditions().relative, c.relative);  // nothing dropped
}

TEST_F(RelativePageTest, RunAndBacktestReadTheHistory) {
  showHistory();
  const std::vector<history::Draw> h = testing::GeneratedHistory(60, 3);
  importDraws(h);
  Conditions c;
  c.tolerance = {"0", "1"};
  c.relative = support::EveryRelativeRow();
  window->applyConditions(c);
  dialogs.reset();
  pressRun(0);
  DigitTable newest;
  newest.appendRow(h.back().digits.data());
  EXPECT_EQ(resultCount(), RunFilters({}, c, newest).results.count());

  clickTab(kBacktestTab);
  window->backtestPage()->rangeBox()->setCurrentIndex(0);  // the last 30 draws
  click(QStringLiteral("cmdBacktest"));
  ASSERT_TRUE(dialogs.calls.empty()) << dialogs.lastText().toStdString();
  const std::span<const history::Draw> last30 = std::span(h).last(30);
  const BacktestReport expected = Backtest(c, {}, last30, &h[h.size() - 31]);
  EXPECT_EQ(window->backtestPage()->report()->judged.draws, expected.judged.draws);
  EXPECT_FALSE(window->backtestPage()->report()->leftOut.has_value());
}

}  // namespace
}  // namespace torvane::ui
