#include "conditions/digit/pattern_kill.h"

namespace torvane {

void FilterPatternKill(const PatternKillState&, FilterContext&) {}

}  // namespace torvane
