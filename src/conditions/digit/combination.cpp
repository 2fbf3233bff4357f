#include "conditions/digit/combination.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "conditions/digit/condition_tokens.h"
#include "core/digit_table.h"
#include "core/errors.h"

namespace torvane {
namespace {

constexpr const char* kNames[2][3] = {
    {"杀两码组合", "杀三码组合", "杀四码组合"},
    {"必出两码组合", "必出三码组合", "必出四码组合"},
};

// Every ascending K-tuple of values below limit: strictly ascending gives the choices of
// K positions out of five (10, 10 and 5), non-decreasing gives the digit multisets of
// size K (55, 220 and 715).
template <int K>
std::vector<std::array<uint8_t, K>> AscendingTuples(int limit, bool strict) {
  std::vector<std::array<uint8_t, K>> out;
  std::array<uint8_t, K> c{};
  auto rec = [&](auto&& self, int depth, int from) -> void {
    if (depth == K) {
      out.push_back(c);
      return;
    }
    for (int v = from; v < limit; ++v) {
      c[depth] = static_cast<uint8_t>(v);
      self(self, depth + 1, strict ? v + 1 : v);
    }
  };
  rec(rec, 0, 0);
  return out;
}

template <int K>
int TableIndex(const std::array<uint8_t, K>& digits) {
  int idx = 0;
  for (uint8_t d : digits) idx = idx * 10 + d;
  return idx;
}

// Enters every K-digit sub-combination of a token under all its orderings. Any choice
// of K characters of the token names a multiset the token's digit counts hold, and
// every such multiset is some choice, so the counts decide; a long token costs no more
// than a short one.
template <int K>
void EnterToken(std::string_view token, const std::vector<std::array<uint8_t, K>>& tuples,
                std::vector<uint8_t>& table, const char* box) {
  int counts[10] = {};
  for (char c : token) {
    if (!IsDigitChar(c)) throw RunError(RunError::Problem::Unreadable, box, std::string(token));
    ++counts[c - '0'];
  }
  if (token.size() < static_cast<size_t>(K)) return;
  for (std::array<uint8_t, K> t : tuples) {
    int left[10];
    std::copy(std::begin(counts), std::end(counts), left);
    bool held = true;
    for (uint8_t d : t) held = held && --left[d] >= 0;
    if (!held) continue;
    do table[TableIndex<K>(t)] = 1;
    while (std::next_permutation(t.begin(), t.end()));
  }
}

template <int K>
void Apply(const std::vector<std::string_view>& tokens, bool killMode, FilterContext& ctx) {
  static const std::vector<std::array<uint8_t, K>> tuples = AscendingTuples<K>(10, false);
  static const std::vector<std::array<uint8_t, K>> choices = AscendingTuples<K>(kDigits, true);

  int size = 1;
  for (int i = 0; i < K; ++i) size *= 10;
  std::vector<uint8_t> table(size, 0);
  const char* name = kNames[killMode ? 0 : 1][K - 2];
  for (std::string_view t : tokens) EnterToken<K>(t, tuples, table, name);

  // The verdict depends only on which digits a number holds.
  const bool kill = killMode;
  AppendMultisetRow(ctx, name, [&](const uint8_t* d) {
    for (const std::array<uint8_t, K>& q : choices) {
      int idx = 0;
      for (uint8_t p : q) idx = idx * 10 + d[p];
      if (table[idx]) return kill;
    }
    return !kill;
  });
}

}  // namespace

void FilterCombination(const CombinationState& state, int k, bool killMode, FilterContext& ctx) {
  if (k < 2 || k > 4) throw std::invalid_argument("combination size must be 2, 3 or 4");
  const std::string& text = state.texts[CombinationBox(k, killMode)];
  if (text.empty()) return;
  if (k == 4 && text == (killMode ? kKillFourHint : kMustFourHint)) return;
  const std::vector<std::string_view> tokens = ConditionEntries(text);
  if (tokens.empty()) return;

  switch (k) {
    case 2:
      Apply<2>(tokens, killMode, ctx);
      break;
    case 3:
      Apply<3>(tokens, killMode, ctx);
      break;
    default:
      Apply<4>(tokens, killMode, ctx);
      break;
  }
}

}  // namespace torvane
