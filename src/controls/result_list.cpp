#include "controls/result_list.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "controls/result_rows_painter.h"
#include "controls/t_scroll.h"

namespace torvane::controls {
namespace {

constexpr int kBorder = 2;     // px, top and bottom border lines together
constexpr int kTopMargin = 4;  // px
constexpr int kRowGap = 4;     // px between text lines

}  // namespace

QFont ResultListFont() {
  QFont f;
  f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                 QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Micro Hei"),
                 QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
  f.setPointSize(9);
  return f;
}

ResultList::ResultList(QWidget* parent)
    : QWidget(parent),
      backColor_(QApplication::palette().color(QPalette::Button)),
      foreColor_(QApplication::palette().color(QPalette::ButtonText)),
      font_(parent ? parent->font() : QApplication::font()),
      scroll_(new tScroll(this)) {
  scroll_->setObjectName(QStringLiteral("rlScroll"));
  scroll_->setForeColor(QColor(224, 224, 255));
  scroll_->hide();
  connect(scroll_, &tScroll::scrolled, this, &ResultList::onScroll);
  layoutRows();
}

void ResultList::setBackColor(const QColor& c) {
  backColor_ = c;
  update();
}

void ResultList::setForeColor(const QColor& c) {
  foreColor_ = c;
  update();
}

void ResultList::setBorderColor(const QColor& c) {
  borderColor_ = c;
  update();
}

void ResultList::setListFont(const QFont& f) {
  font_ = f;
  layoutRows();
  update();
}

void ResultList::setData(std::shared_ptr<const DigitTable> table) {
  data_ = table ? std::move(table) : std::make_shared<const DigitTable>();
  rowCount_ = DisplayRowCount(data_->count());
  scroll_->setValue(0);
  topRow_ = 0;
  hasData_ = true;
  layoutRows();
  update();
}

void ResultList::setTopIndex(int topIndex) {
  if (scroll_->isHidden() || !hasData_) return;
  topIndex = std::clamp(topIndex, scroll_->min(), scroll_->max());
  if (topIndex == scroll_->value()) return;
  topRow_ = topIndex;
  scroll_->setValue(topIndex);
  update();
}

void ResultList::clear() {
  hasData_ = false;
  scroll_->hide();
  update();
}

void ResultList::onScroll() {
  topRow_ = scroll_->value();
  update();
}

void ResultList::resizeEvent(QResizeEvent*) {
  layoutRows();
}

void ResultList::layoutRows() {
  lineHeight_ = QFontMetrics(font_, this).height();
  const int pitch = kRowGap + lineHeight_;
  const int usable = height() - kBorder - kTopMargin;
  // Halves go to the even neighbour; at least one row so the spread below stays finite.
  visibleRows_ = std::max(1, static_cast<int>(std::nearbyint(double(usable) / pitch)));
  rowHeight_ = double(std::max(usable, 1)) / visibleRows_;

  scroll_->setGeometry(width() - 1 - tScroll::kWidth, 1, tScroll::kWidth, height() - 2);
  if (hasData_ && visibleRows_ < rowCount_) {
    scroll_->setMin(0);
    scroll_->setMax(rowCount_ - visibleRows_);
    scroll_->setValue(std::min(scroll_->value(), scroll_->max()));
    scroll_->setSmallChange(1);
    scroll_->setLargeChange(visibleRows_);
    scroll_->show();
    topRow_ = scroll_->value();
  } else {
    scroll_->hide();
    // Everything fits: rows above the top would otherwise be out of reach.
    topRow_ = 0;
  }
  update();
}

int ResultList::drawnRows() const {
  if (!hasData_) return 0;
  return std::max(0, std::min(visibleRows_, rowCount_ - topRow_));
}

QString ResultList::visibleRowText(int j) const {
  if (j < 0 || j >= drawnRows()) return QString();
  return ResultRowText(*data_, topRow_ + j);
}

void ResultList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), backColor_);
  if (hasData_) {
    RowPaintStyle style;
    style.font = font_;
    style.color = foreColor_;
    style.left = 4;
    style.top = kTopMargin;
    PaintResultRows(p, *data_, topRow_, visibleRows_, rowHeight_, style);
  }
  p.setPen(borderColor_);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, width() - 1, height() - 1);
}

void ResultList::wheelEvent(QWheelEvent* e) {
  e->accept();
  if (scroll_->isHidden()) return;
  scroll_->wheel(e->angleDelta().y(), kWheelStep);
}

}  // namespace torvane::controls
