// 按上期条件. A run reads one reference for every candidate and decides by tables; the
// back-test reads a reference per candidate.
#include "conditions/relative/relative.h"

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <tuple>

#include "core/box_value.h"
#include "core/errors.h"

namespace torvane {

const char* const kRelativeRowNames[5] = {"杀上期定位", "上期重号个数", "和值差", "跨度差",
                                          "上期号码出现个数"};

namespace {

template <size_t N>
bool Any(const std::array<bool, N>& ticks) {
  for (bool t : ticks)
    if (t) return true;
  return false;
}

int Sum(const uint8_t* d) {
  return d[0] + d[1] + d[2] + d[3] + d[4];
}

int Span(const uint8_t* d) {
  int lo = d[0], hi = d[0];
  for (int p = 1; p < kDigits; ++p) {
    lo = d[p] < lo ? d[p] : lo;
    hi = d[p] > hi ? d[p] : hi;
  }
  return hi - lo;
}

unsigned DigitMask(const uint8_t* d) {
  return 1u << d[0] | 1u << d[1] | 1u << d[2] | 1u << d[3] | 1u << d[4];
}

// Sum, span and digit set of every digit multiset, built once.
struct MultisetFigures {
  uint8_t sum[kMultisets];
  uint8_t span[kMultisets];
  uint16_t mask[kMultisets];
};
const MultisetFigures& Figures() {
  static const MultisetFigures f = [] {
    MultisetFigures m{};
    ForEachMultiset([&](int i, int, const uint8_t* d) {
      m.sum[i] = static_cast<uint8_t>(Sum(d));
      m.span[i] = static_cast<uint8_t>(Span(d));
      m.mask[i] = static_cast<uint16_t>(DigitMask(d));
    });
    return m;
  }();
  return f;
}

// Which rows apply, with their tables; the k boxes are read before any row is appended.
struct Applied {
  bool same, repeats, sum, span, shared;
  uint8_t killSum[46], killSpan[10];
};

// One reference for every candidate, as in a run: the rows become tables of the candidate's
// digits, and the three that ignore order one lookup per digit multiset.
void OneReference(const RelativeState& s, const Applied& a, const uint8_t* r, FilterContext& ctx) {
  const int n = ctx.candidates.count();
  if (a.same || a.repeats) {
    // Bit p of agree[i]: candidate i has the reference's digit at position p.
    uint8_t bit[kDigits][10] = {};
    for (int p = 0; p < kDigits; ++p) bit[p][r[p]] = static_cast<uint8_t>(1 << p);
    std::vector<uint8_t> agree(n);
    for (int i = 0; i < n; ++i) {
      const uint8_t* c = ctx.candidates.row(i);
      agree[i] = bit[0][c[0]] | bit[1][c[1]] | bit[2][c[2]] | bit[3][c[3]] | bit[4][c[4]];
    }
    unsigned ticked = 0;
    for (int p = 0; p < kDigits; ++p) ticked |= s.samePositions[p] ? 1u << p : 0u;
    uint8_t killSame[32], killRepeats[32];
    for (unsigned m = 0; m < 32; ++m) {
      killSame[m] = (m & ticked) != 0;
      killRepeats[m] = !s.repeatCounts[std::popcount(m)];
    }
    for (const auto& [apply, name, kill] :
         {std::tuple(a.same, 0, killSame), std::tuple(a.repeats, 1, killRepeats)}) {
      if (!apply) continue;
      uint8_t* flags = ctx.kills.appendRow(kRelativeRowNames[name]);
      for (int i = 0; i < n; ++i) flags[i] = kill[agree[i]];
    }
  }
  const int sum = Sum(r), span = Span(r);
  const unsigned mask = DigitMask(r);
  auto distance = [](int x, int y) { return x < y ? y - x : x - y; };
  if (a.sum)
    AppendMultisetRow(ctx, kRelativeRowNames[2],
                      [&](const uint8_t* d) { return a.killSum[distance(Sum(d), sum)] != 0; });
  if (a.span)
    AppendMultisetRow(ctx, kRelativeRowNames[3],
                      [&](const uint8_t* d) { return a.killSpan[distance(Span(d), span)] != 0; });
  if (a.shared)
    AppendMultisetRow(ctx, kRelativeRowNames[4], [&](const uint8_t* d) {
      return !s.sharedCounts[std::popcount(DigitMask(d) & mask)];
    });
}

// A reference per candidate, as in the back-test: each candidate against its own.
void PerCandidate(const RelativeState& s, const Applied& a, const DigitTable& reference,
                  FilterContext& ctx) {
  const int n = ctx.candidates.count();
  const MultisetFigures& f = Figures();
  const std::vector<uint16_t>& ms = CandidateMultisets(ctx);
  auto append = [&](const char* name, auto kills) {
    uint8_t* flags = ctx.kills.appendRow(name);
    for (int i = 0; i < n; ++i)
      flags[i] = kills(i, ctx.candidates.row(i), reference.row(i)) ? 1 : 0;
  };
  if (a.same)
    append(kRelativeRowNames[0], [&](int, const uint8_t* c, const uint8_t* r) {
      bool hit = false;
      for (int p = 0; p < kDigits; ++p) hit |= s.samePositions[p] && c[p] == r[p];
      return hit;
    });
  if (a.repeats)
    append(kRelativeRowNames[1], [&](int, const uint8_t* c, const uint8_t* r) {
      int same = 0;
      for (int p = 0; p < kDigits; ++p) same += c[p] == r[p];
      return !s.repeatCounts[same];
    });
  if (a.sum)
    append(kRelativeRowNames[2], [&](int i, const uint8_t*, const uint8_t* r) {
      const int d = f.sum[ms[i]] - Sum(r);
      return a.killSum[d < 0 ? -d : d] != 0;
    });
  if (a.span)
    append(kRelativeRowNames[3], [&](int i, const uint8_t*, const uint8_t* r) {
      const int d = f.span[ms[i]] - Span(r);
      return a.killSpan[d < 0 ? -d : d] != 0;
    });
  if (a.shared)
    append(kRelativeRowNames[4], [&](int i, const uint8_t*, const uint8_t* r) {
      return !s.sharedCounts[std::popcount(f.mask[ms[i]] & DigitMask(r))];
    });
}

// killDiff[d] for d = |candidate − reference| in 0 … top.
template <int Top>
void DiffTable(const RelativeDiffRow& row, const char* box, uint8_t (&killDiff)[Top + 1]) {
  const int k = BoxValue16(row.k, box);
  for (int d = 0; d <= Top; ++d) killDiff[d] = (row.atLeast ? d < k : d > k) ? 1 : 0;
}

}  // namespace

bool RelativeApplied(const RelativeState& s) {
  return (s.killSame && Any(s.samePositions)) || (s.repeats && Any(s.repeatCounts)) ||
         s.sumDiff.apply || s.spanDiff.apply || (s.shared && Any(s.sharedCounts));
}

void FilterRelative(const RelativeState& s, const DigitTable& reference, FilterContext& ctx) {
  if (!RelativeApplied(s) || ctx.candidates.count() == 0) return;
  Applied a{s.killSame && Any(s.samePositions),
            s.repeats && Any(s.repeatCounts),
            s.sumDiff.apply,
            s.spanDiff.apply,
            s.shared && Any(s.sharedCounts),
            {},
            {}};
  if (a.sum) DiffTable<45>(s.sumDiff, "和值差的 k", a.killSum);
  if (a.span) DiffTable<9>(s.spanDiff, "跨度差的 k", a.killSpan);
  if (reference.empty())
    throw RunError("按上期条件需要上期开奖号码：开奖历史里还没有号码，请先导入开奖历史");
  if (reference.count() == 1) return OneReference(s, a, reference.row(0), ctx);
  if (reference.count() != ctx.candidates.count())
    throw std::logic_error("relative reference: one row, or one per candidate");
  PerCandidate(s, a, reference, ctx);
}

}  // namespace torvane
