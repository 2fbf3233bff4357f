#include "results/page_grid.h"

#include <QPushButton>
#include <QStringList>
#include <QVariant>
#include <algorithm>

#include "controls/t_scroll.h"
#include "results/page_button.h"
#include "widgets/selectable_button.h"

namespace torvane::results {

using controls::tScroll;
using widgets::ButtonColor;
using widgets::GreenColor;
using widgets::RedColor;

namespace {

const QString kSeparator = QStringLiteral(" - ");

QString Tag(const QPushButton* b) {
  return b->property("Tag").toString();
}

}  // namespace

QString PageTooltip(int page, int resultCount, int pageSize) {
  const long long first = static_cast<long long>(page) * pageSize + 1;
  const long long last =
      std::min<long long>(static_cast<long long>(page + 1) * pageSize, resultCount);
  return QString::number(first) + kSeparator + QString::number(last);
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
  connect(scroll_, &tScroll::Scroll, this, &PageGrid::onScroll);
  buttons_.push_back(makeButton(0));
}

QPushButton* PageGrid::makeButton(int index) {
  auto* b = new PageButton(grid_);
  b->setText(QString::number(index + 1));
  b->setObjectName(QStringLiteral("cmdPage(%1)").arg(index));
  b->setProperty("Tag", QStringLiteral("0"));
  connect(b, &QPushButton::clicked, this, [this, index] { emit pagePressed(index); });
  return b;
}

void PageGrid::rebuild(int resultCount, int pageSize) {
  const int pages = std::max(1, PageCount(resultCount, pageSize));
  const int rows = PageRows(pages);
  const int width = PageButtonWidth(rows);

  // Drop the buttons of the last build, highest first; button 0 is kept and reset. Later
  // deletion: a rebuild can run from the focus change of a press on one of them.
  while (buttons_.size() > 1) {
    QPushButton* old = buttons_.back();
    old->hide();
    old->setObjectName(QString());
    old->disconnect(this);
    old->deleteLater();
    buttons_.pop_back();
  }
  QPushButton* first = buttons_[0];
  first->setProperty("Tag", QStringLiteral("0"));
  static_cast<PageButton*>(first)->setBackColor(QColor());
  first->setGeometry(0, 0, width, kPageButtonHeight);
  for (int i = 1; i < pages; ++i) {
    QPushButton* b = makeButton(i);
    const QRect prev = buttons_.back()->geometry();
    if (i % kPagesPerRow != 0)
      b->setGeometry(prev.x() + prev.width(), prev.y(), width, kPageButtonHeight);
    else
      b->setGeometry(first->x(), prev.y() + prev.height(), width, kPageButtonHeight);
    b->show();
    buttons_.push_back(b);
  }
  for (int k = 0; k < pages; ++k) buttons_[k]->setToolTip(PageTooltip(k, resultCount, pageSize));

  const int gridHeight = rows * kPageButtonHeight;
  const int innerWidth = kPagesPerRow * 39 + tScroll::kWidth + 2;
  grid_->setGeometry(0, 0, innerWidth, gridHeight);
  if (rows <= kVisiblePageRows) {
    scroll_->hide();
    setFixedSize(innerWidth, gridHeight);
  } else {
    const int h = kVisiblePageRows * kPageButtonHeight;
    setFixedSize(innerWidth, h);
    scroll_->setGeometry(innerWidth - tScroll::kWidth - 2, 0, tScroll::kWidth, h);
    scroll_->setMin(0);
    scroll_->setMax(rows - kVisiblePageRows);
    scroll_->setSmallChange(1);
    scroll_->setLargeChange(kVisiblePageRows);
    scroll_->setValue(0);
    scroll_->show();
    scroll_->raise();
  }
}

void PageGrid::select(int page) {
  if (page < 0 || page >= pageCount()) return;
  // The first other button found current (lower indexes first) turns red.
  for (int i = 0; i < pageCount(); ++i) {
    if (i == page || Tag(buttons_[i]) != QStringLiteral("1")) continue;
    buttons_[i]->setProperty("Tag", QStringLiteral("0"));
    static_cast<PageButton*>(buttons_[i])->setBackColor(RedColor());
    break;
  }
  buttons_[page]->setProperty("Tag", QStringLiteral("1"));
  static_cast<PageButton*>(buttons_[page])->setBackColor(GreenColor());
}

PageState PageGrid::state(int page) const {
  const QPushButton* b = buttons_.at(page);
  if (Tag(b) == QStringLiteral("1")) return PageState::Current;
  return ButtonColor(b) == RedColor() ? PageState::Copied : PageState::Untouched;
}

void PageGrid::onScroll() {
  grid_->move(0, -scroll_->value() * kPageButtonHeight);
}

}  // namespace torvane::results
