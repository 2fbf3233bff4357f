#pragma once
// tScroll: a small vertical scroll bar drawn by hand (decrease button, thumb, increase
// button on a coloured track). One signal, scrolled, raised whenever the value may have moved.
// Geometry is in pixels: 15 px wide, 13 px end buttons.

#include <QColor>
#include <QTimer>
#include <QWidget>

namespace torvane::controls {

// The part of the bar held down with the mouse; drawn white while held.
enum class ScrollPart { None, DecreaseButton, IncreaseButton, Thumb };

class tScroll : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Value READ value WRITE setValue)
  Q_PROPERTY(int Min READ min WRITE setMin)
  Q_PROPERTY(int Max READ max WRITE setMax)
  Q_PROPERTY(int SmallChange READ smallChange WRITE setSmallChange)
  Q_PROPERTY(int LargeChange READ largeChange WRITE setLargeChange)
  Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
  Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)

 public:
  static constexpr int kWidth = 15;
  static constexpr int kButtonHeight = 13;
  static constexpr int kMinThumb = 16;

  explicit tScroll(QWidget* parent = nullptr);

  int value() const { return value_; }
  int min() const { return min_; }
  int max() const { return max_; }
  int smallChange() const { return smallChange_; }
  int largeChange() const { return largeChange_; }
  QColor foreColor() const { return foreColor_; }
  QColor backColor() const { return backColor_; }

  // Clamped to Min..Max; repositions and raises scrolled only when the value changes.
  void setValue(int v);
  // One mouse-wheel message: `step` toward min for a turn away from the player, toward max
  // for a turn toward them, nothing at either end.
  void wheel(int angleDelta, int step);
  // Store the bound (Value is not re-clamped) and lay out again.
  void setMin(int v);
  void setMax(int v);
  void setSmallChange(int v) { smallChange_ = v; }
  void setLargeChange(int v) { largeChange_ = v; }
  void setForeColor(const QColor& c);
  void setBackColor(const QColor& c);

  // Geometry, for hosts and tests.
  bool thumbVisible() const { return thumbVisible_; }
  int thumbTop() const { return thumbTop_; }
  int thumbHeight() const { return thumbHeight_; }
  int increaseButtonTop() const { return height() - kButtonHeight; }
  const QTimer& repeatTimer() const { return repeat_; }
  ScrollPart pressedPart() const { return pressedPart_; }

 signals:
  void scrolled();

 public slots:
  // One auto-repeat step; the timer calls it, tests may call it directly.
  void repeatTick();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void layoutParts();
  void positionThumb();
  void stepBy(int step);  // clamped change, reposition, scrolled
  void startRepeat(int step);
  int thumbLowest() const { return increaseButtonTop() - thumbHeight_ + 1; }

  int value_ = 0;
  int min_ = 0;
  int max_ = 100;
  int smallChange_ = 1;
  int largeChange_ = 10;
  QColor foreColor_{192, 192, 255};
  QColor backColor_{224, 224, 224};

  bool thumbVisible_ = false;
  int thumbTop_ = 0;
  int thumbHeight_ = 1;
  double scale_ = 0;
  double offset_ = 0;

  int repeatStep_ = 0;
  int grabY_ = 0;
  ScrollPart pressedPart_ = ScrollPart::None;
  QTimer repeat_;
};

}  // namespace torvane::controls
