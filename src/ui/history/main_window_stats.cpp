// The window's side of the 指标统计 page: values chosen there become kill conditions.

#include <QStackedWidget>

#include "ui/history/stats_conditions.h"
#include "ui/history/stats_page.h"
#include "ui/main_window.h"
#include "widgets/dialogs.h"

namespace torvane::ui {
namespace {

constexpr int kConditionTab = 1;  // 杀直选号码: the page with the condition panels

}  // namespace

QWidget* MainWindow::buildStatsPage() {
  auto* page = new StatsPage(*drawStore_, stack_);
  connect(page, &StatsPage::killRequested, this, [this, page] {
    // Through the panels' state, exactly as a scheme is loaded: nothing is clicked.
    Conditions c = gatherConditions();
    const QStringList refused = AddKillConditions(c, page->chosenValues());
    applyConditions(c);
    // 定位杀, 和跨胆, the ratios and 特别排除 all show with the main condition page.
    selectTab(kConditionTab);
    if (!refused.isEmpty())
      dialogs_.warning(this, QStringLiteral("设为杀号条件"),
                       QStringLiteral("其余的值已设好，以下没有设置：\n") + refused.join('\n'));
  });
  return page;
}

}  // namespace torvane::ui
