#include "widgets/file_dialog.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

namespace torvane::widgets {
namespace {

// Columns of the detail view: name, size, type, date modified.
constexpr int kNameColumn = 0;
constexpr int kColumns = 4;

void SizeColumns(QFileDialog& dialog) {
  auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!tree) return;
  QHeaderView* header = tree->header();
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(header->fontMetrics().horizontalAdvance(QStringLiteral("文件")));
  // Size, type and date as wide as their texts; the name takes the rest.
  for (int c = 0; c < kColumns; ++c)
    header->setSectionResizeMode(
        c, c == kNameColumn ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                            const QString& filter, const QString& suggested) {
  auto dialog = std::make_unique<QFileDialog>(parent, QString(), QString(), filter);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(mode);
  dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
  dialog->setViewMode(QFileDialog::Detail);
  if (!suggested.isEmpty()) dialog->selectFile(suggested);
  SizeColumns(*dialog);

  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  QSize size(860, 540);
  if (screen) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  dialog->resize(size.expandedTo(dialog->minimumSizeHint()));
  return dialog;
}

QString RunFileDialog(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace torvane::widgets
