#include "conditions/digit/compound_kill.h"

namespace torvane {

void FilterCompoundKill(const CompoundKillState&, FilterContext&) {}

}  // namespace torvane
