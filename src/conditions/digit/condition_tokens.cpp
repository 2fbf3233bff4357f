#include "conditions/digit/condition_tokens.h"

namespace torvane {

std::vector<std::string_view> ConditionEntries(std::string_view text) {
  std::vector<std::string_view> entries;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    const bool separator = i == text.size() || text[i] == ' ' || text[i] == '\r' || text[i] == '\n';
    if (!separator) continue;
    if (i > start) entries.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return entries;
}

}  // namespace torvane
