#include "conditions/digit/combination.h"

namespace torvane {
void FilterCombination(const CombinationState&, int, bool, FilterContext&) {}
}  // namespace torvane
