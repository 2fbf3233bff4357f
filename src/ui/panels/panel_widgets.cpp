#include "ui/panels/panel_widgets.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace torvane::ui {

using widgets::ClearButton;
using widgets::Highlight;
using widgets::SelectButton;

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        int minWidth) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  // The styles give text buttons a wide minimum; these grids need them tight.
  const int textWidth = b->fontMetrics().horizontalAdvance(caption) + 10;
  b->setFixedSize(std::max(minWidth, textWidth), kCellSize);
  return b;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption) {
  auto* l = new QLabel(caption, parent);
  l->setObjectName(name);
  return l;
}

QLabel* MakeGreyLabel(QWidget* parent, const QString& name, const QString& caption) {
  QLabel* l = MakeLabel(parent, name, caption);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, QColor(128, 128, 128));
  l->setPalette(p);
  return l;
}

QCheckBox* MakeCheck(QWidget* parent, const QString& name, const QString& caption) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(name);
  return c;
}

void ShowSelected(QAbstractButton* b, bool selected, Highlight color) {
  if (selected)
    SelectButton(b, color);
  else
    ClearButton(b);
}

QComboBox* MakeRangeCombo(QWidget* parent, int index, int maxItem) {
  auto* c = new QComboBox(parent);
  c->setObjectName(ArrayName("Com_rc", index));
  c->setEditable(true);
  for (int i = 0; i <= maxItem; ++i) c->addItem(QString::number(i));
  c->setEditText(QStringLiteral("0"));
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setFixedWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 34);
  return c;
}

PanelFrame::PanelFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

QPushButton* PanelFrame::helpButton(int index, QWidget* parent) {
  QPushButton* b =
      MakeButton(parent ? parent : this, ArrayName("cmdEx", index), QStringLiteral("说明"));
  connect(b, &QPushButton::clicked, this, [this, index] { emit helpRequested(index); });
  return b;
}

}  // namespace torvane::ui

#include "moc_panel_widgets.cpp"
