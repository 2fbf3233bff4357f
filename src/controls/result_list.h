#pragma once
// ResultList: shows up to 100000 five-digit numbers, five to a row, drawing only the rows
// that fit; scrolled by whole rows with its own tScroll (rlScroll) and the mouse wheel.

#include <QColor>
#include <QFont>
#include <QWidget>
#include <memory>

#include "core/digit_table.h"

namespace torvane::controls {

class tScroll;

class ResultList : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWheelStep = 3;

  explicit ResultList(QWidget* parent = nullptr);

  // Shows the table from the first row. The table is shared with its owner, never copied;
  // it is const, so what the list shows cannot change under it.
  void setData(std::shared_ptr<const DigitTable> table);
  void setData(DigitTable table) { setData(std::make_shared<const DigitTable>(std::move(table))); }
  // Makes display row topIndex the top row (clamped); only while the scroll bar shows.
  void setTopIndex(int topIndex);
  // Empties the surface and hides the scroll bar; the table stays until the next setData.
  void clear();
  void refresh() { update(); }

  QColor backColor() const { return backColor_; }
  void setBackColor(const QColor& c);
  QColor foreColor() const { return foreColor_; }
  void setForeColor(const QColor& c);
  QColor borderColor() const { return borderColor_; }
  void setBorderColor(const QColor& c);
  // Font of the numbers; decides the line height, so the rows are laid out again.
  void setListFont(const QFont& f);
  const QFont& listFont() const { return font_; }

  bool hasData() const { return hasData_; }
  int rowCount() const { return rowCount_; }
  int topRow() const { return topRow_; }
  int visibleRows() const { return visibleRows_; }
  double rowHeight() const { return rowHeight_; }
  int lineHeight() const { return lineHeight_; }
  tScroll* scrollBar() const { return scroll_; }
  // Text of the j-th row on screen (empty beyond the drawn rows).
  QString visibleRowText(int j) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  void layoutRows();
  void onScroll();
  int drawnRows() const;

  std::shared_ptr<const DigitTable> data_ = std::make_shared<const DigitTable>();
  int rowCount_ = 0;
  int topRow_ = 0;
  int visibleRows_ = 1;
  double rowHeight_ = 1;
  int lineHeight_ = 0;
  bool hasData_ = false;
  QColor backColor_;
  QColor foreColor_;
  QColor borderColor_{0, 0, 255};
  QFont font_;
  tScroll* scroll_;
};

// 9-point SimSun, falling back to an installed CJK font.
QFont ResultListFont();

}  // namespace torvane::controls
