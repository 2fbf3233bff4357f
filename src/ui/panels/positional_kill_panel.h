#pragma once
// 定位杀 (fraFilter(0)): a yellow digit button is a digit killed at its position.

#include <array>

#include "conditions/digit/positional_kill.h"
#include "ui/panels/panel_widgets.h"

class QComboBox;
class QPushButton;

namespace torvane::ui {

class PositionalKillPanel : public PanelFrame {
  Q_OBJECT
 public:
  explicit PositionalKillPanel(QWidget* parent = nullptr);

  PositionalKillState state() const;
  void setState(const PositionalKillState& s);

 private:
  void setMark(int row, int digit, bool marked);

  std::array<QPushButton*, 50> digits_{};  // cmd_dw(10r + d)
  QComboBox* min_ = nullptr;               // Com_rc(0)
  QComboBox* max_ = nullptr;               // Com_rc(1)
};

}  // namespace torvane::ui
