// 特别排除: rising/falling trends, runs of neighbouring digits on the 0-9 ring, group types.
// Every ticked box is a condition of its own.
#include "conditions/shape/special_exclusion.h"

#include <array>
#include <cstdint>
#include <vector>

namespace torvane {
namespace {

enum GroupType : uint8_t { kAAAAA, kAABCD, kAABBC, kAAABC, kAAABB, kAAAAB, kABCDE };

// Family test of a box: a run length (1..5) or a group type.
struct Family {
  bool byRun;
  uint8_t value;
};

Family FamilyOf(int box) {
  switch (box) {
    case 2:
      return {false, kAAAAA};
    case 3:
      return {true, 1};  // 不连
    case 4:
      return {true, 2};
    case 5:
      return {true, 3};
    case 6:
      return {true, 4};
    case 7:
      return {true, 5};
    case 8:
      return {false, kAABCD};
    case 9:
      return {false, kAABBC};
    case 10:
      return {false, kAAABC};
    case 11:
      return {false, kAAAAB};
    case 12:
      return {false, kABCDE};
    default:
      return {false, kAAABB};  // 13
  }
}

// Order in which the boxes after 上山/下山 add their rows.
constexpr int kDigitSetOrder[12] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 11, 12};

// Longest run of neighbouring digits in a set of digits, 9 and 0 being neighbours.
uint8_t LongestRingRun(int mask) {
  if (mask == 0x3FF) return 10;
  int best = 0;
  for (int start = 0; start < 10; ++start) {
    const int before = (start + 9) % 10;
    if (!(mask >> start & 1) || (mask >> before & 1)) continue;
    int len = 0;
    while (mask >> ((start + len) % 10) & 1) ++len;
    if (len > best) best = len;
  }
  return static_cast<uint8_t>(best);
}

// Longest ring run and group type of a sorted five-digit tuple.
struct DigitSetInfo {
  uint8_t run;
  uint8_t group;
};

DigitSetInfo Describe(const uint8_t* d) {
  static const auto runOfMask = [] {
    std::array<uint8_t, 1024> t{};
    for (int m = 0; m < 1024; ++m) t[m] = LongestRingRun(m);
    return t;
  }();
  // Group type by number of distinct digits and the largest repeat count.
  static const auto groupOf = [] {
    std::array<std::array<uint8_t, 6>, 6> g{};
    g[1][5] = kAAAAA;
    g[2][4] = kAAAAB;
    g[2][3] = kAAABB;
    g[3][3] = kAAABC;
    g[3][2] = kAABBC;
    g[4][2] = kAABCD;
    g[5][1] = kABCDE;
    return g;
  }();
  uint8_t seen[10] = {};
  int mask = 0, distinct = 0, most = 0;
  for (int k = 0; k < 5; ++k) {
    const int n = ++seen[d[k]];
    if (n == 1) ++distinct;
    if (n > most) most = n;
    mask |= 1 << d[k];
  }
  return {runOfMask[mask], groupOf[distinct][most]};
}

// 上山 (rising) or 下山 (falling): a step the wrong way costs more than all right steps
// can earn, so a positive score means monotone and not flat.
void KillTrend(bool rising, const char* name, FilterContext& ctx) {
  int8_t step[10][10];
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b) {
      const int way = rising ? (b > a) - (b < a) : (b < a) - (b > a);  // +1 right, -1 wrong
      step[a][b] = static_cast<int8_t>(way > 0 ? 1 : way < 0 ? -10 : 0);
    }
  uint8_t* flags = ctx.kills.appendRow(name);
  const int count = ctx.candidates.count();
  const uint8_t* rows = ctx.candidates.row(0);
  for (int i = 0; i < count; ++i) {
    const uint8_t* d = rows + static_cast<size_t>(i) * kDigits;
    const int score = step[d[0]][d[1]] + step[d[1]][d[2]] + step[d[2]][d[3]] + step[d[3]][d[4]];
    flags[i] = score > 0 ? 1 : 0;
  }
}

}  // namespace

void FilterSpecialExclusion(const SpecialExclusionState& state, FilterContext& ctx) {
  if (ctx.candidates.count() < 1) return;
  if (state.ticked[0]) KillTrend(true, SpecialCaption(0), ctx);
  if (state.ticked[1]) KillTrend(false, SpecialCaption(1), ctx);

  bool anyDigitSetBox = false;
  for (int box : kDigitSetOrder) anyDigitSetBox = anyDigitSetBox || state.ticked[box];
  if (!anyDigitSetBox) return;

  // Runs and group types look only at which digits occur: described once per multiset,
  // then once per candidate, so each box is a plain compare.
  DigitSetInfo byMultiset[kMultisets];
  ForEachMultiset([&](int index, int, const uint8_t* d) { byMultiset[index] = Describe(d); });
  const std::vector<uint16_t>& multiset = CandidateMultisets(ctx);
  const int count = ctx.candidates.count();
  std::vector<uint8_t> run(count), group(count);
  for (int i = 0; i < count; ++i) {
    run[i] = byMultiset[multiset[i]].run;
    group[i] = byMultiset[multiset[i]].group;
  }
  for (int box : kDigitSetOrder) {
    if (!state.ticked[box]) continue;
    const Family family = FamilyOf(box);
    const uint8_t* __restrict key = family.byRun ? run.data() : group.data();
    uint8_t* __restrict flags = ctx.kills.appendRow(SpecialCaption(box));
    for (int i = 0; i < count; ++i) flags[i] = key[i] == family.value ? 1 : 0;
  }
}

}  // namespace torvane
