#include "history/omission.h"

#include <algorithm>

namespace torvane::history {

OmissionTable ComputeOmission(std::span<const Draw> history, int lastN) {
  size_t n = history.size();
  if (lastN > 0 && static_cast<size_t>(lastN) < n) n = static_cast<size_t>(lastN);
  std::span<const Draw> window = history.subspan(history.size() - n);

  OmissionTable t;
  t.draws = static_cast<int>(n);
  // The running gap of each cell; it becomes `current` once the window is through.
  for (size_t i = 0; i < n; ++i) {
    for (size_t p = 0; p < 5; ++p) {
      for (int d = 0; d < 10; ++d) {
        OmissionCell& c = t.cells[p][d];
        if (window[i].digits[p] == d) {
          ++c.hits;
          c.current = 0;
        } else {
          c.largest = std::max(c.largest, ++c.current);
        }
      }
    }
  }
  return t;
}

}  // namespace torvane::history
