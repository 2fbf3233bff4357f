#include "conditions/digit/pattern_kill.h"

#include <utility>
#include <vector>

#include "conditions/digit/condition_tokens.h"
#include "conditions/digit/position_sets.h"
#include "core/errors.h"

namespace torvane {
namespace {

// "1***7": a digit fixes its position, a star allows any digit there.
PositionSets ParsePattern(std::string_view entry) {
  const auto unreadable = [entry] {
    return RunError(RunError::Problem::Unreadable, "组合定位杀", std::string(entry));
  };
  if (entry.size() != kDigits) throw unreadable();  // not five characters
  PositionSets p;
  for (int i = 0; i < kDigits; ++i) {
    const char ch = entry[i];
    if (ch == '*') {
      for (int d = 0; d < 10; ++d) p.allow(i, d);
    } else if (IsDigitChar(ch)) {
      p.allow(i, ch - '0');
    } else {
      throw unreadable();  // not a digit or a star
    }
  }
  return p;
}

}  // namespace

void FilterPatternKill(const PatternKillState& state, FilterContext& ctx) {
  if (state.text.empty() || state.text == kPatternHint) return;
  const std::vector<std::string_view> entries = ConditionEntries(state.text);
  if (entries.empty()) return;

  std::vector<PositionSets> patterns;
  patterns.reserve(entries.size());
  for (std::string_view e : entries) patterns.push_back(ParsePattern(e));

  FlagMatching(std::move(patterns), ctx.candidates, ctx.kills.appendRow("组合定位杀"));
}

}  // namespace torvane
