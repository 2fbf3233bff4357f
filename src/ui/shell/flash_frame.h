#pragma once
// shpFlash: a red rectangle, 4 pixels wide, drawn around the active condition-text box.
// It ignores the mouse so the box under it stays usable.

#include <QWidget>

namespace torvane::ui {

class FlashFrame : public QWidget {
 public:
  static constexpr int kBorder = 4;

  explicit FlashFrame(QWidget* parent);
  // Frames target, which must lie inside the frame's parent.
  void surround(const QWidget* target);

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace torvane::ui
