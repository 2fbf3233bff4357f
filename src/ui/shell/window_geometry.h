#pragma once
// The main window's size and place, remembered between starts and put back on a screen
// that may have changed since.

#include <QRect>

class QWidget;

namespace torvane::ui {

// saved (the window's inner rectangle) moved and shrunk so that it and the frame around it
// (frame: the frame's widths left, top, right, bottom) lie within available; never smaller
// than minimum. A window too large even then keeps its top-left corner on the screen.
QRect FitOnScreen(const QRect& saved, const QRect& available, const QMargins& frame,
                  const QSize& minimum);

// Room the window system's frame takes around the window, title bar included, when no
// frame was measured yet.
QMargins AssumedFrame();

// Keeps window's normal geometry, maximized state and frame widths in the settings.
void SaveWindowGeometry(const QWidget& window);
// Puts back what SaveWindowGeometry kept, fitted to the screen it is on now; false when
// nothing was kept.
bool RestoreWindowGeometry(QWidget& window);

}  // namespace torvane::ui
