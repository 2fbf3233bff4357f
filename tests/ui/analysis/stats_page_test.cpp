// The 指标统计 page: values selected there give the conditions clicking the panels gives, and
// the page follows the store and its window choice. The figures are the engine's, tested there.

#include <QAbstractButton>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>

#include "support/history_fixture.h"
#include "support/history_samples.h"
#include "ui/analysis/stats_page.h"
#include "ui/panels/condition_pages.h"
#include "ui/panels/sum_span_panel.h"

namespace torvane::ui {
namespace {

using history::Attribute;

struct Pick {
  Attribute attribute;
  std::vector<const char*> values;
};

struct KillCase {
  const char* name;
  std::vector<const char*> before;  // buttons clicked first; "=TEXT" types TEXT as the sums
  std::vector<Pick> picks;
  std::vector<const char*> byHand;  // what the player clicks instead, after `before`
  const char* refused = "";         // part of the message, when a value cannot be set
};

class StatsKill : public HistoryFixture, public ::testing::WithParamInterface<KillCase> {
 protected:
  StatsPage* statsPage() const { return find<StatsPage>(QStringLiteral("fraTab(8)")); }
  void clickAll(const std::vector<const char*>& names) {
    for (const char* name : names) {
      if (name[0] == '=') {
        auto* sums = window->findChild<SumSpanPanel*>();
        sums->setState({sums->state().tails, QString::fromUtf8(name + 1).toStdString(),
                        sums->state().spans, sums->state().digits});
      } else {
        find<QAbstractButton>(QString::fromUtf8(name))->click();
      }
    }
  }
  void select(const Pick& pick) {
    QTableView* view = statsPage()->view(pick.attribute);
    for (const char* value : pick.values)
      for (int row = 0; row < view->model()->rowCount(); ++row)
        if (view->model()->index(row, 0).data().toString() == QString::fromUtf8(value))
          view->selectionModel()->select(view->model()->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
};

TEST_P(StatsKill, GivesWhatClickingThePanelGives) {
  const KillCase& c = GetParam();
  window->show();
  clickAll(c.before);
  clickTab(kStatsTab);
  for (const Pick& p : c.picks) select(p);
  click(QStringLiteral("cmdStatsKill"));
  const Conditions fromStats = window->gatherConditions();
  EXPECT_EQ(window->currentPage(), window->conditionPages()->mainPage());
  const bool warned = !dialogs.calls.empty() && dialogs.calls.back().kind == "warning";
  EXPECT_EQ(warned, *c.refused != 0);
  if (warned) {
    EXPECT_TRUE(dialogs.calls.back().text.contains(QString::fromUtf8(c.refused)));
  }

  window->applyConditions(Conditions{});
  clickAll(c.before);
  clickAll(c.byHand);
  EXPECT_TRUE(fromStats == window->gatherConditions());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StatsKill,
    ::testing::Values(KillCase{"DigitsTailsSpansShapes",
                               {"cmd_dw(3)"},
                               {{Attribute::TenThousands, {"7"}},
                                {Attribute::Units, {"0", "9"}},
                                {Attribute::SumTail, {"3"}},
                                {Attribute::Span, {"0", "1"}},
                                {Attribute::Shape, {"AAAAA", "ABCDE"}}},
                               {"cmd_dw(7)", "cmd_dw(40)", "cmd_dw(49)", "chkHKD(3)", "chkHKD(10)",
                                "chkHKD(11)", "chkEx(2)", "chkEx(12)"}},
                      KillCase{"SumsAfterTypedOnes",
                               {"=5 , 7"},
                               {{Attribute::Sum, {"3", "5", "42"}}},
                               {"=5 , 7 03 42"}},
                      KillCase{"RatioWithoutButtonsKeepsTheOthers",
                               {},
                               {{Attribute::BigSmall, {"0:5", "5:0"}}},
                               {"cmdBi(1)", "cmdBi(2)", "cmdBi(3)", "cmdBi(4)"}},
                      KillCase{"KeptRatioLosesTheKilledOne",
                               {"cmdBi(8)", "cmdBi(9)"},
                               {{Attribute::OddEven, {"3:2", "5:0"}}},
                               {"cmdBi(9)"}},
                      KillCase{
                          "EveryRatioCannotBeKilled",
                          {},
                          {{Attribute::PrimeComposite, {"0:5", "1:4", "2:3", "3:2", "4:1", "5:0"}},
                           {Attribute::Span, {"9"}}},
                          {"chkHKD(19)"},
                          "质合比"}),
    [](const auto& info) { return std::string(info.param.name); });

using StatsPageTest = StatsKill;

TEST_F(StatsPageTest, FollowsTheStoreAndTheWindowChoice) {
  window->show();
  clickTab(kStatsTab);
  StatsPage* page = statsPage();
  EXPECT_TRUE(page->noticeLabel()->isVisible());  // an empty store says so

  select({Attribute::Span, {"4"}});
  showHistory();
  importDraws(testing::GeneratedHistory(400));
  clickTab(kStatsTab);
  EXPECT_FALSE(page->noticeLabel()->isVisible());
  EXPECT_EQ(page->stats().window, 100);
  page->windowChoice()->setCurrentIndex(page->windowChoice()->count() - 1);  // 全部
  EXPECT_EQ(page->stats().window, 400);
  // A new history keeps what the player selected.
  ASSERT_EQ(page->chosenValues().size(), 1u);
  EXPECT_EQ(page->chosenValues()[0].value, 4);
}

}  // namespace
}  // namespace torvane::ui
