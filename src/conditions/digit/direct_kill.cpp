#include "conditions/digit/direct_kill.h"

#include <cstdint>
#include <vector>

#include "conditions/digit/condition_tokens.h"
#include "core/errors.h"

namespace torvane {

void FilterDirectKill(const DirectKillState& state, FilterContext& ctx) {
  if (state.text.empty() || state.text == kDirectKillHint) return;
  const std::vector<std::string_view> tokens = ConditionEntries(state.text);
  if (tokens.empty()) return;

  // listed[key]: the number is on the list. Only the first five characters of a token
  // count, as the box always holds five-digit numbers.
  std::vector<uint8_t> listed(kNumberSpace, 0);
  for (std::string_view t : tokens) {
    if (t.size() < kDigits) throw RunError(RunError::Problem::Unreadable, "杀直选", std::string(t));
    int key = 0;
    for (int p = 0; p < kDigits; ++p) {
      if (!IsDigitChar(t[p]))
        throw RunError(RunError::Problem::Unreadable, "杀直选", std::string(t));
      key = key * 10 + (t[p] - '0');
    }
    listed[key] = 1;
  }

  uint8_t* flags = ctx.kills.appendRow("杀直选");
  const int n = ctx.candidates.count();
  for (int i = 0; i < n; ++i) {
    const uint8_t* d = ctx.candidates.row(i);
    flags[i] = listed[(((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3]) * 10 + d[4]];
  }
}

}  // namespace torvane
