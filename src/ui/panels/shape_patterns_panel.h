#pragma once
// 杀大小排列, 杀奇偶排列, 杀质合排列: 32 ticked shapes per kind, with one tolerance range
// (Com_rc(4) 至 Com_rc(5)) on the top row of the 大小 frame.

#include <QWidget>
#include <array>

#include "conditions/shape/shape_patterns.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QStyle;

namespace torvane::ui {

class ShapePatternsPanel : public QWidget {
  Q_OBJECT
 public:
  // The three frames stand side by side (Horizontal) or one above the other.
  explicit ShapePatternsPanel(Qt::Orientation orientation, QWidget* parent = nullptr);

  ShapePatternsState state() const;
  void setState(const ShapePatternsState& s);

 signals:
  void helpRequested(int index);

 private:
  QGroupBox* buildFrame(int kind);

  std::array<std::array<QCheckBox*, 32>, 3> boxes_{};  // chkDX, chkJO, chkZH
  QComboBox* min_ = nullptr;                           // Com_rc(4)
  QComboBox* max_ = nullptr;                           // Com_rc(5)
  QStyle* tightTicks_ = nullptr;
};

}  // namespace torvane::ui
