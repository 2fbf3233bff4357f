#include "ui/panels/positional_kill_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/selectable_button.h"

namespace torvane::ui {

using widgets::ButtonColor;
using widgets::SetButtonColor;
using widgets::YellowColor;

namespace {

const char* const kRowNames[5] = {"万位", "千位", "百位", "十位", "个位"};

// The mark is the colour itself: exactly yellow is a killed digit.
bool IsMarked(const QPushButton* b) {
  return ButtonColor(b) == YellowColor();
}

}  // namespace

PositionalKillPanel::PositionalKillPanel(QWidget* parent)
    : PanelFrame(QStringLiteral("定位杀"), parent) {
  setObjectName(QStringLiteral("fraFilter(0)"));
  auto* top = new QHBoxLayout;
  top->setSpacing(3);
  top->addWidget(MakeGreyLabel(this, ArrayName("lblDan", 4), QStringLiteral("(点击表示删除)")));
  top->addStretch(1);
  top->addWidget(MakeLabel(this, ArrayName("lblDan", 2), QStringLiteral("定位容错")));
  min_ = MakeRangeCombo(this, 0, 5);
  top->addWidget(min_);
  top->addWidget(MakeLabel(this, ArrayName("lblDan", 3), QStringLiteral("至")));
  max_ = MakeRangeCombo(this, 1, 5);
  top->addWidget(max_);
  top->addWidget(helpButton(3));

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(2);
  for (int r = 0; r < 5; ++r) {
    grid->addWidget(MakeLabel(this, ArrayName("lblDW", r), QString::fromUtf8(kRowNames[r])), r, 0);
    for (int d = 0; d < 10; ++d) {
      QPushButton* b = MakeButton(this, ArrayName("cmd_dw", 10 * r + d), QString::number(d));
      digits_[10 * r + d] = b;
      connect(b, &QPushButton::clicked, this,
              [b] { SetButtonColor(b, IsMarked(b) ? QColor() : YellowColor()); });
      grid->addWidget(b, r, 1 + d);
    }
    QPushButton* all = MakeButton(this, ArrayName("cmdDW_all", r), QStringLiteral("全"));
    connect(all, &QPushButton::clicked, this, [this, r] {
      for (int d = 0; d < 10; ++d) setMark(r, d, true);
    });
    grid->addWidget(all, r, 11);
    QPushButton* clear = MakeButton(this, ArrayName("cmdDW", r), QStringLiteral("清"));
    connect(clear, &QPushButton::clicked, this, [this, r] {
      for (int d = 0; d < 10; ++d) setMark(r, d, false);
    });
    grid->addWidget(clear, r, 12);
  }
  grid->setColumnStretch(13, 1);

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(6, 4, 6, 4);
  v->setSpacing(3);
  v->addLayout(top);
  v->addLayout(grid);
}

void PositionalKillPanel::setMark(int row, int digit, bool marked) {
  SetButtonColor(digits_[10 * row + digit], marked ? YellowColor() : QColor());
}

PositionalKillState PositionalKillPanel::state() const {
  PositionalKillState s;
  for (int r = 0; r < 5; ++r)
    for (int d = 0; d < 10; ++d) s.marked[r][d] = IsMarked(digits_[10 * r + d]);
  s.rangeMin = min_->currentText().toStdString();
  s.rangeMax = max_->currentText().toStdString();
  return s;
}

void PositionalKillPanel::setState(const PositionalKillState& s) {
  for (int r = 0; r < 5; ++r)
    for (int d = 0; d < 10; ++d) setMark(r, d, s.marked[r][d]);
  min_->setEditText(QString::fromStdString(s.rangeMin));
  max_->setEditText(QString::fromStdString(s.rangeMax));
}

}  // namespace torvane::ui

#include "moc_positional_kill_panel.cpp"
