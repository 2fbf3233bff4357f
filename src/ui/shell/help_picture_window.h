#pragma once
// "胆组说明界面": a small fixed window that shows the banker help picture.

#include <QImage>
#include <QWidget>

class QLabel;

namespace torvane::ui {

class HelpPictureWindow : public QWidget {
  Q_OBJECT
 public:
  // jpeg: the encoded picture; one that does not decode leaves the window empty.
  explicit HelpPictureWindow(const QByteArray& jpeg, QWidget* parent = nullptr);

  const QImage& picture() const { return picture_; }

 private:
  QImage picture_;
  QLabel* view_ = nullptr;
};

}  // namespace torvane::ui
