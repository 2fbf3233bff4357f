#include "ui/panels/ratios_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane::ui {

using widgets::ClearButton;
using widgets::Highlight;
using widgets::IsSelected;
using widgets::ToggleButton;

namespace {

const char* const kRatioRowNames[3] = {"大小比", "奇偶比", "质合比"};

}  // namespace

RatiosPanel::RatiosPanel(QWidget* parent) : PanelFrame(QString(), parent) {
  setObjectName(QStringLiteral("fraRatio"));
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(2);
  for (int k = 0; k < 3; ++k) {
    grid->addWidget(MakeLabel(this, ArrayName("lblBi", k), QString::fromUtf8(kRatioRowNames[k])), k,
                    0);
    for (int n = 0; n < 6; ++n) {
      const int i = 6 * k + n;
      QPushButton* b =
          MakeButton(this, ArrayName("cmdBi", i), QString::fromStdString(RatioCaption(i)), 34);
      ratios_[i] = b;
      connect(b, &QPushButton::clicked, this, [b] { ToggleButton(b, Highlight::Green); });
      grid->addWidget(b, k, 1 + n);
    }
    QPushButton* all = MakeButton(this, ArrayName("cmdBiButton_all", k), QStringLiteral("全"));
    connect(all, &QPushButton::clicked, this, [this, k] {
      for (int n = 0; n < 6; ++n) ToggleButton(ratios_[6 * k + n], Highlight::Green);
    });
    grid->addWidget(all, k, 7);
  }
  grid->setColumnStretch(8, 1);

  auto* ratioFoot = new QHBoxLayout;
  ratioFoot->addStretch(1);
  QPushButton* clearAll = MakeButton(this, ArrayName("cmdBiButton", 0), QStringLiteral("清空"));
  connect(clearAll, &QPushButton::clicked, this, [this] {
    for (QPushButton* b : ratios_) ClearButton(b);
  });
  ratioFoot->addWidget(clearAll);
  ratioFoot->addWidget(helpButton(11));

  auto* minMaxRow = new QHBoxLayout;
  minMaxRow->setSpacing(3);
  const char* const kMinMaxNames[2] = {"最小号码", "最大号码"};
  for (int j = 0; j < 2; ++j) {
    minMaxRow->addWidget(
        MakeLabel(this, ArrayName("lblBi", 3 + j), QString::fromUtf8(kMinMaxNames[j])));
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ArrayName("txt_dx", j));
    edit->setFixedWidth(56);
    minMax_[j] = edit;
    minMaxRow->addWidget(edit);
  }
  QPushButton* clear = MakeButton(this, ArrayName("cmdBiButton", 3), QStringLiteral("清"));
  connect(clear, &QPushButton::clicked, this, [this] {
    minMax_[0]->clear();
    minMax_[1]->clear();
  });
  minMaxRow->addWidget(clear);
  minMaxRow->addStretch(1);
  minMaxRow->addWidget(helpButton(2));

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(6, 4, 6, 4);
  v->setSpacing(3);
  v->addLayout(grid);
  v->addLayout(ratioFoot);
  v->addLayout(minMaxRow);
}

RatiosState RatiosPanel::state() const {
  RatiosState s;
  for (int i = 0; i < 18; ++i) s.selected[i] = IsSelected(ratios_[i]);
  return s;
}

void RatiosPanel::setState(const RatiosState& s) {
  for (int i = 0; i < 18; ++i) ShowSelected(ratios_[i], s.selected[i], Highlight::Green);
}

MinMaxDigitState RatiosPanel::minMaxState() const {
  return {minMax_[0]->text().toStdString(), minMax_[1]->text().toStdString()};
}

void RatiosPanel::setMinMaxState(const MinMaxDigitState& s) {
  minMax_[0]->setText(QString::fromStdString(s.smallest));
  minMax_[1]->setText(QString::fromStdString(s.largest));
}

}  // namespace torvane::ui

#include "moc_ratios_panel.cpp"
