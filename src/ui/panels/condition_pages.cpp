#include "ui/panels/condition_pages.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/panels/banker_rows_panel.h"
#include "ui/panels/compose_page.h"
#include "ui/panels/direct_kill_box.h"
#include "ui/panels/positional_kill_panel.h"
#include "ui/panels/ratios_panel.h"
#include "ui/panels/route_patterns_page.h"
#include "ui/panels/shape_patterns_panel.h"
#include "ui/panels/special_exclusion_panel.h"
#include "ui/panels/sum_span_panel.h"
#include "widgets/hinted_text_edit.h"

namespace torvane::ui {

using widgets::Dialogs;

struct ConditionPages::Impl {
  QWidget* main = nullptr;
  DirectKillBox* direct = nullptr;
  PositionalKillPanel* positional = nullptr;
  SumSpanPanel* sumSpan = nullptr;
  BankerRowsPanel* banker = nullptr;
  RatiosPanel* ratios = nullptr;
  ShapePatternsPanel* shapes = nullptr;
  RoutePatternsPage* routes = nullptr;
  ComposePage* compose = nullptr;
  SpecialExclusionPanel* special = nullptr;
};

ConditionPages::ConditionPages(Dialogs& dialogs, QWidget* pageParent)
    : QObject(pageParent), d_(std::make_unique<Impl>()) {
  Impl& d = *d_;
  d.main = new QWidget(pageParent);
  d.main->setObjectName(QStringLiteral("fraTab(1)"));
  d.direct = new DirectKillBox(d.main);
  d.positional = new PositionalKillPanel(d.main);
  d.sumSpan = new SumSpanPanel(d.main);
  d.banker = new BankerRowsPanel(dialogs, d.main);
  d.ratios = new RatiosPanel(d.main);
  d.shapes = new ShapePatternsPanel(Qt::Horizontal, d.main);

  // Two columns on top, the three shape frames side by side below: about 1000 × 650.
  auto* left = new QVBoxLayout;
  left->setSpacing(2);
  left->addWidget(d.direct);
  left->addWidget(d.positional);
  left->addWidget(d.sumSpan);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->setSpacing(2);
  right->addWidget(d.banker);
  right->addWidget(d.ratios);
  right->addStretch(1);
  auto* grid = new QGridLayout(d.main);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setSpacing(4);
  grid->addLayout(left, 0, 0);
  grid->addLayout(right, 0, 1);
  grid->addWidget(d.shapes, 1, 0, 1, 2);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(2, 1);

  d.routes = new RoutePatternsPage(pageParent);
  d.compose = new ComposePage(dialogs, pageParent);
  d.special = new SpecialExclusionPanel(pageParent);

  auto forward = [this](int index) { emit helpRequested(index); };
  connect(d.direct, &PanelFrame::helpRequested, this, forward);
  connect(d.positional, &PanelFrame::helpRequested, this, forward);
  connect(d.sumSpan, &PanelFrame::helpRequested, this, forward);
  connect(d.banker, &PanelFrame::helpRequested, this, forward);
  connect(d.ratios, &PanelFrame::helpRequested, this, forward);
  connect(d.special, &PanelFrame::helpRequested, this, forward);
  connect(d.shapes, &ShapePatternsPanel::helpRequested, this, forward);
  connect(d.routes, &RoutePatternsPage::helpRequested, this, forward);
  connect(d.compose, &ComposePage::helpRequested, this, forward);
}

ConditionPages::~ConditionPages() = default;

QWidget* ConditionPages::mainPage() const {
  return d_->main;
}
QWidget* ConditionPages::routePage() const {
  return d_->routes;
}
QWidget* ConditionPages::composePage() const {
  return d_->compose;
}
QWidget* ConditionPages::specialFrame() const {
  return d_->special;
}

void ConditionPages::gather(Conditions& c) const {
  const Impl& d = *d_;
  c.directKill = d.direct->state();
  c.positional = d.positional->state();
  c.sumSpan = d.sumSpan->state();
  c.banker = d.banker->state();
  c.shapes = d.shapes->state();
  c.routes = d.routes->state();
  c.special = d.special->state();
  c.ratios = d.ratios->state();
  c.minMax = d.ratios->minMaxState();
  c.compound = d.compose->compound();
  c.combinations = d.compose->combinations();
  c.patterns = d.compose->patterns();
}

void ConditionPages::apply(const Conditions& c) {
  Impl& d = *d_;
  d.direct->setState(c.directKill);
  d.positional->setState(c.positional);
  d.sumSpan->setState(c.sumSpan);
  d.banker->setState(c.banker);
  d.shapes->setState(c.shapes);
  d.routes->setState(c.routes);
  d.special->setState(c.special);
  d.ratios->setState(c.ratios);
  d.ratios->setMinMaxState(c.minMax);
  d.compose->setState(c.compound, c.combinations, c.patterns);
}

void ConditionPages::clearAll() {
  Impl& d = *d_;
  d.direct->setState(DirectKillState{});
  d.positional->setState(PositionalKillState{});
  d.sumSpan->setState(SumSpanState{});
  // 胆码计重 stays as it is: it is a way of counting, not a condition.
  BankerRowsState banker;
  banker.repeat = d.banker->state().repeat;
  d.banker->setState(banker);
  d.shapes->setState(ShapePatternsState{});
  d.routes->setState(RoutePatternsState{});
  d.special->setState(SpecialExclusionState{});
  d.ratios->setState(RatiosState{});
  d.ratios->setMinMaxState(MinMaxDigitState{});
  d.compose->setState(CompoundKillState{}, CombinationState{}, PatternKillState{});
  // The base box and the fault tolerance are the window's.
}

void ConditionPages::selectComposeBox(int i) {
  d_->compose->selectBox(i);
}

QWidget* ConditionPages::composeBox(int i) const {
  return d_->compose->box(i);
}

void ConditionPages::setSumText(const QString& text) {
  d_->sumSpan->setSumText(text);
}

}  // namespace torvane::ui

#include "moc_condition_pages.cpp"
