#pragma once
// "按上期条件": rows that read the reference draw, each with its own apply tick. The panel
// shows the reference; without one its rows are greyed out but keep what they hold.

#include <QString>
#include <array>

#include "conditions/relative/relative.h"
#include "ui/panels/panel_widgets.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace torvane::ui {

class RelativePanel : public PanelFrame {
  Q_OBJECT
 public:
  explicit RelativePanel(QWidget* parent = nullptr);

  RelativeState state() const;
  void setState(const RelativeState& s);

  // The draw the rows read ("参照第 2026257 期：49330").
  void setReference(const QString& period, const QString& number);
  // No reference: why (no history yet, or a store that cannot be opened).
  void setNoReference(const QString& why);
  QLabel* referenceLabel() const { return reference_; }

 private:
  QWidget* rows_ = nullptr;
  QLabel* reference_ = nullptr;
  std::array<QCheckBox*, 5> apply_{};         // chkRel(0..4), one per row in run order
  std::array<QCheckBox*, 5> positions_{};     // chkRelPos(0..4), 万位 … 个位
  std::array<QCheckBox*, 6> repeatCounts_{};  // chkRelRepeat(0..5)
  std::array<QCheckBox*, 6> sharedCounts_{};  // chkRelShared(0..5)
  std::array<QComboBox*, 2> modes_{};         // cboRelMode(0 sum, 1 span): 至多 / 至少
  std::array<QComboBox*, 2> k_{};             // txtRelK(0 sum, 1 span)
};

}  // namespace torvane::ui
