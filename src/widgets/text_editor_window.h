#pragma once
// The program's own plain-text editor for exported results; it writes a file only when
// the player saves.

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
  // Writes the text to path; false (and a message) when it could not.
  bool saveTo(const QString& path);

 private:
  void save();

  Dialogs& dialogs_;
  QPlainTextEdit* edit_;
};

}  // namespace torvane::widgets
