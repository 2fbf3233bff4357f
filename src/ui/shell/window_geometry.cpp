#include "ui/shell/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace torvane::ui {
namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kMaximizedKey = QStringLiteral("window/maximized");
// Frame widths: left, top, right, bottom.
const QString kFrameKey = QStringLiteral("window/frame");

// Clamps start so that [start, start + length) lies within [low, high), keeping start >= low.
int Clamp(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

QRect FitOnScreen(const QRect& saved, const QRect& available, const QMargins& frame,
                  const QSize& minimum) {
  const QRect inner = available.marginsRemoved(frame);
  const QSize size = saved.size().boundedTo(inner.size()).expandedTo(minimum);
  const int x = Clamp(saved.x(), size.width(), inner.left(), inner.left() + inner.width());
  const int y = Clamp(saved.y(), size.height(), inner.top(), inner.top() + inner.height());
  return QRect(QPoint(x, y), size);
}

QMargins AssumedFrame() {
  return QMargins(8, 40, 8, 8);
}

void SaveWindowGeometry(const QWidget& window) {
  QSettings settings;
  settings.setValue(kGeometryKey, window.normalGeometry());
  settings.setValue(kMaximizedKey, window.isMaximized());
  // The window system's real frame, so the next start need not guess it.
  const QRect frame = window.frameGeometry(), inner = window.geometry();
  if (window.isVisible() && frame.contains(inner))
    settings.setValue(kFrameKey,
                      QVariantList{inner.left() - frame.left(), inner.top() - frame.top(),
                                   frame.right() - inner.right(), frame.bottom() - inner.bottom()});
}

bool RestoreWindowGeometry(QWidget& window) {
  QSettings settings;
  const QRect saved = settings.value(kGeometryKey).toRect();
  if (!saved.isValid()) return false;
  QScreen* screen = QGuiApplication::screenAt(saved.center());
  if (!screen) screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return false;
  const QVariantList f = settings.value(kFrameKey).toList();
  const QMargins frame = f.size() == 4
                             ? QMargins(f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toInt())
                             : AssumedFrame();
  window.setGeometry(FitOnScreen(saved, screen->availableGeometry(), frame,
                                 window.minimumSizeHint().expandedTo(window.minimumSize())));
  if (settings.value(kMaximizedKey).toBool()) window.setWindowState(Qt::WindowMaximized);
  return true;
}

}  // namespace torvane::ui
