#include "results/page_button.h"

#include <QPainter>
#include <QVariant>

namespace torvane::results {

namespace {

const QColor kEdge(128, 128, 128);

}  // namespace

PageButton::PageButton(QWidget* parent) : QPushButton(parent) {
  setProperty("backColor", QColor());
}

void PageButton::setBackColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  setProperty("backColor", color);
  update();
}

void PageButton::paintEvent(QPaintEvent* e) {
  if (!color_.isValid()) {
    QPushButton::paintEvent(e);
    return;
  }
  QPainter p(this);
  p.fillRect(rect(), isDown() ? color_.darker(115) : color_);
  p.setPen(kEdge);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setFont(font());
  p.setPen(palette().color(QPalette::ButtonText));
  p.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace torvane::results
