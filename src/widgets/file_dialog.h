#pragma once
// The open and save dialogs: Qt's own widget dialog rather than the desktop's, so it
// speaks the program's language, with room for its file-size and type columns.

#include <QFileDialog>
#include <memory>

namespace torvane::widgets {

// filter in Qt form, e.g. "文本文件 (*.txt)"; suggested: the file name offered when saving.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                            const QString& filter,
                                            const QString& suggested = QString());

// Runs the dialog; the chosen path, empty when cancelled.
QString RunFileDialog(QFileDialog& dialog);

}  // namespace torvane::widgets
