#pragma once
// The page buttons: one button per PageSize numbers, five to a row, five rows visible at a
// time with the scroll bar scrPage. The caption is the page number; the tooltip
// "first - last" (1-based) is the page's range.

#include <QString>
#include <QWidget>
#include <vector>

class QPushButton;

namespace torvane::controls {
class tScroll;
}

namespace torvane::results {

using controls::tScroll;


constexpr int kPagesPerRow = 5;
constexpr int kVisiblePageRows = 5;
constexpr int kPageButtonHeight = 21;  // 315 twips

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

// "k·size+1 - min((k+1)·size, count)"
QString PageTooltip(int page, int resultCount, int pageSize);
// Reads the tooltip back; an unreadable one gives an empty range (last < first).
PageRange ParsePageTooltip(const QString& tooltip);

enum class PageState { Untouched, Current, Copied };

class PageGrid : public QWidget {  // picPageContainer
  Q_OBJECT
 public:
  explicit PageGrid(QWidget* parent = nullptr);

  // Lays the buttons out afresh; all untouched, no current page.
  void rebuild(int resultCount, int pageSize);
  // Page k becomes current (green); the one current before turns red.
  void select(int page);

  int pageCount() const { return static_cast<int>(buttons_.size()); }
  QPushButton* button(int page) const { return buttons_.at(page); }
  PageState state(int page) const;
  tScroll* scrollBar() const { return scroll_; }
  QWidget* grid() const { return grid_; }

 signals:
  void pagePressed(int page);

 private:
  QPushButton* makeButton(int index);
  void onScroll();

  QWidget* grid_;  // picPage, moved up and down inside this window
  tScroll* scroll_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace torvane::results
