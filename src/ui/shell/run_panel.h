#pragma once
// The run panel (picFilter): the fault-tolerance row and the five run buttons. It only
// shows controls; the window performs the actions.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace torvane::ui {

enum class RunAction { Run = 0, Group = 1, ClearAll = 2, CopyAll = 3, ExportAll = 4 };

class RunPanel : public QWidget {
  Q_OBJECT
 public:
  explicit RunPanel(QWidget* parent = nullptr);

  QPushButton* button(RunAction a) const { return buttons_[static_cast<int>(a)]; }
  QLineEdit* toleranceBox(int i) const { return tolerance_[i]; }  // txtWrong(i)

  QString toleranceText(int i) const;
  void setToleranceText(int i, const QString& text);

 signals:
  void actionRequested(torvane::ui::RunAction action);
  void helpRequested(int index);

 private:
  QPushButton* buttons_[5] = {};
  QLineEdit* tolerance_[2] = {};
};

}  // namespace torvane::ui
