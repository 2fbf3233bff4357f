#include "ui/panels/special_exclusion_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace torvane::ui {

SpecialExclusionPanel::SpecialExclusionPanel(QWidget* parent)
    : PanelFrame(QStringLiteral("特别排除"), parent) {
  setObjectName(QStringLiteral("fraFilterSpecial"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 6, 4);
  row->setSpacing(6);
  for (int i : kSpecialScreenOrder) {
    boxes_[i] = MakeCheck(this, ArrayName("chkEx", i), QString::fromUtf8(SpecialCaption(i)));
    row->addWidget(boxes_[i]);
  }
  row->addStretch(1);
  QPushButton* clear = MakeButton(this, ArrayName("cmdHKD", 4), QStringLiteral("清"));
  connect(clear, &QPushButton::clicked, this, [this] {
    for (QCheckBox* c : boxes_) c->setChecked(false);
  });
  row->addWidget(clear);
  row->addWidget(helpButton(0));
}

SpecialExclusionState SpecialExclusionPanel::state() const {
  SpecialExclusionState s;
  for (int i = 0; i < 14; ++i) s.ticked[i] = boxes_[i]->isChecked();
  return s;
}

void SpecialExclusionPanel::setState(const SpecialExclusionState& s) {
  for (int i = 0; i < 14; ++i) boxes_[i]->setChecked(s.ticked[i]);
}

}  // namespace torvane::ui

#include "moc_special_exclusion_panel.cpp"
