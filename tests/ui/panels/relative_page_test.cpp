// The 按上期条件 page: its controls fill RelativeState, it shows the newest draw as reference,
// and a run or back-test reads the history for it, refusing clearly when there is none.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "run/backtest.h"
#include "support/every_panel_set.h"
#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/backtest/backtest_page.h"
#include "ui/panels/relative_panel.h"

namespace torvane::ui {
namespace {

class RelativePageTest : public HistoryFixture {
 protected:
  QLabel* reference() const { return window->relativePanel()->referenceLabel(); }
  void tick(const char* name) { find<QCheckBox>(QString::fromUtf8(name))->click(); }
  bool enabled() const {
    return window->findChild<QCheckBox*>(QStringLiteral("chkRel(0)"))->isEnabled();
  }
};

TEST_F(RelativePageTest, ControlsFillTheStateAndClearAllEmptiesIt) {
  showHistory();
  importDraws(Draws({{"2024001", "12345"}}));  // the rows take clicks once there is a reference
  clickTab(kRelativeTab);
  for (const char* box : {"chkRel(0)", "chkRelPos(3)", "chkRel(2)", "chkRelShared(2)"}) tick(box);
  find<QComboBox>(QStringLiteral("cboRelMode(0)"))->setCurrentIndex(1);
  find<QComboBox>(QStringLiteral("txtRelK(1)"))->setEditText(QStringLiteral("7.5"));
  RelativeState expected;
  expected.killSame = expected.samePositions[3] = expected.sharedCounts[2] = true;
  expected.sumDiff = {true, "0", true};
  expected.spanDiff.k = "7.5";
  EXPECT_EQ(window->gatherConditions().relative, expected);
  pressRun(2);  // 清空所有条件
  EXPECT_EQ(window->gatherConditions().relative, RelativeState{});
}

TEST_F(RelativePageTest, WithoutHistoryTheRunIsRefusedAndNothingIsDropped) {
  window->show();
  clickTab(kRelativeTab);
  EXPECT_TRUE(reference()->text().contains(QStringLiteral("还没有开奖历史")));
  EXPECT_FALSE(enabled());
  Conditions c;
  c.relative.sumDiff.apply = true;
  window->applyConditions(c);
  pressRun(0);
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("开奖历史里还没有号码")));
  EXPECT_EQ(resultCount(), 0);
  EXPECT_EQ(window->gatherConditions().relative, c.relative);
}

TEST_F(RelativePageTest, RunAndBacktestReadTheHistory) {
  showHistory();
  const std::vector<history::Draw> h = testing::GeneratedHistory(60, 3);
  importDraws(h);
  EXPECT_EQ(reference()->text(), QStringLiteral("参照第 %1 期：%2")
                                     .arg(QString::fromStdString(h.back().period),
                                          QString::fromStdString(h.back().NumberText())));
  EXPECT_TRUE(enabled());
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
  const BacktestReport expected = Backtest(c, {}, std::span(h).last(30), &h[h.size() - 31]);
  EXPECT_EQ(window->backtestPage()->report()->judged.draws, expected.judged.draws);
}

}  // namespace
}  // namespace torvane::ui
