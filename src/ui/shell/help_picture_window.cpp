#include "ui/shell/help_picture_window.h"

#include <QLabel>
#include <QPixmap>

namespace torvane::ui {
namespace {
// Used when the picture cannot be decoded, so the window still has its place.
constexpr QSize kEmptySize(480, 360);
}  // namespace

HelpPictureWindow::HelpPictureWindow(const QByteArray& jpeg, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("胆组说明界面"));
  setAttribute(Qt::WA_DeleteOnClose);
  picture_ = QImage::fromData(jpeg, "JPG");
  QSize size = picture_.isNull() ? kEmptySize : picture_.size();
  setFixedSize(size);
  view_ = new QLabel(this);
  view_->setGeometry(0, 0, size.width(), size.height());
  if (!picture_.isNull()) view_->setPixmap(QPixmap::fromImage(picture_));
  view_->raise();
  view_->show();
}

}  // namespace torvane::ui

#include "moc_help_picture_window.cpp"
