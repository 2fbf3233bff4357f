#pragma once
// The program's own plain-text editor for exported results; it writes a file only when
// the player saves, and asks before closing over edits that were not saved.

#include <QMainWindow>

class QPlainTextEdit;

namespace torvane::widgets {

class Dialogs;

class TextEditorWindow : public QMainWindow {
  Q_OBJECT
 public:
  TextEditorWindow(Dialogs& dialogs, const QString& title, const QString& text,
                   QWidget* parent = nullptr);
  QString text() const;
  QPlainTextEdit* editor() const { return edit_; }
  // Edited since it opened or was last saved.
  bool isChanged() const;
  // Writes the text to path; false (and a message) when it could not.
  bool saveTo(const QString& path);
  // Asks for a file name, then saves; false when cancelled or the write failed.
  bool save();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  Dialogs& dialogs_;
  QPlainTextEdit* edit_;
};

}  // namespace torvane::widgets
