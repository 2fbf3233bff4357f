#include "ui/panels/sum_span_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "widgets/box_text.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::FromEngineText;
using widgets::HintedTextEdit;
using widgets::ToEngineText;

SumSpanPanel::SumSpanPanel(QWidget* parent) : PanelFrame(QStringLiteral("和、跨、胆"), parent) {
  setObjectName(QStringLiteral("fraHKD"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(3);
  const int clearCol = 11, helpCol = 12;

  // Screen rows: tail, sum, span, digit. Tick rows r = 0 tail, 1 span, 2 digit.
  auto addTickRow = [&](int screenRow, int r, QWidget* label, int clearIndex, int helpIndex) {
    grid->addWidget(label, screenRow, 0);
    for (int v = 0; v < 10; ++v) {
      QCheckBox* c = MakeCheck(this, ArrayName("chkHKD", 10 * r + v), QString::number(v));
      ticks_[10 * r + v] = c;
      grid->addWidget(c, screenRow, 1 + v);
    }
    QPushButton* clear = MakeButton(this, ArrayName("cmdHKD", clearIndex), QStringLiteral("清"));
    connect(clear, &QPushButton::clicked, this, [this, r] {
      for (int v = 0; v < 10; ++v) ticks_[10 * r + v]->setChecked(false);
    });
    grid->addWidget(clear, screenRow, clearCol);
    grid->addWidget(helpButton(helpIndex), screenRow, helpCol);
  };

  addTickRow(0, 0, MakeLabel(this, ArrayName("lblHKD", 0), QStringLiteral("杀和尾")), 0, 7);

  grid->addWidget(MakeLabel(this, ArrayName("lblHKD", 1), QStringLiteral("杀和值")), 1, 0);
  sums_ = new HintedTextEdit(this);
  sums_->setObjectName(QStringLiteral("txtHKD"));
  sums_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sums_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sums_->setFixedHeight(2 * fontMetrics().height() + 10);
  sums_->setHint(FromEngineText(kSumHint));
  grid->addWidget(sums_, 1, 1, 1, 10);
  QPushButton* clearSums = MakeButton(this, ArrayName("cmdHKD", 3), QStringLiteral("清"));
  connect(clearSums, &QPushButton::clicked, this, [this] {
    sums_->setText(QString());
    sums_->showHintIfEmpty();
  });
  grid->addWidget(clearSums, 1, clearCol);
  grid->addWidget(helpButton(8), 1, helpCol);

  addTickRow(2, 1, MakeLabel(this, ArrayName("lblHKD", 2), QStringLiteral("杀跨度")), 1, 9);

  // "通" and "杀码" are two labels side by side, read as 通杀码.
  auto* digitLabel = new QWidget(this);
  auto* digitLabelRow = new QHBoxLayout(digitLabel);
  digitLabelRow->setContentsMargins(0, 0, 0, 0);
  digitLabelRow->setSpacing(0);
  digitLabelRow->addWidget(MakeLabel(digitLabel, ArrayName("lblHKD", 5), QStringLiteral("通")));
  digitLabelRow->addWidget(MakeLabel(digitLabel, ArrayName("lblHKD", 3), QStringLiteral("杀码")));
  digitLabelRow->addStretch(1);
  addTickRow(3, 2, digitLabel, 2, 10);
  grid->setColumnStretch(helpCol + 1, 1);
}

SumSpanState SumSpanPanel::state() const {
  SumSpanState s;
  for (int v = 0; v < 10; ++v) {
    s.tails[v] = ticks_[v]->isChecked();
    s.spans[v] = ticks_[10 + v]->isChecked();
    s.digits[v] = ticks_[20 + v]->isChecked();
  }
  s.sums = sums_->showsHint() ? std::string() : ToEngineText(sums_->text());
  return s;
}

void SumSpanPanel::setState(const SumSpanState& s) {
  for (int v = 0; v < 10; ++v) {
    ticks_[v]->setChecked(s.tails[v]);
    ticks_[10 + v]->setChecked(s.spans[v]);
    ticks_[20 + v]->setChecked(s.digits[v]);
  }
  setSumText(FromEngineText(s.sums));
}

void SumSpanPanel::setSumText(const QString& text) {
  sums_->setText(text);
  if (!sums_->hasFocus()) sums_->showHintIfEmpty();
}

}  // namespace torvane::ui

#include "moc_sum_span_panel.cpp"
