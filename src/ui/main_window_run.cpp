// The five actions of the run panel. Each catches every failure itself; a failed action
// leaves the shown results as they were.

#include <QLineEdit>
#include <exception>

#include "core/errors.h"
#include "results/result_panel.h"
#include "run/filter_run.h"
#include "ui/base_page.h"
#include "ui/condition_pages.h"
#include "ui/main_window.h"
#include "widgets/box_text.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

using widgets::FromEngineText;

namespace {

const QString kTorvane = QStringLiteral("Torvane");
const QString kUnknownError = QStringLiteral("本次操作发生未知错误，请重新操作");

}  // namespace

Conditions MainWindow::gatherConditions() const {
  Conditions c;
  pages_->gather(c);
  c.tolerance.min = runPanel_->toleranceText(0).toStdString();
  c.tolerance.max = runPanel_->toleranceText(1).toStdString();
  return c;
}

void MainWindow::applyConditions(const Conditions& c) {
  pages_->apply(c);
  runPanel_->setToleranceText(0, QString::fromStdString(c.tolerance.min));
  runPanel_->setToleranceText(1, QString::fromStdString(c.tolerance.max));
}

void MainWindow::performRunAction(RunAction action) {
  try {
    switch (action) {
      case RunAction::Run:
        runFilters();
        break;
      case RunAction::Group:
        convertToGroup();
        break;
      case RunAction::ClearAll:
        clearAllConditions();
        break;
      case RunAction::CopyAll:
        handOverResults(false);
        break;
      case RunAction::ExportAll:
        handOverResults(true);
        break;
    }
  } catch (const RunError& e) {
    // The second line says which box held what could not be read.
    const std::string why = DescribeRunError(e);
    dialogs_.plain(
        this, QStringLiteral("错误提示"),
        why.empty() ? kUnknownError : kUnknownError + QChar('\n') + QString::fromStdString(why));
  } catch (...) {
    dialogs_.plain(this, QStringLiteral("错误提示"), kUnknownError);
  }
}

void MainWindow::showResults(DigitTable results) {
  results_ = std::move(results);
  resultPanel_->setResults(results_);
}

void MainWindow::runFilters() {
  const Conditions c = gatherConditions();
  // A tolerance box that does not convert stops the run before anything changes.
  ReadTolerance(c.tolerance);
  const QString before = resultPanel_->statusText();
  resultPanel_->setStatusText(QStringLiteral("开始过滤。。。"));
  RunResult run;
  try {
    run = RunFilters(baseSet_, c);
  } catch (...) {
    resultPanel_->setStatusText(before);
    throw;
  }
  // A minimum at or above the maximum was lowered to it; the maximum always shows plainly.
  const QString max = QString::number(run.tolerance.max);
  if (run.tolerance.min >= run.tolerance.max) runPanel_->setToleranceText(0, max);
  runPanel_->setToleranceText(1, max);
  if (run.cleanedSumText) pages_->setSumText(FromEngineText(*run.cleanedSumText));
  showResults(std::move(run.results));
  resultPanel_->setStatusText(QStringLiteral("过滤完毕！"));
}

bool MainWindow::checkResultCount() {
  if (results_.count() > 0) return true;
  dialogs_.information(this, kTorvane, QStringLiteral("结果注数为 0，请先进行过滤！"));
  return false;
}

void MainWindow::convertToGroup() {
  if (!checkResultCount()) return;
  showResults(ConvertToGroup(results_));
  dialogs_.information(this, kTorvane,
                       QStringLiteral("转换完成！组选结果注数：%1").arg(results_.count()));
}

void MainWindow::clearAllConditions() {
  pages_->clearAll();
  basePage_->clear();
  runPanel_->setToleranceText(0, QStringLiteral("0"));
  runPanel_->setToleranceText(1, QStringLiteral("0"));
}

void MainWindow::handOverResults(bool exportThem) {
  if (!checkResultCount()) return;
  if (exportThem)
    resultPanel_->exportAll();
  else
    resultPanel_->copyAll();
}

}  // namespace torvane::ui
