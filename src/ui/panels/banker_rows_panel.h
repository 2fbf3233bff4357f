#pragma once
// 胆码 (fraFilter(4)): six banker rows of digits and wanted counts, green = selected.

#include <array>

#include "conditions/digit/banker_rows.h"
#include "ui/panels/panel_widgets.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace torvane::widgets {
class Dialogs;
}

namespace torvane::ui {

using widgets::Dialogs;


class BankerRowsPanel : public PanelFrame {
  Q_OBJECT
 public:
  explicit BankerRowsPanel(Dialogs& dialogs, QWidget* parent = nullptr);

  BankerRowsState state() const;
  void setState(const BankerRowsState& s);

 private:
  void countClicked(int index);

  Dialogs& dialogs_;
  std::array<QPushButton*, 60> digits_{};  // cmdDan(10r + d)
  std::array<QPushButton*, 36> counts_{};  // cmdDanCount(6r + c)
  QCheckBox* repeat_ = nullptr;            // chkDanOption
  QComboBox* min_ = nullptr;               // Com_rc(2)
  QComboBox* max_ = nullptr;               // Com_rc(3)
};

}  // namespace torvane::ui
