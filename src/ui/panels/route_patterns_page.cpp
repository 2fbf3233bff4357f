#include "ui/panels/route_patterns_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/panels/panel_widgets.h"

namespace torvane::ui {

RoutePatternsPage::RoutePatternsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraTab(2)"));
  auto* frame = new QGroupBox(QStringLiteral("杀012排列"), this);
  frame->setObjectName(QStringLiteral("fra012"));

  // The buttons stand beside the grid: the page is as tall as its 27 rows.
  auto* side = new QVBoxLayout;
  side->setSpacing(4);
  const char* const kCaptions[2] = {"全", "清"};
  for (int i = 0; i < 2; ++i) {
    QPushButton* b = MakeButton(frame, ArrayName("cmd012", i), QString::fromUtf8(kCaptions[i]));
    connect(b, &QPushButton::clicked, this, [this, i] {
      for (QCheckBox* c : boxes_) c->setChecked(i == 0);
    });
    side->addWidget(b, 0, Qt::AlignHCenter);
  }
  QPushButton* help = MakeButton(frame, ArrayName("cmdEx", 1), QStringLiteral("说明"));
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(1); });
  side->addWidget(help);
  side->addStretch(1);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(0);
  for (int j = 0; j < 243; ++j) {
    boxes_[j] = MakeCheck(frame, ArrayName("chk012", j), QString::fromStdString(RouteCaption(j)));
    grid->addWidget(boxes_[j], j / 9, j % 9);
  }

  auto* inner = new QHBoxLayout(frame);
  inner->setContentsMargins(8, 2, 8, 2);
  inner->setSpacing(12);
  inner->addLayout(grid);
  inner->addLayout(side);

  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(4, 0, 4, 0);
  outer->addWidget(frame);
  outer->addStretch(1);
}

RoutePatternsState RoutePatternsPage::state() const {
  RoutePatternsState s;
  for (int j = 0; j < 243; ++j) s.ticked[j] = boxes_[j]->isChecked();
  return s;
}

void RoutePatternsPage::setState(const RoutePatternsState& s) {
  for (int j = 0; j < 243; ++j) boxes_[j]->setChecked(s.ticked[j]);
}

}  // namespace torvane::ui

#include "moc_route_patterns_page.cpp"
