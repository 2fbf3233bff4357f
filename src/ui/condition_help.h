#pragma once
// The "说明" buttons: help text blocks in a message box, or the banker help picture.

#include <QObject>

class QWidget;

namespace torvane::ui {

class Dialogs;

class ConditionHelp : public QObject {
  Q_OBJECT
 public:
  ConditionHelp(Dialogs& dialogs, QWidget* window);

  // Loads the help document; the window calls it once, shortly after start-up.
  void load();
  // The action of help button index (0..23); other indexes do nothing.
  void ShowConditionHelp(int index);

 private:
  Dialogs& dialogs_;
  QWidget* window_;
};

}  // namespace torvane::ui
