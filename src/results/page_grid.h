#pragma once
// The page buttons: one page per PageSize numbers, five to a row, five rows in view with
// the scroll bar scrPage and the mouse wheel. The caption is the page number; the tooltip
// "first - last" (1-based) is the page's range.
//
// Only the rows in view have buttons: at most 25, made once and bound to other pages as
// the grid scrolls, so a count with thousands of pages costs what one with 25 does.

#include <QString>
#include <QWidget>
#include <vector>

class QPushButton;

namespace torvane::controls {
class tScroll;
}

namespace torvane::results {

using controls::tScroll;

class PageButton;

constexpr int kPagesPerRow = 5;
constexpr int kVisiblePageRows = 5;
constexpr int kPageButtonHeight = 21;

struct PageRange {
  int first = 0;  // 0-based rows, inclusive
  int last = -1;
};

inline int PageCount(int resultCount, int pageSize) {
  return resultCount < 1 || pageSize < 1 ? 0 : (resultCount + pageSize - 1) / pageSize;
}
inline int PageRows(int pages) {
  return (pages + kPagesPerRow - 1) / kPagesPerRow;
}
inline int PageButtonWidth(int rows) {
  return rows <= kVisiblePageRows ? 39 : 37;
}

// Rows k·size … min((k+1)·size, count) − 1.
PageRange PageRangeOf(int page, int resultCount, int pageSize);
// "k·size+1 - min((k+1)·size, count)"
QString PageTooltip(int page, int resultCount, int pageSize);
// Reads the tooltip back; an unreadable one gives an empty range (last < first).
PageRange ParsePageTooltip(const QString& tooltip);

enum class PageState { Untouched, Current, Copied };

class PageGrid : public QWidget {  // picPageContainer
  Q_OBJECT
 public:
  static constexpr int kWheelStep = 3;  // rows per wheel message, as the result list

  explicit PageGrid(QWidget* parent = nullptr);

  // New pages: all untouched, no current page, the first rows in view.
  void rebuild(int resultCount, int pageSize);
  // Page k becomes current (green); the one current before turns red.
  void select(int page);

  int pageCount() const { return pageCount_; }
  PageRange range(int page) const { return PageRangeOf(page, resultCount_, pageSize_); }
  PageState state(int page) const;
  // The button that shows page k (objectName "cmdPage(k)"), or nullptr while its row is
  // scrolled out of view.
  QPushButton* button(int page) const;
  int firstVisibleRow() const { return firstRow_; }
  tScroll* scrollBar() const { return scroll_; }

 signals:
  void pagePressed(int page);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  PageButton* slotButton(int slot);
  void bindButtons();
  void showState(int page);  // on its button, while in view
  void paintState(PageButton* b, int page);
  void onScroll();

  QWidget* grid_;  // picPage: the rows in view
  tScroll* scroll_;
  std::vector<PageButton*> slots_;  // row by row from the first row in view
  std::vector<PageState> states_;
  int current_ = -1;
  int resultCount_ = 0;
  int pageSize_ = 1;
  int pageCount_ = 0;
  int firstRow_ = 0;
  int buttonWidth_ = PageButtonWidth(0);
};

}  // namespace torvane::results
