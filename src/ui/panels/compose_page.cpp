#include "ui/panels/compose_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/number_text.h"
#include "ui/panels/panel_widgets.h"
#include "widgets/box_text.h"
#include "widgets/dialogs.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::Dialogs;
using widgets::FromEngineText;
using widgets::HintedTextEdit;
using widgets::LightYellowColor;
using widgets::ToEngineText;

namespace {

struct BoxInfo {
  int label;  // lblCompose index
  const char* caption;
};

constexpr BoxInfo kBoxes[8] = {
    {0, "杀垃圾复式"},    {3, "杀两码组合"},   {7, "杀三码组合"},    {4, "杀四码组合"},
    {11, "必出两码组合"}, {8, "必出三码组合"}, {15, "必出四码组合"}, {12, "组合定位杀"},
};

const char* BoxHint(int i) {
  switch (i) {
    case 0:
      return kCompoundHint;
    case 3:
      return kKillFourHint;
    case 6:
      return kMustFourHint;
    case 7:
      return kPatternHint;
    default:
      return "";
  }
}

std::string Normalize(int i, const std::string& text) {
  if (i == 0) return NormalizeCompoundText(text);
  if (i == 7) return NormalizePatternText(text);
  return NormalizeCombinationText(i, text);
}

}  // namespace

ComposePage::ComposePage(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("fraTab(4)"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 8, 8, 8);
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(6);
  for (int i = 0; i < 8; ++i) {
    auto* cell = new QVBoxLayout;
    cell->setSpacing(2);
    auto* head = new QHBoxLayout;
    head->addWidget(MakeLabel(this, ArrayName("lblCompose", kBoxes[i].label),
                              QString::fromUtf8(kBoxes[i].caption)));
    head->addStretch(1);
    QPushButton* help = MakeButton(this, ArrayName("cmdEx", 15 + i), QStringLiteral("说明"));
    connect(help, &QPushButton::clicked, this, [this, i] { emit helpRequested(15 + i); });
    head->addWidget(help);
    cell->addLayout(head);

    auto* box = new HintedTextEdit(this);
    box->setObjectName(ArrayName("txtCompose", i));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setClearOnDoubleClick(true);
    box->setFocusHighlight(true);
    // Room for the longest hint (six lines) without scrolling.
    box->setMinimumWidth(380);
    box->setFixedHeight(7 * box->fontMetrics().lineSpacing() + 16);
    box->setHint(FromEngineText(BoxHint(i)));
    box->setLeaveCheck([this, i] { return leaveCheck(i); });
    boxes_[i] = box;
    cell->addWidget(box, 1);
    // Left column 0, 2, 4, 6; right column 1, 3, 5, 7.
    grid->addLayout(cell, i / 2, i % 2);
  }
  grid->setRowStretch(4, 1);
}

bool ComposePage::leaveCheck(int i) {
  HintedTextEdit* b = boxes_[i];
  if (b->showsHint()) return true;
  const std::string text = ToEngineText(b->text());
  const std::string normalized = Normalize(i, text);
  if (!SameConditionText(text, normalized)) {
    QString ask = QStringLiteral(
        "输入的内容不符合格式要求！是否自动清空？\n\n点【是】自动清空，点【否】返回修改");
    if (!b->hint().isEmpty()) ask += QStringLiteral("\n\n") + b->hint();
    if (!dialogs_.question(b, QStringLiteral("条件提示"), ask, true)) return false;
  }
  const QString shown = FromEngineText(normalized);
  if (shown != b->text()) b->setText(shown);
  return true;
}

std::string ComposePage::boxText(int i) const {
  return boxes_[i]->showsHint() ? std::string() : ToEngineText(boxes_[i]->text());
}

void ComposePage::setBoxText(int i, const std::string& text) {
  boxes_[i]->setText(FromEngineText(text));
  if (!boxes_[i]->hasFocus()) boxes_[i]->showHintIfEmpty();
}

CompoundKillState ComposePage::compound() const {
  return {boxText(0)};
}

CombinationState ComposePage::combinations() const {
  CombinationState s;
  for (int k = 0; k < 6; ++k) s.texts[k] = boxText(k + 1);
  return s;
}

PatternKillState ComposePage::patterns() const {
  return {boxText(7)};
}

void ComposePage::setState(const CompoundKillState& compound, const CombinationState& combinations,
                           const PatternKillState& patterns) {
  setBoxText(0, compound.text);
  for (int k = 0; k < 6; ++k) setBoxText(k + 1, combinations.texts[k]);
  setBoxText(7, patterns.text);
}

void ComposePage::selectBox(int i) {
  for (int k = 0; k < 8; ++k) {
    boxes_[k]->setBackground(QColor());
    boxes_[k]->setEnabled(false);
  }
  if (i < 0 || i >= 8) return;
  boxes_[i]->setEnabled(true);
  boxes_[i]->setBackground(LightYellowColor());
}

}  // namespace torvane::ui

#include "moc_compose_page.cpp"
