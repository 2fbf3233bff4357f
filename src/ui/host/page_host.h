#pragma once
// What the window lends its pages. A page takes the host when it is built and wires itself
// to it: it reads and applies the conditions the panels show, runs with what 开始缩水 would
// use, reads the draw store and brings another tab to the front. It never sees another page.

#include <QObject>
#include <QString>

#include "conditions/conditions.h"
#include "core/digit_table.h"
#include "run/filter_run.h"
#include "ui/host/page_tabs.h"

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

using widgets::Dialogs;

class DrawStore;

class PageHost : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  virtual Dialogs& dialogs() const = 0;
  // Opened when a page first needs it (see DrawStore).
  virtual DrawStore& drawStore() const = 0;
  // The numbers of 大底号码; empty means all 100000.
  virtual const DigitTable& baseSet() const = 0;

  // Every condition the window shows, fault tolerance included.
  virtual Conditions gatherConditions() const = 0;
  // Shows c on every panel and in 容错级别.
  virtual void applyConditions(const Conditions& c) = 0;
  // What 开始缩水 runs with: the tolerance checked. Throws RunError as the run does.
  virtual Conditions runConditions() const = 0;
  // Inside a catch block: the message 开始缩水 shows for the same failure.
  virtual void showRunFailure() = 0;
  // 容错级别 shows the range as a run read it.
  virtual void showToleranceRead(ToleranceRange read) = 0;
  // 容错级别 becomes min-max.
  virtual void setTolerance(int min, int max) = 0;

  // 大底号码 takes text as if it were pasted over everything, and comes to the front.
  virtual void replaceBase(const QString& text) = 0;
  // A number for 输入奖号 beside the results.
  virtual void setWinningNumber(const QString& number) = 0;
  // Brings tab (a cmdTab index, see page_tabs.h) to the front.
  virtual void showTab(int tab) = 0;

 signals:
  // Something that may have changed the conditions, base set or tolerance is done: another
  // page shown, a run-panel button, a tolerance box edited, the scheme menu.
  void conditionsTouched();
  // 清空所有条件 is done: every condition, the base set and the tolerance are back to none.
  void conditionsCleared();
};

}  // namespace torvane::ui
