#pragma once
// The one colour scale of every hot/cold shading (omission table, statistics, tooltips).

#include <QColor>

namespace torvane::widgets {

// Blue for cold (0) through pale yellow to red for hot (1); outside 0..1 is clamped.
QColor HeatColor(float heat);

}  // namespace torvane::widgets
