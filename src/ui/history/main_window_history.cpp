// The window's side of the draw-history and back-test pages: building them and running a
// back-test with the conditions 开始缩水 would use.

#include <QLineEdit>
#include <QMenuBar>
#include <QStackedWidget>

#include "results/result_panel.h"
#include "ui/history/backtest_page.h"
#include "ui/history/draw_store.h"
#include "ui/history/history_page.h"
#include "ui/main_window.h"
#include "ui/run_panel.h"

namespace torvane::ui {

void MainWindow::buildHistoryPages() {
  // The store is only opened when a page is shown, so a bad store never stops the window.
  drawStore_ = new DrawStore(this);
  historyPage_ = new HistoryPage(dialogs_, *drawStore_, stack_);
  backtestPage_ = new BacktestPage(dialogs_, *drawStore_, stack_);
  stackedPages_[5] = historyPage_;
  stackedPages_[6] = backtestPage_;
  for (int j = 5; j < 7; ++j) {
    stackedPages_[j]->setObjectName(QStringLiteral("fraTab(%1)").arg(j));
    stack_->addWidget(stackedPages_[j]);
  }
  connect(historyPage_, &HistoryPage::numberChosen, this,
          [this](const QString& number) { resultPanel_->setWinningNumber(number); });
  connect(backtestPage_, &BacktestPage::runRequested, this, &MainWindow::runBacktest);
  connect(backtestPage_, &BacktestPage::toleranceChosen, this, [this](int min, int max) {
    runPanel_->setToleranceText(0, QString::number(min));
    runPanel_->setToleranceText(1, QString::number(max));
    runBacktest();
  });
  connect(backtestPage_, &BacktestPage::compareRequested, this, [this] {
    try {
      backtestPage_->compareSchemes(runConditions(), baseSet_);
    } catch (...) {
      showRunFailure();
    }
  });
}

// Called once the run panel and the scheme menu are there.
void MainWindow::watchBacktestConditions() {
  // Whatever may change the conditions, base set or tolerance: another page shown, a run-panel
  // button (清空所有条件), a tolerance box, the scheme menu. Queued, so the change is done.
  auto compare = [this] { backtestPage_->compareConditions(gatherConditions(), baseSet_); };
  connect(stack_, &QStackedWidget::currentChanged, this, compare, Qt::QueuedConnection);
  connect(runPanel_, &RunPanel::actionRequested, this, compare, Qt::QueuedConnection);
  for (int i = 0; i < 2; ++i)
    connect(runPanel_->toleranceBox(i), &QLineEdit::textChanged, this, compare,
            Qt::QueuedConnection);
  connect(menuBar(), &QMenuBar::triggered, this, compare, Qt::QueuedConnection);
}

void MainWindow::runBacktest() {
  // The same conditions, base set and failure message as 开始缩水.
  try {
    const Conditions c = runConditions();
    backtestPage_->run(c, baseSet_);
    showToleranceRead(ReadTolerance(c.tolerance));
  } catch (...) {
    showRunFailure();
  }
}

}  // namespace torvane::ui
