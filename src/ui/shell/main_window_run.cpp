// The five actions of the run panel and the conditions they read. Each catches every failure
// itself; a failed action leaves the shown results as they were.

#include <QLineEdit>
#include <exception>

#include "core/errors.h"
#include "results/result_panel.h"
#include "run/filter_run.h"
#include "ui/basesets/base_page.h"
#include "ui/panels/condition_pages.h"
#include "ui/panels/relative_page.h"
#include "ui/panels/relative_panel.h"
#include "ui/shell/main_window.h"
#include "widgets/box_text.h"
#include "widgets/dialogs.h"

namespace torvane::ui {

using widgets::FromEngineText;

namespace {

const QString kTorvane = QStringLiteral("Torvane");
const QString kUnknownError = QStringLiteral("本次操作发生未知错误，请重新操作");

results::ConditionStats StatsOf(const RunResult& run, int candidates) {
  results::ConditionStats s;
  s.candidates = candidates;
  for (const KillRowStat& k : run.stats)
    s.kills.push_back({QString::fromStdString(k.name), k.killed});
  s.killSumCounts = run.killSumCounts;
  return s;
}

}  // namespace

const DigitTable& MainWindow::results() const {
  return resultPanel_->results();
}

Conditions MainWindow::gatherConditions() const {
  Conditions c;
  conditionPages_->gather(c);
  c.relative = relativePanel()->state();
  c.tolerance.min = runPanel_->toleranceText(0).toStdString();
  c.tolerance.max = runPanel_->toleranceText(1).toStdString();
  return c;
}

Conditions MainWindow::runConditions() const {
  Conditions c = gatherConditions();
  // A tolerance box that does not convert stops the run before anything changes.
  ReadTolerance(c.tolerance);
  return c;
}

void MainWindow::applyConditions(const Conditions& c) {
  conditionPages_->apply(c);
  relativePanel()->setState(c.relative);
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
  } catch (...) {
    showRunFailure();
  }
}

void MainWindow::showRunFailure() {
  QString text = kUnknownError;
  try {
    throw;
  } catch (const RunError& e) {
    // The second line says which box held what could not be read.
    const std::string why = DescribeRunError(e);
    if (!why.empty()) text += QChar('\n') + QString::fromStdString(why);
  } catch (...) {
  }
  dialogs_.plain(this, QStringLiteral("错误提示"), text);
}

void MainWindow::showResults(DigitTable results) {
  resultPanel_->setResults(std::make_shared<const DigitTable>(std::move(results)));
}

void MainWindow::showToleranceRead(ToleranceRange tolerance) {
  // A minimum at or above the maximum was lowered to it; the maximum always shows plainly.
  const QString max = QString::number(tolerance.max);
  if (tolerance.min >= tolerance.max) runPanel_->setToleranceText(0, max);
  runPanel_->setToleranceText(1, max);
}

void MainWindow::runFilters() {
  const Conditions c = runConditions();
  DigitTable reference;
  if (!relativePage_->readReference(c.relative, reference)) return;
  const QString before = resultPanel_->statusText();
  resultPanel_->setStatusText(QStringLiteral("开始过滤。。。"));
  RunResult run;
  try {
    run = RunFilters(baseSet_, c, reference);
  } catch (...) {
    resultPanel_->setStatusText(before);
    throw;
  }
  showToleranceRead(run.tolerance);
  if (run.cleanedSumText) conditionPages_->setSumText(FromEngineText(*run.cleanedSumText));
  resultPanel_->setConditionStats(StatsOf(run, baseSet_.empty() ? kNumberSpace : baseSet_.count()));
  showResults(std::move(run.results));
  resultPanel_->setStatusText(QStringLiteral("过滤完毕！"));
}

bool MainWindow::checkResultCount() {
  if (results().count() > 0) return true;
  dialogs_.information(this, kTorvane, QStringLiteral("结果注数为 0，请先进行过滤！"));
  return false;
}

void MainWindow::convertToGroup() {
  if (!checkResultCount()) return;
  showResults(ConvertToGroup(results()));
  dialogs_.information(this, kTorvane,
                       QStringLiteral("转换完成！组选结果注数：%1").arg(results().count()));
}

void MainWindow::clearAllConditions() {
  conditionPages_->clearAll();
  relativePanel()->setState(RelativeState{});
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
