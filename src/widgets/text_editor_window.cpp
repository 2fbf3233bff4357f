#include "widgets/text_editor_window.h"

#include <QCloseEvent>
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
  // "[*]" shows a star in the title while there are unsaved edits.
  setWindowTitle(title + QStringLiteral("[*]"));
  setObjectName(QStringLiteral("TextEditorWindow"));
  edit_->setObjectName(QStringLiteral("txtEditor"));
  edit_->setPlainText(text);
  edit_->document()->setModified(false);
  connect(edit_->document(), &QTextDocument::modificationChanged, this,
          &QWidget::setWindowModified);
  setCentralWidget(edit_);
  QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
  QAction* saveAction = file->addAction(QStringLiteral("保存…"), this, [this] { save(); });
  saveAction->setShortcut(QKeySequence::Save);
  QAction* closeAction = file->addAction(QStringLiteral("关闭"), this, &QWidget::close);
  saveAction->setObjectName(QStringLiteral("mnuEditorSave"));
  closeAction->setObjectName(QStringLiteral("mnuEditorClose"));
  resize(640, 480);
}

QString TextEditorWindow::text() const {
  return edit_->toPlainText();
}

bool TextEditorWindow::isChanged() const {
  return edit_->document()->isModified();
}

bool TextEditorWindow::save() {
  QString path =
      dialogs_.saveFile(this, QStringLiteral("文本文件 (*.txt)"), QStringLiteral("号码.txt"));
  return !path.isEmpty() && saveTo(path);
}

void TextEditorWindow::closeEvent(QCloseEvent* e) {
  if (isChanged()) {
    switch (dialogs_.questionWithCancel(this, windowTitle().remove(QStringLiteral("[*]")),
                                        QStringLiteral("号码已修改，是否保存？"))) {
      case Dialogs::Answer::Yes:
        if (save()) break;
        [[fallthrough]];  // not saved: the edits stay open
      case Dialogs::Answer::Cancel:
        e->ignore();
        return;
      case Dialogs::Answer::No:
        break;
    }
  }
  QMainWindow::closeEvent(e);
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
  edit_->document()->setModified(false);
  return true;
}

}  // namespace torvane::widgets
