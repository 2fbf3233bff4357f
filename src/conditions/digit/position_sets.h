#pragma once
// A digit set per position, and the pass that flags the candidates lying in one of them.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/digit_table.h"

namespace torvane {

// The digits allowed at each position, bit 10 * position + digit: small enough that a box
// of millions of entries is cheap to hold, sort and compare.
struct PositionSets {
  uint64_t allowed = 0;
  void allow(int position, int digit) { allowed |= uint64_t{1} << (10 * position + digit); }
  bool allows(int position, int digit) const { return allowed >> (10 * position + digit) & 1; }
  friend auto operator<=>(const PositionSets&, const PositionSets&) = default;
};

// Writes every candidate's flag: 1 when its digit at each position is allowed there by at
// least one of the sets, else 0. Each set marks the numbers it spans in a key map (usually
// far fewer than the candidates), then one pass reads it, so many entries do not mean many
// passes over the candidates. Equal sets span the same numbers and are marked once: a box
// holding one pattern a million times costs what the one pattern does.
inline void FlagMatching(std::vector<PositionSets> sets, const DigitTable& candidates,
                         uint8_t* flags) {
  std::sort(sets.begin(), sets.end());
  sets.erase(std::unique(sets.begin(), sets.end()), sets.end());

  std::vector<uint8_t> spanned(kNumberSpace, 0);
  for (const PositionSets& s : sets) {
    int digits[kDigits][10];
    int sizes[kDigits] = {};
    for (int p = 0; p < kDigits; ++p)
      for (int d = 0; d < 10; ++d)
        if (s.allows(p, d)) digits[p][sizes[p]++] = d;
    for (int a = 0; a < sizes[0]; ++a)
      for (int b = 0; b < sizes[1]; ++b)
        for (int c = 0; c < sizes[2]; ++c)
          for (int d = 0; d < sizes[3]; ++d) {
            const int base =
                (((digits[0][a] * 10 + digits[1][b]) * 10 + digits[2][c]) * 10 + digits[3][d]) * 10;
            for (int e = 0; e < sizes[4]; ++e) spanned[base + digits[4][e]] = 1;
          }
  }
  const int n = candidates.count();
  for (int i = 0; i < n; ++i) {
    const uint8_t* d = candidates.row(i);
    flags[i] = spanned[(((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3]) * 10 + d[4]];
  }
}

}  // namespace torvane
