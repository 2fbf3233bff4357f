#pragma once
// The condition panels and the pages that hold them. The window places the pages and asks
// this class for the state of every condition.

#include <QObject>
#include <memory>

#include "conditions/conditions.h"

class QWidget;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

using widgets::Dialogs;

class ConditionPages : public QObject {
  Q_OBJECT
 public:
  ConditionPages(Dialogs& dialogs, QWidget* pageParent);
  ~ConditionPages() override;

  QWidget* mainPage() const;   // fraTab(1): 杀直选, 定位杀, 和跨胆, 胆码, ratios, shapes
  QWidget* routePage() const;  // fraTab(2): 杀012排列
  QWidget* composePage() const;   // fraTab(4): txtCompose(0..7)
  QWidget* specialFrame() const;  // fraFilterSpecial, under the page area

  // Every condition but the fault tolerance, read afresh from the panels.
  void gather(Conditions& c) const;
  // Shows c on every panel (the tolerance is the window's).
  void apply(const Conditions& c);
  // Every panel back to its start state (the clear-all action).
  void clearAll();

  // A compose tab was chosen: only box i is enabled, light yellow.
  void selectComposeBox(int i);
  QWidget* composeBox(int i) const;

  // After a run: the cleaned sum list the sum box shows.
  void setSumText(const QString& text);

 signals:
  void helpRequested(int index);

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

}  // namespace torvane::ui
