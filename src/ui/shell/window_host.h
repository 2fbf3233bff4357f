#pragma once
// The window as its pages see it: every call goes to the part of the window that holds it.

#include "ui/host/page_host.h"

namespace torvane::ui {

class MainWindow;

class WindowHost final : public PageHost {
  Q_OBJECT
 public:
  explicit WindowHost(MainWindow& window);

  Dialogs& dialogs() const override;
  DrawStore& drawStore() const override;
  const DigitTable& baseSet() const override;
  Conditions gatherConditions() const override;
  void applyConditions(const Conditions& c) override;
  Conditions runConditions() const override;
  void showRunFailure() override;
  void showToleranceRead(ToleranceRange read) override;
  void setTolerance(int min, int max) override;
  void replaceBase(const QString& text) override;
  void setWinningNumber(const QString& number) override;
  void showTab(int tab) override;

 private:
  MainWindow& window_;
};

}  // namespace torvane::ui
