#include "widgets/heat_color.h"

#include <algorithm>

namespace torvane::widgets {
namespace {

QColor Mix(const QColor& a, const QColor& b, float t) {
  auto m = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5f); };
  return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()));
}

}  // namespace

QColor HeatColor(float heat) {
  static const QColor cold(150, 190, 245), mild(255, 250, 215), hot(245, 120, 100);
  heat = std::clamp(heat, 0.0f, 1.0f);
  return heat < 0.5f ? Mix(cold, mild, heat * 2) : Mix(mild, hot, heat * 2 - 1);
}

}  // namespace torvane::widgets
