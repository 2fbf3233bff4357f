#pragma once
// Every modal thing the window shows goes through here, so tests can script it.

#include <QString>
#include <QStringList>

class QWidget;

namespace torvane::widgets {

class Dialogs {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~Dialogs() = default;

  // OK boxes. information: the information icon; warning: the exclamation icon;
  // plain: no icon.
  virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void plain(QWidget* parent, const QString& title, const QString& text) = 0;

  // Yes/No; true for Yes. warningIcon false: no icon.
  virtual bool question(QWidget* parent, const QString& title, const QString& text,
                        bool warningIcon) = 0;
  // Yes/No/Cancel with the question icon; closing the box is Cancel.
  virtual Answer questionWithCancel(QWidget* parent, const QString& title, const QString& text) = 0;

  // Empty when cancelled. filter in Qt form, e.g. "文本文件 (*.txt)".
  virtual QString openFile(QWidget* parent, const QString& filter) = 0;
  // Several files at once; empty when cancelled.
  virtual QStringList chooseOpenFiles(QWidget* parent, const QString& filter) = 0;
  virtual QString saveFile(QWidget* parent, const QString& filter, const QString& suggested) = 0;

  // The self-closing "复制成功" notice.
  virtual void copyNotice(QWidget* parent) = 0;

  // Opens text in the program's own plain-text editor window (modeless).
  virtual void openTextEditor(QWidget* parent, const QString& title, const QString& text) = 0;

  // One line of text, prefilled with `initial`; a null QString when cancelled.
  virtual QString askText(QWidget* parent, const QString& title, const QString& label,
                          const QString& initial) = 0;
};

// The real thing: QMessageBox, QFileDialog and friends.
class QtDialogs : public Dialogs {
 public:
  void information(QWidget* parent, const QString& title, const QString& text) override;
  void warning(QWidget* parent, const QString& title, const QString& text) override;
  void plain(QWidget* parent, const QString& title, const QString& text) override;
  bool question(QWidget* parent, const QString& title, const QString& text,
                bool warningIcon) override;
  Answer questionWithCancel(QWidget* parent, const QString& title, const QString& text) override;
  QString openFile(QWidget* parent, const QString& filter) override;
  QStringList chooseOpenFiles(QWidget* parent, const QString& filter) override;
  QString saveFile(QWidget* parent, const QString& filter, const QString& suggested) override;
  void copyNotice(QWidget* parent) override;
  void openTextEditor(QWidget* parent, const QString& title, const QString& text) override;
  QString askText(QWidget* parent, const QString& title, const QString& label,
                  const QString& initial) override;
};

}  // namespace torvane::widgets
