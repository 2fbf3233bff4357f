#include "results/page_legend.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

#include "widgets/selectable_button.h"

namespace torvane::results {

using widgets::RedColor;

namespace {

QLabel* Swatch(QWidget* parent, const QColor& color, int x, int y, int size) {
  auto* s = new QLabel(parent);
  s->setGeometry(x, y, size, size);
  s->setAutoFillBackground(true);
  QPalette p = s->palette();
  p.setColor(QPalette::Window, color);
  s->setPalette(p);
  s->setFrameStyle(QFrame::Box | QFrame::Plain);
  return s;
}

QLabel* Text(QWidget* parent, const QString& text, int x, int y) {
  auto* l = new QLabel(text, parent);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

QWidget* MakePageLegend(QWidget* parent) {
  auto* g = new QWidget(parent);
  g->setObjectName(QStringLiteral("picGroup"));
  const int line = QFontMetrics(g->font()).height();
  const int box = line - 4;
  Swatch(g, RedColor(), 0, 2, box);
  QLabel* copied = Text(g, QStringLiteral("复制过"), box + 4, 0);
  const int x2 = copied->x() + copied->width() + 12;
  Swatch(g, QApplication::palette().color(QPalette::Button), x2, 2, box);
  Text(g, QStringLiteral("无复制"), x2 + box + 4, 0);
  QLabel* key = Text(g, QStringLiteral("单击过=红色/当前=绿色/没点过=无色"), 0, line + 1);
  key->setStyleSheet(QStringLiteral("color: rgb(128,128,0);"));
  g->resize(std::max(key->width(), x2 + box + 60), 2 * line + 2);
  return g;
}

}  // namespace torvane::results
