#include "conditions/digit/compound_kill.h"

namespace torvane {

void FilterCompoundKill(const CompoundKillState&, FilterContext&) {}

}  // namespace torvane
namespace torvane {
const char* const kCompoundHint = "";
std::string NormalizeCompoundText(const std::string& t) { return t; }
}
