#include "history/omission.h"

#include "history/attribute_stats.h"

namespace torvane::history {

// The five position attributes of the statistics count exactly these cells.
OmissionTable ComputeOmission(std::span<const Draw> history, int lastN) {
  const StatsTable stats = ComputeAttributeStats(history, lastN);
  OmissionTable t;
  t.historyDraws = stats.draws;
  t.draws = stats.window;
  for (int p = 0; p < 5; ++p) {
    const std::vector<ValueStats>& values = stats.attributes[p].values;
    for (int d = 0; d < 10; ++d)
      t.cells[p][d] = OmissionCell{values[d].current, values[d].longest, values[d].hits};
  }
  return t;
}

}  // namespace torvane::history
