#include "widgets/text_editor_window.h"

#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "core/atomic_file.h"
#include "widgets/dialogs.h"

namespace torvane::widgets {

TextEditorWindow::TextEditorWindow(Dialogs& dialogs, const QString& title, const QString& text,
                                   QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), edit_(new QPlainTextEdit(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlag(Qt::Window);
  setWindowTitle(title);
  setObjectName(QStringLiteral("TextEditorWindow"));
  edit_->setObjectName(QStringLiteral("txtEditor"));
  edit_->setPlainText(text);
  setCentralWidget(edit_);
  QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
  QAction* saveAction = file->addAction(QStringLiteral("保存…"), this, &TextEditorWindow::save);
  saveAction->setShortcut(QKeySequence::Save);
  file->addAction(QStringLiteral("关闭"), this, &QWidget::close);
  resize(640, 480);
}

QString TextEditorWindow::text() const {
  return edit_->toPlainText();
}

void TextEditorWindow::save() {
  QString path =
      dialogs_.saveFile(this, QStringLiteral("文本文件 (*.txt)"), QStringLiteral("号码.txt"));
  if (!path.isEmpty()) saveTo(path);
}

bool TextEditorWindow::saveTo(const QString& path) {
  const QByteArray bytes =
      edit_->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")).toUtf8();
  const FileWriteResult r = WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                                std::string_view(bytes.data(), bytes.size()));
  if (!r.ok) {
    dialogs_.warning(
        this, QStringLiteral("Torvane"),
        QStringLiteral("无法保存文件：%1\n%2").arg(path, QString::fromStdString(r.reason)));
    return false;
  }
  return true;
}

}  // namespace torvane::widgets
