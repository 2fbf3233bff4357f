#include "conditions/digit/pattern_kill.h"

namespace torvane {

void FilterPatternKill(const PatternKillState&, FilterContext&) {}

}  // namespace torvane
namespace torvane {
const char* const kPatternHint = "";
std::string NormalizePatternText(const std::string& t) { return t; }
}
