#pragma once
// fraTab(4): the eight condition text boxes txtCompose(0..7), one editable at a time once a
// combination tab was chosen.

#include <QWidget>
#include <array>

#include "conditions/digit/combination.h"
#include "conditions/digit/compound_kill.h"
#include "conditions/digit/pattern_kill.h"

namespace torvane::widgets {
class Dialogs;
class HintedTextEdit;
}  // namespace torvane::widgets

namespace torvane::ui {

using widgets::Dialogs;
using widgets::HintedTextEdit;

class ComposePage : public QWidget {
  Q_OBJECT
 public:
  explicit ComposePage(Dialogs& dialogs, QWidget* parent = nullptr);

  CompoundKillState compound() const;
  CombinationState combinations() const;
  PatternKillState patterns() const;
  // An empty text brings the box's hint back unless the box has the focus.
  void setState(const CompoundKillState& compound, const CombinationState& combinations,
                const PatternKillState& patterns);

  // Only box i enabled and light yellow; the others keep their texts.
  void selectBox(int i);
  HintedTextEdit* box(int i) const { return boxes_[i]; }

 signals:
  void helpRequested(int index);

 private:
  bool leaveCheck(int i);
  std::string boxText(int i) const;  // engine form; the hint counts as empty
  void setBoxText(int i, const std::string& text);

  Dialogs& dialogs_;
  std::array<HintedTextEdit*, 8> boxes_{};
};

}  // namespace torvane::ui
