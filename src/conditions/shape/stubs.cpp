// Temporary: replaced filter by filter.
#include "conditions/shape/digit_classes.h"
#include "conditions/shape/min_max_digit.h"
#include "conditions/shape/ratios.h"
#include "conditions/shape/route_patterns.h"
#include "conditions/shape/shape_patterns.h"
#include "conditions/shape/special_exclusion.h"
#include "conditions/shape/sum_span.h"

namespace torvane {
const char* const kSumHint = "";
std::optional<std::string> FilterSumSpan(const SumSpanState&, FilterContext&) {
  return {};
}
}  // namespace torvane
