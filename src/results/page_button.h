#pragma once
// A page button: its caption on a flat colour (green current, red copied before) or on the
// ordinary button face. The colour is painted here, not set by a style sheet: changing a
// button's style sheet polishes it again, and the button then lost the font it inherits.

#include <QColor>
#include <QPushButton>

namespace torvane::results {

class PageButton : public QPushButton {
  Q_OBJECT
 public:
  explicit PageButton(QWidget* parent = nullptr);

  // Invalid: the button face. Kept in the "backColor" property, where widgets::ButtonColor
  // reads every flat-coloured button's colour.
  void setBackColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QColor color_;
};

}  // namespace torvane::results
