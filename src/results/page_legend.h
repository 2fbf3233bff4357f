#pragma once
// picGroup: what the colours of the page buttons mean.

class QWidget;

namespace torvane::results {

// Two lines: red and face swatches with "复制过" / "无复制", then the colour key.
QWidget* MakePageLegend(QWidget* parent);

}  // namespace torvane::results
