#pragma once
// fraFilterSpecial "特别排除": fourteen families, a tick kills the family.

#include <array>

#include "conditions/shape/special_exclusion.h"
#include "ui/panels/panel_widgets.h"

class QCheckBox;

namespace torvane::ui {

class SpecialExclusionPanel : public PanelFrame {
  Q_OBJECT
 public:
  explicit SpecialExclusionPanel(QWidget* parent = nullptr);

  SpecialExclusionState state() const;
  void setState(const SpecialExclusionState& s);

 private:
  std::array<QCheckBox*, 14> boxes_{};  // chkEx(i), by index
};

}  // namespace torvane::ui
