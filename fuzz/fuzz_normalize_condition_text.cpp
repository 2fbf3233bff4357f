// Condition-text normalization: every kept token is valid, normalizing twice changes
// nothing, and a text always compares equal to its own normalization's normalization.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "conditions/digit/combination.h"
#include "conditions/digit/compound_kill.h"
#include "conditions/digit/pattern_kill.h"
#include "core/number_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckIdempotent(const std::string& normalized, const std::string& again) {
  Check(again == normalized);
  Check(torvane::SameConditionText(normalized, again));
  Check(normalized.empty() || (normalized.front() != ' ' && normalized.back() != ' '));
  Check(normalized.rfind("\r\n", 0) != 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  // Four leading bytes choose the parameters; the rest is the text.
  const int perLine = data[0] % 12;
  const int minLen = data[1] % 12;
  const int maxLen = minLen + data[2] % 50;
  const bool star = data[3] & 1;
  const int stripCount = (data[3] >> 1) % 6;
  const std::string text(reinterpret_cast<const char*>(data + 4), size - 4);

  using namespace torvane;
  const std::string_view strip = star ? "*" : "";
  const std::string n = NormalizeConditionText(text, perLine, minLen, maxLen, strip, stripCount);
  CheckIdempotent(n, NormalizeConditionText(n, perLine, minLen, maxLen, strip, stripCount));

  for (int box = 1; box <= 6; ++box) {
    const std::string c = NormalizeCombinationText(box, text);
    CheckIdempotent(c, NormalizeCombinationText(box, c));
  }
  const std::string compound = NormalizeCompoundText(text);
  CheckIdempotent(compound, NormalizeCompoundText(compound));
  const std::string pattern = NormalizePatternText(text);
  CheckIdempotent(pattern, NormalizePatternText(pattern));
  return 0;
}
