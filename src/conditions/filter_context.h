#pragma once
// What every filter gets: the candidates and the kill table it appends to.

#include <cstdint>
#include <vector>

#include "core/digit_multiset.h"
#include "core/digit_table.h"
#include "core/kill_table.h"

namespace torvane {

struct FilterContext {
  const DigitTable& candidates;
  KillTable& kills;
  std::vector<uint16_t> multisetCache{};  // see CandidateMultisets
};

// The digit-multiset index of every candidate, worked out once per run.
const std::vector<uint16_t>& CandidateMultisets(FilterContext& ctx);

// Appends a kill row decided per digit multiset: kills(sortedDigits) is asked 2002 times,
// then every candidate is one lookup. Only for conditions that ignore digit positions.
template <typename Pred>
void AppendMultisetRow(FilterContext& ctx, const char* name, Pred&& kills) {
  uint8_t verdict[kMultisets];
  ForEachMultiset([&](int index, int, const uint8_t* d) { verdict[index] = kills(d) ? 1 : 0; });
  const std::vector<uint16_t>& multiset = CandidateMultisets(ctx);
  uint8_t* flags = ctx.kills.appendRow(name);
  const int n = ctx.candidates.count();
  for (int i = 0; i < n; ++i) flags[i] = verdict[multiset[i]];
}

}  // namespace torvane
