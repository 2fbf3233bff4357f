#include "controls/t_scroll.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace torvane::controls {
namespace {

const QColor kArrowColor(0, 0, 128);
const QColor kPressedColor(255, 255, 255);

int Round(double v) {
  return static_cast<int>(std::nearbyint(v));
}

}  // namespace

tScroll::tScroll(QWidget* parent) : QWidget(parent) {
  setFixedWidth(kWidth);
  repeat_.setTimerType(Qt::PreciseTimer);
  connect(&repeat_, &QTimer::timeout, this, &tScroll::repeatTick);
  layoutParts();
}

void tScroll::wheel(int angleDelta, int step) {
  if (angleDelta > 0 && value_ > min_)
    setValue(value_ - step);
  else if (angleDelta < 0 && value_ < max_)
    setValue(value_ + step);
}

void tScroll::setValue(int v) {
  v = std::clamp(v, min_, std::max(min_, max_));
  if (v == value_) return;
  value_ = v;
  positionThumb();
  emit scrolled();
}

void tScroll::setMin(int v) {
  min_ = v;
  layoutParts();
}

void tScroll::setMax(int v) {
  max_ = v;
  layoutParts();
}

void tScroll::setForeColor(const QColor& c) {
  foreColor_ = c;
  update();
}

void tScroll::setBackColor(const QColor& c) {
  backColor_ = c;
  update();
}

void tScroll::resizeEvent(QResizeEvent*) {
  layoutParts();
}

void tScroll::layoutParts() {
  const int h = height();
  if (min_ >= max_) {
    thumbHeight_ = 1;
    thumbVisible_ = false;
    scale_ = 0;
  } else {
    const int track = h - 2 * kButtonHeight - 2;
    // The range may be wider than the track; the 64-bit span keeps Max - Min + 1 exact.
    const long long span = static_cast<long long>(max_) - min_;
    thumbHeight_ = std::max(kMinThumb, static_cast<int>(track / (span + 1)));
    thumbVisible_ = true;
    scale_ = static_cast<double>(track - thumbHeight_) / static_cast<double>(span);
    offset_ = kButtonHeight - 1;
  }
  positionThumb();
}

void tScroll::positionThumb() {
  if (value_ == min_)
    thumbTop_ = Round(offset_);
  else if (value_ == max_)
    thumbTop_ = thumbLowest();
  else
    thumbTop_ = Round((value_ - min_) * scale_ + offset_);
  update();
}

void tScroll::stepBy(int step) {
  value_ = std::clamp(value_ + step, min_, std::max(min_, max_));
  positionThumb();
  emit scrolled();
}

void tScroll::startRepeat(int step) {
  repeatStep_ = step;
  repeat_.setInterval(500);
  repeat_.start();
}

void tScroll::repeatTick() {
  repeat_.setInterval(50);
  value_ = std::clamp(value_ + repeatStep_, min_, std::max(min_, max_));
  if (value_ == max_ || value_ == min_) repeat_.stop();
  positionThumb();
  emit scrolled();
}

void tScroll::mousePressEvent(QMouseEvent* e) {
  const int y = Round(e->position().y());
  const bool left = e->button() == Qt::LeftButton;
  if (y < kButtonHeight) {
    if (!left) return;
    pressedPart_ = ScrollPart::DecreaseButton;
    if (value_ > min_) {
      stepBy(-smallChange_);
      startRepeat(-smallChange_);
    }
    update();
    return;
  }
  if (y >= increaseButtonTop()) {
    if (!left) return;
    pressedPart_ = ScrollPart::IncreaseButton;
    if (value_ < max_) {
      stepBy(smallChange_);
      startRepeat(smallChange_);
    }
    update();
    return;
  }
  if (!thumbVisible_) return;
  if (y >= thumbTop_ && y < thumbTop_ + thumbHeight_) {
    if (!left) return;
    pressedPart_ = ScrollPart::Thumb;
    grabY_ = y - thumbTop_;
    update();
    return;
  }
  // Track: a large step towards the pointer, repeated to the end of the range while held.
  if (y >= thumbTop_ + thumbHeight_ / 2.0) {
    if (value_ < max_) {
      stepBy(largeChange_);
      startRepeat(largeChange_);
    }
  } else if (value_ > min_) {
    stepBy(-largeChange_);
    startRepeat(-largeChange_);
  }
}

void tScroll::mouseMoveEvent(QMouseEvent* e) {
  if (pressedPart_ != ScrollPart::Thumb || !(e->buttons() & Qt::LeftButton)) return;
  const int y = Round(e->position().y());
  const int top = std::clamp(y - grabY_, Round(offset_), std::max(Round(offset_), thumbLowest()));
  int v = min_;
  if (scale_ > 0) v = Round((top - offset_) / scale_) + min_;
  value_ = std::clamp(v, min_, std::max(min_, max_));
  positionThumb();
  emit scrolled();
}

void tScroll::mouseReleaseEvent(QMouseEvent*) {
  repeat_.stop();
  if (pressedPart_ == ScrollPart::Thumb) positionThumb();
  pressedPart_ = ScrollPart::None;
  update();
}

void tScroll::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), backColor_);
  const int w = width();
  const QColor edge = foreColor_.darker(130);

  auto button = [&](int top, bool pressed, bool up) {
    const QRect r(0, top, w, kButtonHeight);
    p.fillRect(r, pressed ? kPressedColor : foreColor_);
    p.setPen(edge);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    // A small filled triangle pointing the way the button moves.
    const int cx = w / 2, cy = top + kButtonHeight / 2;
    QPolygon tri;
    if (up)
      tri << QPoint(cx - 4, cy + 2) << QPoint(cx + 4, cy + 2) << QPoint(cx, cy - 2);
    else
      tri << QPoint(cx - 4, cy - 2) << QPoint(cx + 4, cy - 2) << QPoint(cx, cy + 2);
    p.setPen(kArrowColor);
    p.setBrush(kArrowColor);
    p.drawPolygon(tri);
    p.setBrush(Qt::NoBrush);
  };
  button(0, pressedPart_ == ScrollPart::DecreaseButton, true);
  button(increaseButtonTop(), pressedPart_ == ScrollPart::IncreaseButton, false);

  if (thumbVisible_) {
    const QRect r(0, thumbTop_, w, thumbHeight_);
    p.fillRect(r, pressedPart_ == ScrollPart::Thumb ? kPressedColor : foreColor_);
    p.setPen(edge);
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
}

}  // namespace torvane::controls
