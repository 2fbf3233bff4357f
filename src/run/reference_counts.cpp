#include "run/reference_counts.h"

#include <algorithm>

namespace torvane {
namespace {

// The differences a kill table by |difference| keeps: by construction one interval ("at most
// k" keeps 0…k, "at least k" keeps k…); empty as {1, 0}.
template <size_t N>
void KeptInterval(const std::array<uint8_t, N>& kill, uint8_t (&keep)[2]) {
  int lo = -1, hi = -1;
  for (int d = 0; d < static_cast<int>(N); ++d)
    if (!kill[d]) {
      if (lo < 0) lo = d;
      hi = d;
    }
  if (lo < 0) {
    keep[0] = 1;
    keep[1] = 0;
    return;
  }
  keep[0] = static_cast<uint8_t>(lo);
  // Past the table's last difference nothing occurs; keep its verdict there.
  keep[1] = static_cast<uint8_t>(hi == static_cast<int>(N) - 1 ? 127 : hi);
}

uint8_t Bit(bool b) {
  return b ? 1 : 0;
}

}  // namespace

ReferenceResultCounter::ReferenceResultCounter(const KillTable& kills, const DigitTable& start,
                                               ToleranceRange tolerance, const RelativeRules& rules)
    : rules_(rules) {
  const int n = kills.candidates();
  const int others = kills.rowCount() - 1 - rules.rows();
  std::vector<uint8_t> base(n, 0);
  for (int r = 1; r <= others; ++r) {
    const uint8_t* flags = kills.row(r);
    for (int i = 0; i < n; ++i) base[i] += flags[i];
  }
  const int top = others + rules.rows();  // at most KillTable::kMaxRows
  min_ = static_cast<uint8_t>(std::min<int>(tolerance.min, top + 1));
  max_ = static_cast<uint8_t>(std::min<int>(tolerance.max, top + 1));
  if (rules.sum) KeptInterval(rules.killSum, sumKeep_);
  if (rules.span) KeptInterval(rules.killSpan, spanKeep_);

  for (int i = 0; i < n; ++i) {
    const int b = base[i];
    int inside = 0;
    for (int k = 0; k <= rules.rows(); ++k) inside += b + k >= min_ && b + k <= max_;
    if (inside == 0) continue;
    if (inside == rules.rows() + 1) {
      ++always_;
      continue;
    }
    const uint8_t* d = start.row(i);
    for (int p = 0; p < kDigits; ++p) digits_[p].push_back(d[p]);
    const RelativeFigures f = FiguresOf(d);
    sum_.push_back(static_cast<uint8_t>(f.sum));
    span_.push_back(static_cast<uint8_t>(f.span));
    setLow_.push_back(static_cast<uint8_t>(f.digitSet & 0xFF));
    setHigh_.push_back(static_cast<uint8_t>(f.digitSet >> 8));
    base_.push_back(static_cast<uint8_t>(b));
  }
}

namespace {

// What one reference asks of the undecided candidates, as loop-invariant bytes.
struct Pass {
  uint8_t r[kDigits];
  uint8_t same, t[kDigits];
  uint8_t repeatKills[6], sharedKills[6];
  uint8_t bitLow[5], bitHigh[5];
  uint8_t sumOn, spanOn, sumRef, spanRef;
  // Signed bytes: SSE2 compares those directly (every figure is below 128).
  int8_t sumLo, sumHi, spanLo, spanHi;
  uint8_t lo, hi;
};

struct Columns {
  const uint8_t *d0, *d1, *d2, *d3, *d4, *sum, *span, *low, *high, *base;
};

// Every row is byte arithmetic on the candidate's columns, with no table to look up, so the
// loop runs on vector registers, twice as wide where the processor has AVX2.
__attribute__((target_clones("avx2", "default"))) int CountInside(const Columns& c, const Pass& p,
                                                                  int n) {
  const uint8_t* __restrict d0 = c.d0;
  const uint8_t* __restrict d1 = c.d1;
  const uint8_t* __restrict d2 = c.d2;
  const uint8_t* __restrict d3 = c.d3;
  const uint8_t* __restrict d4 = c.d4;
  const uint8_t* __restrict sum = c.sum;
  const uint8_t* __restrict span = c.span;
  const uint8_t* __restrict low = c.low;
  const uint8_t* __restrict high = c.high;
  const uint8_t* __restrict base = c.base;
  const Pass q = p;
  int total = 0;
  for (int i = 0; i < n; ++i) {
    const uint8_t e0 = d0[i] == q.r[0], e1 = d1[i] == q.r[1], e2 = d2[i] == q.r[2],
                  e3 = d3[i] == q.r[3], e4 = d4[i] == q.r[4];
    const uint8_t killSame =
        q.same & ((e0 & q.t[0]) | (e1 & q.t[1]) | (e2 & q.t[2]) | (e3 & q.t[3]) | (e4 & q.t[4]));
    const uint8_t repeats = static_cast<uint8_t>(e0 + e1 + e2 + e3 + e4);
    // The reference's distinct digits that the candidate holds.
    uint8_t shared = 0;
    for (int j = 0; j < 5; ++j)
      shared += ((low[i] & q.bitLow[j]) != 0) | ((high[i] & q.bitHigh[j]) != 0);
    uint8_t killRepeats = 0, killShared = 0;
    for (uint8_t k = 0; k < 6; ++k) {
      killRepeats |= (repeats == k) & q.repeatKills[k];
      killShared |= (shared == k) & q.sharedKills[k];
    }
    // |difference| outside the kept interval, without an absolute value: both signs checked.
    const int8_t sumUp = static_cast<int8_t>(sum[i] - q.sumRef),
                 sumDown = static_cast<int8_t>(q.sumRef - sum[i]);
    const int8_t spanUp = static_cast<int8_t>(span[i] - q.spanRef),
                 spanDown = static_cast<int8_t>(q.spanRef - span[i]);
    const uint8_t killSum = q.sumOn & ((sumUp > q.sumHi) | (sumDown > q.sumHi) |
                                       ((sumUp < q.sumLo) & (sumDown < q.sumLo)));
    const uint8_t killSpan = q.spanOn & ((spanUp > q.spanHi) | (spanDown > q.spanHi) |
                                         ((spanUp < q.spanLo) & (spanDown < q.spanLo)));
    const uint8_t s =
        static_cast<uint8_t>(base[i] + killSame + killRepeats + killShared + killSum + killSpan);
    total += (s >= q.lo) & (s <= q.hi);
  }
  return total;
}

}  // namespace

int ReferenceResultCounter::count(const uint8_t* reference) const {
  const RelativeRules& a = rules_;
  const RelativeFigures ref = FiguresOf(reference);
  Pass p{};
  for (int k = 0; k < kDigits; ++k) {
    p.r[k] = reference[k];
    p.t[k] = Bit(a.samePositions >> k & 1);
  }
  p.same = Bit(a.same);
  for (int k = 0; k < 6; ++k) {
    p.repeatKills[k] = Bit(a.repeats && a.killRepeats[k]);
    p.sharedKills[k] = Bit(a.shared && a.killShared[k]);
  }
  // One bit per distinct digit of the reference (at most five), in the low or high byte.
  for (int d = 0, j = 0; d < 10; ++d)
    if (ref.digitSet >> d & 1) {
      (d < 8 ? p.bitLow[j] : p.bitHigh[j]) = static_cast<uint8_t>(1u << (d < 8 ? d : d - 8));
      ++j;
    }
  p.sumOn = Bit(a.sum);
  p.spanOn = Bit(a.span);
  p.sumRef = static_cast<uint8_t>(ref.sum);
  p.spanRef = static_cast<uint8_t>(ref.span);
  p.sumLo = static_cast<int8_t>(sumKeep_[0]);
  p.sumHi = static_cast<int8_t>(sumKeep_[1]);
  p.spanLo = static_cast<int8_t>(spanKeep_[0]);
  p.spanHi = static_cast<int8_t>(spanKeep_[1]);
  p.lo = min_;
  p.hi = max_;
  const Columns c{digits_[0].data(), digits_[1].data(), digits_[2].data(), digits_[3].data(),
                  digits_[4].data(), sum_.data(),       span_.data(),      setLow_.data(),
                  setHigh_.data(),   base_.data()};
  return always_ + CountInside(c, p, undecided());
}

}  // namespace torvane
