#include "ui/shell/window_host.h"

#include "results/result_panel.h"
#include "ui/basesets/base_page.h"
#include "ui/shell/main_window.h"
#include "ui/shell/run_panel.h"

namespace torvane::ui {

WindowHost::WindowHost(MainWindow& window) : PageHost(&window), window_(window) {}

Dialogs& WindowHost::dialogs() const {
  return window_.dialogs_;
}

DrawStore& WindowHost::drawStore() const {
  return *window_.drawStore();
}

const DigitTable& WindowHost::baseSet() const {
  return window_.baseSet();
}

Conditions WindowHost::gatherConditions() const {
  return window_.gatherConditions();
}

void WindowHost::applyConditions(const Conditions& c) {
  window_.applyConditions(c);
}

Conditions WindowHost::runConditions() const {
  return window_.runConditions();
}

void WindowHost::showRunFailure() {
  window_.showRunFailure();
}

void WindowHost::showToleranceRead(ToleranceRange read) {
  window_.showToleranceRead(read);
}

void WindowHost::setTolerance(int min, int max) {
  window_.runPanel()->setToleranceText(0, QString::number(min));
  window_.runPanel()->setToleranceText(1, QString::number(max));
}

void WindowHost::replaceBase(const QString& text) {
  window_.basePage()->parseIntoBox(text);
  window_.selectTab(kBaseTab);
}

void WindowHost::setWinningNumber(const QString& number) {
  window_.resultPanel()->setWinningNumber(number);
}

void WindowHost::showTab(int tab) {
  window_.selectTab(tab);
}

}  // namespace torvane::ui

#include "moc_window_host.cpp"
