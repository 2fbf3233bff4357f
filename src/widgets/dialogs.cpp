#include "widgets/dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "widgets/copy_notice.h"
#include "widgets/file_dialog.h"
#include "widgets/text_editor_window.h"

namespace torvane::widgets {

void QtDialogs::information(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text);
}

void QtDialogs::warning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

void QtDialogs::plain(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
  box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& title, const QString& text,
                         bool warningIcon) {
  QMessageBox box(warningIcon ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
  box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
  return box.exec() == QMessageBox::Yes;
}

Dialogs::Answer QtDialogs::questionWithCancel(QWidget* parent, const QString& title,
                                              const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
  box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

QString QtDialogs::openFile(QWidget* parent, const QString& filter) {
  return RunFileDialog(*MakeFileDialog(parent, QFileDialog::AcceptOpen, filter));
}

QStringList QtDialogs::chooseOpenFiles(QWidget* parent, const QString& filter) {
  const auto dialog = MakeFileDialog(parent, QFileDialog::AcceptOpen, filter);
  dialog->setFileMode(QFileDialog::ExistingFiles);
  return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
}

QString QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& suggested) {
  return RunFileDialog(*MakeFileDialog(parent, QFileDialog::AcceptSave, filter, suggested));
}

void QtDialogs::copyNotice(QWidget* parent) {
  ShowCopyNotice(parent);
}

void QtDialogs::openTextEditor(QWidget* parent, const QString& title, const QString& text) {
  auto* w = new TextEditorWindow(*this, title, text, parent);
  w->show();
}

QString QtDialogs::askText(QWidget* parent, const QString& title, const QString& label,
                           const QString& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
  return ok ? text : QString();
}

}  // namespace torvane::widgets
