#include "ui/panels/banker_rows_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/dialogs.h"
#include "widgets/selectable_button.h"

namespace torvane::ui {

using widgets::ClearButton;
using widgets::Dialogs;
using widgets::Highlight;
using widgets::IsSelected;
using widgets::ToggleButton;

BankerRowsPanel::BankerRowsPanel(Dialogs& dialogs, QWidget* parent)
    : PanelFrame(QString(), parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("fraFilter(4)"));
  auto* top = new QHBoxLayout;
  top->setSpacing(3);
  repeat_ = MakeCheck(this, QStringLiteral("chkDanOption"), QStringLiteral("胆码计重"));
  top->addWidget(repeat_);
  top->addStretch(1);
  top->addWidget(MakeLabel(this, ArrayName("lblDan", 5), QStringLiteral("容错")));
  min_ = MakeRangeCombo(this, 2, 6);
  top->addWidget(min_);
  top->addWidget(MakeLabel(this, ArrayName("lblDan", 6), QStringLiteral("至")));
  max_ = MakeRangeCombo(this, 3, 6);
  top->addWidget(max_);
  top->addWidget(helpButton(6));

  // Columns: ten digits, "全", six counts, "清".
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(2);
  grid->addWidget(MakeLabel(this, ArrayName("lblDan", 0), QStringLiteral("胆组")), 0, 0, 1, 10,
                  Qt::AlignHCenter);
  grid->addWidget(MakeLabel(this, ArrayName("lblDan", 1), QStringLiteral("胆码开出个数")), 0, 11, 1,
                  6, Qt::AlignHCenter);
  for (int r = 0; r < 6; ++r) {
    for (int d = 0; d < 10; ++d) {
      QPushButton* b = MakeButton(this, ArrayName("cmdDan", 10 * r + d), QString::number(d));
      digits_[10 * r + d] = b;
      connect(b, &QPushButton::clicked, this, [b] { ToggleButton(b, Highlight::Green); });
      grid->addWidget(b, r + 1, d);
    }
    QPushButton* all = MakeButton(this, ArrayName("cmdDanButton_all", r), QStringLiteral("全"));
    connect(all, &QPushButton::clicked, this, [this, r] {
      for (int d = 0; d < 10; ++d) ToggleButton(digits_[10 * r + d], Highlight::Green);
      for (int c = 1; c < 6; ++c) ToggleButton(counts_[6 * r + c], Highlight::Green);
    });
    grid->addWidget(all, r + 1, 10);
    for (int c = 0; c < 6; ++c) {
      const int i = 6 * r + c;
      QPushButton* b = MakeButton(this, ArrayName("cmdDanCount", i), QString::number(c));
      counts_[i] = b;
      connect(b, &QPushButton::clicked, this, [this, i] { countClicked(i); });
      grid->addWidget(b, r + 1, 11 + c);
    }
    QPushButton* clear = MakeButton(this, ArrayName("cmdDanButton", r), QStringLiteral("清"));
    connect(clear, &QPushButton::clicked, this, [this, r] {
      for (int d = 0; d < 10; ++d) ClearButton(digits_[10 * r + d]);
      for (int c = 0; c < 6; ++c) ClearButton(counts_[6 * r + c]);
    });
    grid->addWidget(clear, r + 1, 17);
  }
  grid->setColumnStretch(18, 1);

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(6, 4, 6, 4);
  v->setSpacing(3);
  v->addLayout(top);
  v->addLayout(grid);
  v->addWidget(
      MakeGreyLabel(this, ArrayName("lblHKD", 4),
                    QStringLiteral("建议新手只输入一行胆码，勿输入多行胆码，胆码开出个数可不选")));
}

void BankerRowsPanel::countClicked(int index) {
  QPushButton* b = counts_[index];
  if (IsSelected(b)) {
    ToggleButton(b, Highlight::Green);
    return;
  }
  // Checked only when a count is chosen; later digit changes leave it alone.
  if (BankerCountAllowed(state(), index / 6, index % 6))
    ToggleButton(b, Highlight::Green);
  else
    dialogs_.warning(this, QStringLiteral("Torvane"),
                     QStringLiteral("选择的胆码个数不对！个数不能大于已选择的胆码数量！"));
}

BankerRowsState BankerRowsPanel::state() const {
  BankerRowsState s;
  for (int r = 0; r < 6; ++r) {
    for (int d = 0; d < 10; ++d) s.digits[r][d] = IsSelected(digits_[10 * r + d]);
    for (int c = 0; c < 6; ++c) s.counts[r][c] = IsSelected(counts_[6 * r + c]);
  }
  s.repeat = repeat_->isChecked();
  s.rangeMin = min_->currentText().toStdString();
  s.rangeMax = max_->currentText().toStdString();
  return s;
}

void BankerRowsPanel::setState(const BankerRowsState& s) {
  for (int r = 0; r < 6; ++r) {
    for (int d = 0; d < 10; ++d)
      ShowSelected(digits_[10 * r + d], s.digits[r][d], Highlight::Green);
    for (int c = 0; c < 6; ++c) ShowSelected(counts_[6 * r + c], s.counts[r][c], Highlight::Green);
  }
  repeat_->setChecked(s.repeat);
  min_->setEditText(QString::fromStdString(s.rangeMin));
  max_->setEditText(QString::fromStdString(s.rangeMax));
}

}  // namespace torvane::ui

#include "moc_banker_rows_panel.cpp"
