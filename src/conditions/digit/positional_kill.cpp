#include "conditions/digit/positional_kill.h"

namespace torvane {

void FilterPositionalKill(const PositionalKillState&, FilterContext&) {}

}  // namespace torvane
