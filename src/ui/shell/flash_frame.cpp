#include "ui/shell/flash_frame.h"

#include <QPainter>

#include "widgets/selectable_button.h"

namespace torvane::ui {

using widgets::RedColor;

FlashFrame::FlashFrame(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("shpFlash"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void FlashFrame::surround(const QWidget* target) {
  const QPoint topLeft = target->mapTo(parentWidget(), QPoint(0, 0));
  setGeometry(QRect(topLeft, target->size()).adjusted(-kBorder, -kBorder, kBorder, kBorder));
  raise();
}

void FlashFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor red = RedColor();
  const int w = width(), h = height();
  p.fillRect(0, 0, w, kBorder, red);
  p.fillRect(0, h - kBorder, w, kBorder, red);
  p.fillRect(0, 0, kBorder, h, red);
  p.fillRect(w - kBorder, 0, kBorder, h, red);
}

}  // namespace torvane::ui
