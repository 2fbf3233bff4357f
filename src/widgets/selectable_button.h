#pragma once
// Condition buttons keep their selection in a "Tag" property ("" or "1"); the
// background shows it: yellow or green when selected, the button face otherwise.

#include <QColor>

class QAbstractButton;

namespace torvane::widgets {

enum class Highlight { Yellow, Green };

inline QColor YellowColor() {
  return QColor(255, 255, 0);
}
inline QColor GreenColor() {
  return QColor(0, 255, 0);
}
inline QColor RedColor() {
  return QColor(255, 0, 0);
}
inline QColor LightYellowColor() {
  return QColor(255, 255, 192);
}

void ToggleButton(QAbstractButton* b, Highlight color);
void ClearButton(QAbstractButton* b);
void SelectButton(QAbstractButton* b, Highlight color);  // selected whatever it was
bool IsSelected(const QAbstractButton* b);

// Background of a flat-coloured button; an invalid colour restores the button face.
void SetButtonColor(QAbstractButton* b, const QColor& color);
QColor ButtonColor(const QAbstractButton* b);  // invalid when it shows the face

}  // namespace torvane::widgets
