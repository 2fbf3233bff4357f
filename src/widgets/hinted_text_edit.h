#pragma once
// A multi-line box with the shared box conventions: a grey hint shown while empty (a text
// equal to the hint counts as empty), an optional paste merge, a leave check that can keep
// the focus, and clear on double click.

#include <QPlainTextEdit>
#include <functional>

namespace torvane::widgets {

class HintedTextEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit HintedTextEdit(QWidget* parent = nullptr);

  void setHint(const QString& hint);  // then showHintIfEmpty
  const QString& hint() const { return hint_; }
  bool showsHint() const;

  QString text() const { return toPlainText(); }
  // Replaces the whole text in one step, however long it is.
  void setText(const QString& text);

  void hideHint();         // on focus in
  void showHintIfEmpty();  // on focus out, after a clear, at start-up

  // With a handler, a paste is not inserted: the handler gets the box text with the pasted
  // text in place of the selection, and sets the box itself.
  void setPasteHandler(std::function<void(const QString& merged)> handler);
  // For a number box's paste handler: `merged` with blanks around the pasted text, so a
  // pasted list never glues onto the numbers beside the caret ("22222" pasted right after
  // "11111 " before "33333" stays three numbers).
  QString pasteKeptApart(const QString& merged) const;
  // Runs when the box is left; false keeps the focus in the box.
  void setLeaveCheck(std::function<bool()> check);
  void setClearOnDoubleClick(bool on) { clearOnDoubleClick_ = on; }
  // Light-yellow background while focused (the condition boxes).
  void setFocusHighlight(bool on) { focusHighlight_ = on; }
  // The background when not focused; invalid: the window colour.
  void setBackground(const QColor& color);

 signals:
  void left();  // after the leave check accepted

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  void setGrey(bool grey);
  void paintBackground(const QColor& color);

  QString hint_;
  QColor background_;
  std::function<void(const QString&)> pasteHandler_;
  std::function<bool()> leaveCheck_;
  bool clearOnDoubleClick_ = false;
  bool focusHighlight_ = false;
  bool checking_ = false;
};

}  // namespace torvane::widgets
