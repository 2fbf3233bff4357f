#pragma once
// A one-line box that takes only digits, "." and Backspace from the keyboard (other
// printable keys are dropped; pasting is not filtered), runs a check when left or on Enter,
// and keeps the focus when the check fails.

#include <QLineEdit>
#include <functional>

namespace torvane::results {

class DigitLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit DigitLineEdit(QWidget* parent = nullptr);

  // Runs on leaving and on Enter; false keeps the focus in the box.
  void setLeaveCheck(std::function<bool()> check) { check_ = std::move(check); }
  // Runs the check now; true when accepted (or no check is set).
  bool runCheck();

 signals:
  void enterAccepted();  // Enter pressed and the check accepted the text

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  std::function<bool()> check_;
  bool checking_ = false;
};

}  // namespace torvane::results
