#include "widgets/hinted_text_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMimeData>
#include <QPointer>
#include <QTextCursor>
#include <QTimer>

#include "widgets/clipboard.h"
#include "widgets/pending_click.h"
#include "widgets/selectable_button.h"

namespace torvane::widgets {
namespace {

QString StripBlanksAndBreaks(QString s) {
  s.remove(QChar('\r'));
  s.remove(QChar('\n'));
  s.remove(QChar(' '));
  return s;
}

}  // namespace

HintedTextEdit::HintedTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
}

void HintedTextEdit::setHint(const QString& hint) {
  hint_ = hint;
  showHintIfEmpty();
}

bool HintedTextEdit::showsHint() const {
  return !hint_.isEmpty() && toPlainText() == hint_;
}

void HintedTextEdit::setText(const QString& text) {
  setPlainText(text);
  if (!showsHint()) setGrey(false);
}

void HintedTextEdit::setGrey(bool grey) {
  QPalette p = palette();
  p.setColor(QPalette::Text,
             grey ? QApplication::palette().color(QPalette::Disabled, QPalette::WindowText)
                  : QApplication::palette().color(QPalette::Text));
  setPalette(p);
}

void HintedTextEdit::hideHint() {
  if (!hint_.isEmpty() && toPlainText() == hint_) setPlainText(QString());
  setGrey(false);
}

void HintedTextEdit::showHintIfEmpty() {
  if (hint_.isEmpty()) {
    setGrey(false);
    return;
  }
  QString stripped = StripBlanksAndBreaks(toPlainText());
  if (stripped.isEmpty() || stripped == StripBlanksAndBreaks(hint_)) {
    setPlainText(hint_);
    setGrey(true);
  } else {
    setGrey(false);
  }
}

void HintedTextEdit::setPasteHandler(std::function<void(const QString&)> handler) {
  pasteHandler_ = std::move(handler);
}

void HintedTextEdit::setLeaveCheck(std::function<bool()> check) {
  leaveCheck_ = std::move(check);
}

void HintedTextEdit::setBackground(const QColor& color) {
  background_ = color;
  paintBackground(color);
}

void HintedTextEdit::paintBackground(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Base,
             color.isValid() ? color : QApplication::palette().color(QPalette::Base));
  setPalette(p);
}

void HintedTextEdit::focusInEvent(QFocusEvent* e) {
  hideHint();
  if (focusHighlight_) paintBackground(LightYellowColor());
  QPlainTextEdit::focusInEvent(e);
}

void HintedTextEdit::focusOutEvent(QFocusEvent* e) {
  QPlainTextEdit::focusOutEvent(e);
  if (checking_) return;
  // Switching to another program, opening a menu or closing the window does not leave the
  // box: the focus comes back to it, and no question may pop up on the way out.
  if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason ||
      !isVisible())
    return;
  if (leaveCheck_) {
    // The widget a mouse press is giving the focus to; the press reaches it only after
    // the check, which may have asked a question.
    QPointer<QWidget> target;
    if (e->reason() == Qt::MouseFocusReason) target = QApplication::focusWidget();
    checking_ = true;
    bool ok = leaveCheck_();
    checking_ = false;
    if (target && target != this) SettlePendingClick(target, ok);
    if (!ok) {
      // Keep the player in the box until the text is fixed.
      QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
      setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  if (focusHighlight_) paintBackground(background_);
  showHintIfEmpty();
  emit left();
}

void HintedTextEdit::insertFromMimeData(const QMimeData* source) {
  if (!pasteHandler_) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  QString pasted = source && source->hasText() ? source->text() : ReadClipboardText();
  QTextCursor c = textCursor();
  QString all = toPlainText();
  int start = c.selectionStart(), end = c.selectionEnd();
  pasteHandler_(all.left(start) + pasted + all.mid(end));
}

QString HintedTextEdit::pasteKeptApart(const QString& merged) const {
  const QTextCursor c = textCursor();
  const QString all = toPlainText();
  const QString left = all.left(c.selectionStart());
  const QString right = all.mid(c.selectionEnd());
  const QString pasted = merged.mid(left.size(), merged.size() - left.size() - right.size());
  return left + QLatin1Char(' ') + pasted + QLatin1Char(' ') + right;
}

void HintedTextEdit::mouseDoubleClickEvent(QMouseEvent* e) {
  if (clearOnDoubleClick_) {
    setPlainText(QString());
    setGrey(false);
    return;
  }
  QPlainTextEdit::mouseDoubleClickEvent(e);
}

}  // namespace torvane::widgets
