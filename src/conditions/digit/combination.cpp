#include "conditions/digit/combination.h"

namespace torvane {
const char* const kKillFourHint = "";
const char* const kMustFourHint = "";
void FilterCombination(const CombinationState&, int, bool, FilterContext&) {}
std::string NormalizeCombinationText(int, const std::string& t) { return t; }
}  // namespace torvane
