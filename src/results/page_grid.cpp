#include "results/page_grid.h"

#include <QStringList>
#include <QVariant>
#include <QWheelEvent>
#include <algorithm>

#include "controls/t_scroll.h"
#include "results/page_button.h"
#include "widgets/selectable_button.h"

namespace torvane::results {

using controls::tScroll;
using widgets::GreenColor;
using widgets::RedColor;

namespace {

const QString kSeparator = QStringLiteral(" - ");
constexpr int kSlots = kPagesPerRow * kVisiblePageRows;
constexpr int kInnerWidth = kPagesPerRow * 39 + tScroll::kWidth + 2;

QColor StateColor(PageState s) {
  switch (s) {
    case PageState::Current:
      return GreenColor();
    case PageState::Copied:
      return RedColor();
    case PageState::Untouched:
      break;
  }
  return QColor();
}

}  // namespace

PageRange PageRangeOf(int page, int resultCount, int pageSize) {
  const long long first = static_cast<long long>(page) * pageSize;
  const long long end = std::min<long long>(first + pageSize, resultCount);
  return {static_cast<int>(first), static_cast<int>(end - 1)};
}

QString PageTooltip(int page, int resultCount, int pageSize) {
  const PageRange r = PageRangeOf(page, resultCount, pageSize);
  return QString::number(r.first + 1) + kSeparator + QString::number(r.last + 1);
}

PageRange ParsePageTooltip(const QString& tooltip) {
  const QStringList parts = tooltip.split(kSeparator);
  if (parts.size() != 2) return {};
  bool ok1 = false, ok2 = false;
  const int a = parts[0].toInt(&ok1), b = parts[1].toInt(&ok2);
  if (!ok1 || !ok2 || a < 1 || b < a) return {};
  return {a - 1, b - 1};
}

PageGrid::PageGrid(QWidget* parent)
    : QWidget(parent), grid_(new QWidget(this)), scroll_(new tScroll(this)) {
  setObjectName(QStringLiteral("picPageContainer"));
  grid_->setObjectName(QStringLiteral("picPage"));
  scroll_->setObjectName(QStringLiteral("scrPage"));
  scroll_->setForeColor(QColor(224, 224, 255));
  scroll_->hide();
  connect(scroll_, &tScroll::scrolled, this, &PageGrid::onScroll);
  rebuild(0, 1);
}

PageButton* PageGrid::slotButton(int slot) {
  while (static_cast<int>(slots_.size()) <= slot) {
    const int s = static_cast<int>(slots_.size());
    auto* b = new PageButton(grid_);
    // The buttons cover the grid: a wheel turn over one moves the grid.
    b->installEventFilter(this);
    // The page a slot shows changes as the grid scrolls; it is looked up at the press.
    connect(b, &QPushButton::clicked, this,
            [this, s] { emit pagePressed(firstRow_ * kPagesPerRow + s); });
    slots_.push_back(b);
  }
  return slots_[static_cast<size_t>(slot)];
}

void PageGrid::rebuild(int resultCount, int pageSize) {
  resultCount_ = resultCount;
  pageSize_ = std::max(1, pageSize);
  // Button 1 stands even without results; the panel is cut above it then.
  pageCount_ = std::max(1, PageCount(resultCount, pageSize_));
  states_.assign(static_cast<size_t>(pageCount_), PageState::Untouched);
  current_ = -1;
  firstRow_ = 0;

  const int rows = PageRows(pageCount_);
  buttonWidth_ = PageButtonWidth(rows);
  const int shownRows = std::min(rows, kVisiblePageRows);
  const int height = shownRows * kPageButtonHeight;
  grid_->setGeometry(0, 0, kInnerWidth, height);
  setFixedSize(kInnerWidth, height);
  if (rows <= kVisiblePageRows) {
    scroll_->hide();
  } else {
    scroll_->setGeometry(kInnerWidth - tScroll::kWidth - 2, 0, tScroll::kWidth, height);
    scroll_->setMin(0);
    scroll_->setMax(rows - kVisiblePageRows);
    scroll_->setSmallChange(1);
    scroll_->setLargeChange(kVisiblePageRows);
    scroll_->blockSignals(true);  // the buttons are bound once, below
    scroll_->setValue(0);
    scroll_->blockSignals(false);
    scroll_->show();
    scroll_->raise();
  }
  bindButtons();
}

void PageGrid::bindButtons() {
  const int first = firstRow_ * kPagesPerRow;
  const int shown = std::min(kSlots, pageCount_ - first);
  for (int s = 0; s < shown; ++s) {
    PageButton* b = slotButton(s);
    const int page = first + s;
    b->setText(QString::number(page + 1));
    b->setObjectName(QStringLiteral("cmdPage(%1)").arg(page));
    b->setToolTip(PageTooltip(page, resultCount_, pageSize_));
    b->setGeometry((s % kPagesPerRow) * buttonWidth_, (s / kPagesPerRow) * kPageButtonHeight,
                   buttonWidth_, kPageButtonHeight);
    paintState(b, page);
    b->show();
  }
  for (int s = shown; s < static_cast<int>(slots_.size()); ++s) {
    slots_[static_cast<size_t>(s)]->hide();
    slots_[static_cast<size_t>(s)]->setObjectName(QString());
  }
}

QPushButton* PageGrid::button(int page) const {
  const int s = page - firstRow_ * kPagesPerRow;
  if (page < 0 || page >= pageCount_ || s < 0 || s >= static_cast<int>(slots_.size()))
    return nullptr;
  QPushButton* b = slots_[static_cast<size_t>(s)];
  return b->isHidden() ? nullptr : b;
}

void PageGrid::showState(int page) {
  if (auto* b = static_cast<PageButton*>(button(page))) paintState(b, page);
}

void PageGrid::paintState(PageButton* b, int page) {
  const PageState s = states_[static_cast<size_t>(page)];
  b->setProperty("Tag", s == PageState::Current ? QStringLiteral("1") : QStringLiteral("0"));
  b->setBackColor(StateColor(s));
}

void PageGrid::select(int page) {
  if (page < 0 || page >= pageCount_) return;
  // At most one page is current; pressing it again leaves it so.
  if (current_ >= 0 && current_ != page) {
    states_[static_cast<size_t>(current_)] = PageState::Copied;
    showState(current_);
  }
  current_ = page;
  states_[static_cast<size_t>(page)] = PageState::Current;
  showState(page);
}

PageState PageGrid::state(int page) const {
  if (page < 0 || page >= pageCount_) return PageState::Untouched;
  return states_[static_cast<size_t>(page)];
}

void PageGrid::onScroll() {
  if (scroll_->value() == firstRow_) return;
  firstRow_ = scroll_->value();
  bindButtons();
}

bool PageGrid::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Wheel) {
    wheelEvent(static_cast<QWheelEvent*>(e));
    return true;
  }
  return QWidget::eventFilter(watched, e);
}

void PageGrid::wheelEvent(QWheelEvent* e) {
  e->accept();
  if (scroll_->isHidden()) return;
  scroll_->wheel(e->angleDelta().y(), kWheelStep);
}

}  // namespace torvane::results
