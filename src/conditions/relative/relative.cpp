// 按上期条件. The candidates' sums, spans and digit sets come from per-multiset tables; the
// reference is read per candidate through a stride of 0 (one reference) or 5 (one each), so
// the run and the back-test share one loop.
#include "conditions/relative/relative.h"

#include <bit>
#include <cstdint>
#include <stdexcept>

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

class Rows {
 public:
  Rows(const DigitTable& reference, FilterContext& ctx) : ctx_(ctx) {
    const int n = ctx.candidates.count();
    if (reference.empty())
      throw RunError("按上期条件需要上期开奖号码：开奖历史里还没有号码，请先导入开奖历史");
    if (reference.count() != 1 && reference.count() != n)
      throw std::logic_error("relative reference: one row, or one per candidate");
    ref_ = reference.row(0);
    stride_ = reference.count() == 1 ? 0 : kDigits;
  }

  // kills(i, candidate digits, reference digits) for every candidate.
  template <class Kills>
  void append(const char* name, Kills&& kills) {
    uint8_t* flags = ctx_.kills.appendRow(name);
    const int n = ctx_.candidates.count();
    for (int i = 0; i < n; ++i)
      flags[i] = kills(i, ctx_.candidates.row(i), ref_ + static_cast<size_t>(i) * stride_) ? 1 : 0;
  }

  const std::vector<uint16_t>& multisets() { return CandidateMultisets(ctx_); }

 private:
  FilterContext& ctx_;
  const uint8_t* ref_ = nullptr;
  size_t stride_ = 0;
};

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
  // The k boxes are read before anything is appended, so a bad one leaves no half row.
  uint8_t killSum[46], killSpan[10];
  if (s.sumDiff.apply) DiffTable<45>(s.sumDiff, "和值差的 k", killSum);
  if (s.spanDiff.apply) DiffTable<9>(s.spanDiff, "跨度差的 k", killSpan);
  Rows rows(reference, ctx);

  if (s.killSame && Any(s.samePositions)) {
    bool at[kDigits];
    for (int p = 0; p < kDigits; ++p) at[p] = s.samePositions[p];
    rows.append(kRelativeRowNames[0], [&](int, const uint8_t* c, const uint8_t* r) {
      return (at[0] & (c[0] == r[0])) | (at[1] & (c[1] == r[1])) | (at[2] & (c[2] == r[2])) |
             (at[3] & (c[3] == r[3])) | (at[4] & (c[4] == r[4]));
    });
  }
  if (s.repeats && Any(s.repeatCounts)) {
    rows.append(kRelativeRowNames[1], [&](int, const uint8_t* c, const uint8_t* r) {
      const int same =
          (c[0] == r[0]) + (c[1] == r[1]) + (c[2] == r[2]) + (c[3] == r[3]) + (c[4] == r[4]);
      return !s.repeatCounts[same];
    });
  }
  const MultisetFigures& f = Figures();
  if (s.sumDiff.apply) {
    const std::vector<uint16_t>& ms = rows.multisets();
    rows.append(kRelativeRowNames[2], [&](int i, const uint8_t*, const uint8_t* r) {
      const int d = f.sum[ms[i]] - Sum(r);
      return killSum[d < 0 ? -d : d] != 0;
    });
  }
  if (s.spanDiff.apply) {
    const std::vector<uint16_t>& ms = rows.multisets();
    rows.append(kRelativeRowNames[3], [&](int i, const uint8_t*, const uint8_t* r) {
      const int d = f.span[ms[i]] - Span(r);
      return killSpan[d < 0 ? -d : d] != 0;
    });
  }
  if (s.shared && Any(s.sharedCounts)) {
    const std::vector<uint16_t>& ms = rows.multisets();
    rows.append(kRelativeRowNames[4], [&](int i, const uint8_t*, const uint8_t* r) {
      return !s.sharedCounts[std::popcount(f.mask[ms[i]] & DigitMask(r))];
    });
  }
}

}  // namespace torvane
