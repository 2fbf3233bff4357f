#pragma once
// 杀直选 (txtDan5): a list of numbers killed outright, kept in canonical list form.

#include "conditions/digit/direct_kill.h"
#include "ui/panels/panel_widgets.h"

namespace torvane::widgets {
class HintedTextEdit;
}

namespace torvane::ui {

using widgets::HintedTextEdit;


class DirectKillBox : public PanelFrame {
  Q_OBJECT
 public:
  explicit DirectKillBox(QWidget* parent = nullptr);

  DirectKillState state() const;
  void setState(const DirectKillState& s);
  HintedTextEdit* box() const { return box_; }

 private:
  void showCanonical(const QString& text);

  HintedTextEdit* box_ = nullptr;
};

}  // namespace torvane::ui
