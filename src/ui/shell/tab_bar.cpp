#include "ui/shell/tab_bar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

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
    {1, "杀直选号码"},  {4, "杀垃圾复式"}, {5, "杀两码"},    {6, "杀三码"},      {7, "杀四码"},
    {8, "必出两码"},    {9, "必出三码"},   {10, "必出四码"}, {11, "组合定位杀"}, {2, "杀012路"},
    {16, "按上期条件"}, {3, "交集功能"},   {17, "大底合并"}, {0, "大底号码"},    {12, "开奖历史"},
    {14, "走势图"},     {15, "指标统计"},  {13, "条件回测"},
};

constexpr int kPadding = 5;  // each side of the caption
constexpr int kSpacing = 1;

// Every tab is drawn the same flat way whether chosen or not; a chosen tab's own style
// only adds its colour. Without this the native bevel and the coloured style differ in
// size and the row reflows on every click.
const char* const kTabStyle =
    "QPushButton { border: 1px solid #808080; background-color: palette(button);"
    " padding: 0px; margin: 0px; }"
    "QPushButton:pressed { background-color: palette(mid); }";

}  // namespace

int TabButtonWidth(const QFontMetrics& fm, const QString& caption) {
  const int text =
      std::max(fm.horizontalAdvance(caption), fm.horizontalAdvance(QStringLiteral("杀两码")));
  return text + 2 * kPadding;
}

int TabRowWidth(const QFontMetrics& fm, const QStringList& captions) {
  int width = 0;
  for (const QString& c : captions) width += TabButtonWidth(fm, c);
  return width + kSpacing * std::max(0, static_cast<int>(captions.size()) - 1);
}

TabBar::TabBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraButton"));
  setStyleSheet(QString::fromUtf8(kTabStyle));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(kSpacing);
  for (const TabSpec& t : kTabs) {
    auto* b = new QPushButton(QString::fromUtf8(t.caption), this);
    b->setObjectName(QStringLiteral("cmdTab(%1)").arg(t.index));
    b->setProperty("Tag", QString());
    buttons_[t.index] = b;
    row->addWidget(b);
    const int index = t.index;
    connect(b, &QPushButton::clicked, this, [this, index] { emit tabClicked(index); });
  }
  row->addStretch();
  fitButtons();
}

void TabBar::fitButtons() {
  const QFontMetrics fm(font());
  const int height = fm.height() + 10;
  for (QPushButton* b : buttons_) b->setFixedSize(TabButtonWidth(fm, b->text()), height);
}

void TabBar::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) fitButtons();
  QWidget::changeEvent(e);
}

void TabBar::select(int index) {
  for (QPushButton* b : buttons_) ClearButton(b);
  ToggleButton(buttons_[index], Highlight::Green);
  current_ = index;
}

}  // namespace torvane::ui

#include "moc_tab_bar.cpp"
