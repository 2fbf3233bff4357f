#pragma once
// "和、跨、胆": 杀和尾, 杀和值, 杀跨度 and 通杀码.

#include <array>

#include "conditions/shape/sum_span.h"
#include "ui/panels/panel_widgets.h"

class QCheckBox;

namespace torvane::widgets {
class HintedTextEdit;
}

namespace torvane::ui {

using widgets::HintedTextEdit;


class SumSpanPanel : public PanelFrame {
  Q_OBJECT
 public:
  explicit SumSpanPanel(QWidget* parent = nullptr);

  SumSpanState state() const;
  void setState(const SumSpanState& s);
  // After a run: the cleaned sum list.
  void setSumText(const QString& text);
  HintedTextEdit* sumBox() const { return sums_; }

 private:
  std::array<QCheckBox*, 30> ticks_{};  // chkHKD(10r + v): r 0 tail, 1 span, 2 digit
  HintedTextEdit* sums_ = nullptr;      // txtHKD
};

}  // namespace torvane::ui
