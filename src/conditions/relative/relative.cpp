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

// One reference for every candidate, as in a run: the rows become tables of the candidate's
// digits, and the three that ignore order one lookup per digit multiset.
void OneReference(const RelativeRules& a, const uint8_t* r, FilterContext& ctx) {
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
    uint8_t killSame[32], killRepeats[32];
    for (unsigned m = 0; m < 32; ++m) {
      killSame[m] = (m & a.samePositions) != 0;
      killRepeats[m] = a.killRepeats[std::popcount(m)];
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
      return a.killShared[std::popcount(DigitMask(d) & mask)] != 0;
    });
}

// A reference per candidate, as in the back-test: each candidate against its own.
void PerCandidate(const RelativeRules& a, const DigitTable& reference, FilterContext& ctx) {
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
      for (int p = 0; p < kDigits; ++p) hit |= (a.samePositions >> p & 1) && c[p] == r[p];
      return hit;
    });
  if (a.repeats)
    append(kRelativeRowNames[1], [&](int, const uint8_t* c, const uint8_t* r) {
      int same = 0;
      for (int p = 0; p < kDigits; ++p) same += c[p] == r[p];
      return a.killRepeats[same] != 0;
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
      return a.killShared[std::popcount(f.mask[ms[i]] & DigitMask(r))] != 0;
    });
}

// killDiff[d] for d = |candidate − reference| in 0 … top.
template <size_t N>
void DiffTable(const RelativeDiffRow& row, const char* box, std::array<uint8_t, N>& killDiff) {
  const int k = BoxValue16(row.k, box);
  for (int d = 0; d < static_cast<int>(N); ++d) killDiff[d] = (row.atLeast ? d < k : d > k) ? 1 : 0;
}

}  // namespace

bool RelativeApplied(const RelativeState& s) {
  return (s.killSame && Any(s.samePositions)) || (s.repeats && Any(s.repeatCounts)) ||
         s.sumDiff.apply || s.spanDiff.apply || (s.shared && Any(s.sharedCounts));
}

RelativeFigures FiguresOf(const uint8_t* digits) {
  return {Sum(digits), Span(digits), DigitMask(digits)};
}

int RelativeRules::positionKills(unsigned agree) const {
  return (same && (agree & samePositions) != 0) + (repeats && killRepeats[std::popcount(agree)]);
}

int RelativeRules::figureKills(const RelativeFigures& c, const RelativeFigures& r) const {
  auto distance = [](int x, int y) { return x < y ? y - x : x - y; };
  return (sum && killSum[distance(c.sum, r.sum)]) + (span && killSpan[distance(c.span, r.span)]) +
         (shared && killShared[std::popcount(c.digitSet & r.digitSet)]);
}

RelativeRules ReadRelativeRules(const RelativeState& s) {
  RelativeRules a;
  a.same = s.killSame && Any(s.samePositions);
  a.repeats = s.repeats && Any(s.repeatCounts);
  a.sum = s.sumDiff.apply;
  a.span = s.spanDiff.apply;
  a.shared = s.shared && Any(s.sharedCounts);
  for (int p = 0; p < kDigits; ++p) a.samePositions |= s.samePositions[p] ? 1u << p : 0u;
  for (int n = 0; n <= kDigits; ++n) {
    a.killRepeats[n] = !s.repeatCounts[n];
    a.killShared[n] = !s.sharedCounts[n];
  }
  if (a.sum) DiffTable(s.sumDiff, "和值差的 k", a.killSum);
  if (a.span) DiffTable(s.spanDiff, "跨度差的 k", a.killSpan);
  return a;
}

void FilterRelative(const RelativeState& s, const DigitTable& reference, FilterContext& ctx) {
  if (!RelativeApplied(s) || ctx.candidates.count() == 0) return;
  const RelativeRules a = ReadRelativeRules(s);
  if (reference.empty())
    throw RunError("按上期条件需要上期开奖号码：开奖历史里还没有号码，请先导入开奖历史");
  if (reference.count() == 1) return OneReference(a, reference.row(0), ctx);
  if (reference.count() != ctx.candidates.count())
    throw std::logic_error("relative reference: one row, or one per candidate");
  PerCandidate(a, reference, ctx);
}

}  // namespace torvane
