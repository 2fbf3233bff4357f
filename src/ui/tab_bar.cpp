#include "ui/tab_bar.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "widgets/selectable_button.h"

namespace torvane::ui {

using widgets::ClearButton;
using widgets::Highlight;
using widgets::ToggleButton;

namespace {

struct TabSpec {
  int index;
  const char* caption;
};

// Left to right as the player sees them; the index is the button's control index.
constexpr TabSpec kTabs[kTabCount] = {
    {1, "杀直选号码"}, {4, "杀垃圾复式"}, {5, "杀两码"},    {6, "杀三码"},      {7, "杀四码"},
    {8, "必出两码"},   {9, "必出三码"},   {10, "必出四码"}, {11, "组合定位杀"}, {2, "杀012路"},
    {3, "交集功能"},   {0, "大底号码"},   {12, "开奖历史"}, {13, "条件回测"},
};

}  // namespace

TabBar::TabBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraButton"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  for (const TabSpec& t : kTabs) {
    auto* b = new QPushButton(QString::fromUtf8(t.caption), this);
    b->setObjectName(QStringLiteral("cmdTab(%1)").arg(t.index));
    b->setProperty("Tag", QString());
    b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 20);
    buttons_[t.index] = b;
    row->addWidget(b);
    const int index = t.index;
    connect(b, &QPushButton::clicked, this, [this, index] { emit tabClicked(index); });
  }
  row->addStretch();
}

void TabBar::select(int index) {
  for (QPushButton* b : buttons_) ClearButton(b);
  ToggleButton(buttons_[index], Highlight::Green);
  current_ = index;
}

}  // namespace torvane::ui
