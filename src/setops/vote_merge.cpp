#include "setops/vote_merge.h"

#include <algorithm>

namespace torvane {

void VoteTally::addPresence(const std::vector<uint8_t>& present) {
  const size_t n = std::min(present.size(), votes_.size());
  for (size_t k = 0; k < n; ++k) votes_[k] = static_cast<uint16_t>(votes_[k] + (present[k] != 0));
  ++sets_;
}

void VoteTally::addSet(const DigitTable& set) {
  std::vector<uint8_t> present(kNumberSpace, 0);
  for (int i = 0; i < set.count(); ++i) present[static_cast<size_t>(set.key(i))] = 1;
  addPresence(present);
}

std::vector<int> VoteTally::histogram() const {
  std::vector<int> h(static_cast<size_t>(sets_) + 1, 0);
  for (uint16_t v : votes_) ++h[v];
  return h;
}

DigitTable VoteTally::keep(int minSets, int maxSets) const {
  std::vector<uint8_t> keep(kNumberSpace, 0);
  for (size_t k = 0; k < votes_.size(); ++k)
    keep[k] = static_cast<uint8_t>(votes_[k] >= minSets && votes_[k] <= maxSets);
  return TableFromPresence(keep);
}

VoteRange FollowSetCount(VoteRange range, int oldSets, int sets) {
  if (sets <= 0) return {};
  auto follow = [&](int end) { return end == oldSets ? sets : std::clamp(end, 1, sets); };
  const int min = follow(range.min);
  return {min, std::max(min, follow(range.max))};
}

int KeptCount(const std::vector<int>& histogram, int minSets, int maxSets) {
  int n = 0;
  for (int k = std::max(minSets, 0); k <= maxSets && k < static_cast<int>(histogram.size()); ++k)
    n += histogram[static_cast<size_t>(k)];
  return n;
}

}  // namespace torvane
