#pragma once
// The "交集功能" page: boxes A and B, the four operations and the result box.

#include <QWidget>

namespace torvane::ui {

class Dialogs;

class SetOpsPage : public QWidget {
  Q_OBJECT
 public:
  explicit SetOpsPage(Dialogs& dialogs, QWidget* parent = nullptr);

 signals:
  void helpRequested(int index);
};

}  // namespace torvane::ui
