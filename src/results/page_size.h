#pragma once
// The page size box: numbers per page button, 1000..100000; values outside are corrected
// with a message, never refused.

#include <QString>

namespace torvane::results {

constexpr int kMinPageSize = 1000;
constexpr int kMaxPageSize = 100000;
constexpr int kDefaultPageSize = 3000;

struct PageSizeCheck {
  int size = kDefaultPageSize;
  QString message;  // empty when the text was in range
};

// Numeric value of the box text (leading number, halves to even), clamped to the range.
PageSizeCheck CheckPageSize(const QString& text);

}  // namespace torvane::results
