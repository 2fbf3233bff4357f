#pragma once
// Merging number sets by a vote: per number, how many of the sets hold it; the numbers whose
// count lies in a range are kept. Intersection (every set) and union (at least one) of two
// sets are its special cases.

#include <cstdint>
#include <vector>

#include "core/digit_table.h"

namespace torvane {

// Counts are 16-bit, so a vote takes at most this many sets.
constexpr int kMaxVoteSets = 65535;

class VoteTally {
 public:
  VoteTally() : votes_(kNumberSpace, 0) {}

  // One set given as kNumberSpace flags (non-zero = held).
  void addPresence(const std::vector<uint8_t>& present);
  // One set as a table; a number repeated in it still counts once.
  void addSet(const DigitTable& set);

  int sets() const { return sets_; }
  int votes(int key) const { return votes_[static_cast<size_t>(key)]; }

  // Entry k: how many numbers are in exactly k sets, k = 0..sets().
  std::vector<int> histogram() const;
  // The numbers held by at least minSets and at most maxSets sets, ascending.
  DigitTable keep(int minSets, int maxSets) const;

 private:
  std::vector<uint16_t> votes_;
  int sets_ = 0;
};

// The counts to keep, as a player chose them.
struct VoteRange {
  int min = 0;
  int max = 0;
  friend bool operator==(const VoteRange&, const VoteRange&) = default;
};

// The range after the number of sets went from oldSets to sets: an end that stood at
// oldSets ("in every set") moves to sets, the others stay, inside 1..sets and min <= max.
VoteRange FollowSetCount(VoteRange range, int oldSets, int sets);

// How many numbers keep(minSets, maxSets) gives, from a histogram.
int KeptCount(const std::vector<int>& histogram, int minSets, int maxSets);

}  // namespace torvane
