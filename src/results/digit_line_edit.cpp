#include "results/digit_line_edit.h"

#include <QKeyEvent>

namespace torvane::results {

DigitLineEdit::DigitLineEdit(QWidget* parent) : QLineEdit(parent) {}

bool DigitLineEdit::runCheck() {
  if (!check_ || checking_) return true;
  // The check may show a message box, which takes the focus away again.
  checking_ = true;
  const bool ok = check_();
  checking_ = false;
  return ok;
}

void DigitLineEdit::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    if (runCheck()) emit enterAccepted();
    return;
  }
  if (e->key() == Qt::Key_Backspace || e->matches(QKeySequence::Paste) ||
      e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut) ||
      e->matches(QKeySequence::SelectAll) || e->matches(QKeySequence::Undo)) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  const QString t = e->text();
  if (!t.isEmpty() && t[0].isPrint() && !(e->modifiers() & Qt::ControlModifier)) {
    for (QChar c : t)
      if ((c < QChar('0') || c > QChar('9')) && c != QChar('.')) return;  // dropped silently
  }
  QLineEdit::keyPressEvent(e);
}

void DigitLineEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (checking_ || !check_) return;
  // Switching to another window or opening a menu is not leaving the box.
  if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
  if (!runCheck()) {
    setFocus();
    selectAll();
  }
}

}  // namespace torvane::results
