#include "conditions/digit/direct_kill.h"

namespace torvane {

void FilterDirectKill(const DirectKillState&, FilterContext&) {}

}  // namespace torvane
