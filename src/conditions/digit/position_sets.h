#pragma once
// A digit set per position, and the pass that flags the candidates lying in one of them.

#include <cstdint>
#include <vector>

#include "core/digit_table.h"

namespace torvane {

struct PositionSets {
  uint8_t allowed[kDigits][10] = {};  // [position][digit], 1 = allowed
};

// Flags (sets to 1) every candidate whose digit at each position is allowed there by at
// least one of the sets; other flags are left as they are.
inline void FlagMatching(const std::vector<PositionSets>& sets, const DigitTable& candidates,
                         uint8_t* flags) {
  const int n = candidates.count();
  for (const PositionSets& s : sets) {
    const auto& a = s.allowed;
    for (int i = 0; i < n; ++i) {
      const uint8_t* d = candidates.row(i);
      flags[i] |= a[0][d[0]] & a[1][d[1]] & a[2][d[2]] & a[3][d[3]] & a[4][d[4]];
    }
  }
}

}  // namespace torvane
