#include "widgets/selectable_button.h"

#include <QAbstractButton>
#include <QVariant>

namespace torvane::widgets {

void SetButtonColor(QAbstractButton* b, const QColor& color) {
  b->setProperty("backColor", color);
  if (color.isValid())
    b->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid #808080;").arg(color.name()));
  else
    b->setStyleSheet(QString());
}

QColor ButtonColor(const QAbstractButton* b) {
  return b->property("backColor").value<QColor>();
}

bool IsSelected(const QAbstractButton* b) {
  return !b->property("Tag").toString().isEmpty();
}

void SelectButton(QAbstractButton* b, Highlight color) {
  b->setProperty("Tag", QStringLiteral("1"));
  SetButtonColor(b, color == Highlight::Yellow ? YellowColor() : GreenColor());
}

void ClearButton(QAbstractButton* b) {
  b->setProperty("Tag", QString());
  SetButtonColor(b, QColor());
}

void ToggleButton(QAbstractButton* b, Highlight color) {
  if (IsSelected(b))
    ClearButton(b);
  else
    SelectButton(b, color);
}

}  // namespace torvane::widgets
