#include "conditions/digit/compound_kill.h"

#include <utility>
#include <vector>

#include "conditions/digit/condition_tokens.h"
#include "conditions/digit/position_sets.h"
#include "core/errors.h"

namespace torvane {
namespace {

// "17*235*12*789*01" -> the five digit sets. An empty set allows no digit, so such an
// entry kills nothing.
PositionSets ParseCompound(std::string_view entry) {
  const auto unreadable = [entry] {
    return RunError(RunError::Problem::Unreadable, "杀垃圾复式", std::string(entry));
  };
  PositionSets c;
  int position = 0;
  for (char ch : entry) {
    if (ch == '*') {
      if (++position >= kDigits) throw unreadable();  // more than five positions
    } else if (IsDigitChar(ch)) {
      c.allow(position, ch - '0');
    } else {
      throw unreadable();  // not a digit or a star
    }
  }
  if (position != kDigits - 1) throw unreadable();  // fewer than five positions
  return c;
}

}  // namespace

void FilterCompoundKill(const CompoundKillState& state, FilterContext& ctx) {
  if (state.text.empty() || state.text == kCompoundHint) return;
  const std::vector<std::string_view> entries = ConditionEntries(state.text);
  if (entries.empty()) return;

  // Every entry is read before the kill row exists, so a bad one leaves the table as it was.
  std::vector<PositionSets> compounds;
  compounds.reserve(entries.size());
  for (std::string_view e : entries) compounds.push_back(ParseCompound(e));

  FlagMatching(std::move(compounds), ctx.candidates, ctx.kills.appendRow("杀垃圾复式"));
}

}  // namespace torvane
