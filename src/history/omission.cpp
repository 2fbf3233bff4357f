#include "history/omission.h"

#include <algorithm>

namespace torvane::history {

OmissionTable ComputeOmission(std::span<const Draw> history, int lastN) {
  const int n = static_cast<int>(history.size());
  OmissionTable t;
  t.historyDraws = n;
  t.draws = lastN > 0 && lastN < n ? lastN : n;
  const int windowStart = n - t.draws;
  // The running gap of each cell; it becomes `current` once the history is through.
  for (int i = 0; i < n; ++i) {
    for (size_t p = 0; p < 5; ++p) {
      for (int d = 0; d < 10; ++d) {
        OmissionCell& c = t.cells[p][d];
        if (history[i].digits[p] == d) {
          c.hits += i >= windowStart;
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
