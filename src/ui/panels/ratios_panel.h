#pragma once
// 大小比, 奇偶比, 质合比 (green = ratio kept) and the 最小号码 / 最大号码 row.

#include <array>

#include "conditions/shape/min_max_digit.h"
#include "conditions/shape/ratios.h"
#include "ui/panels/panel_widgets.h"

class QLineEdit;
class QPushButton;

namespace torvane::ui {

class RatiosPanel : public PanelFrame {
  Q_OBJECT
 public:
  explicit RatiosPanel(QWidget* parent = nullptr);

  RatiosState state() const;
  void setState(const RatiosState& s);
  MinMaxDigitState minMaxState() const;
  void setMinMaxState(const MinMaxDigitState& s);

 private:
  std::array<QPushButton*, 18> ratios_{};  // cmdBi(6k + n)
  std::array<QLineEdit*, 2> minMax_{};     // txt_dx(0), txt_dx(1)
};

}  // namespace torvane::ui
