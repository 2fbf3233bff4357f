// 和、跨、胆: sum tail, sum, span and any-digit kill; each set condition is its own row.
#include "conditions/shape/sum_span.h"

#include <cstdint>

#include "core/box_value.h"
#include "core/text_util.h"

namespace torvane {

const char* const kSumHint = "和数值输入要保持两位数，例如 01 02 03 ...";

namespace {

bool AnyTicked(const std::array<bool, 10>& boxes) {
  for (bool b : boxes)
    if (b) return true;
  return false;
}

// Every non-digit becomes a blank, outer blanks go, runs of blanks become one. Bytes of a
// multi-byte character are all non-digits, so they collapse into one blank as well.
std::string KeepOnlyDigits(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  bool pendingBlank = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (pendingBlank && !out.empty()) out.push_back(' ');
      pendingBlank = false;
      out.push_back(c);
    } else {
      pendingBlank = true;
    }
  }
  return out;
}

// Appends a row killing every candidate whose measure is flagged in kill. Every measure
// here ignores digit order, so it is decided once per digit multiset.
template <class Measure>
void KillBy(const char* name, const uint8_t* kill, Measure measure, FilterContext& ctx) {
  AppendMultisetRow(ctx, name, [&](const uint8_t* d) { return kill[measure(d)] != 0; });
}

int DigitSum(const uint8_t* d) {
  return d[0] + d[1] + d[2] + d[3] + d[4];
}

bool HaveCandidates(const FilterContext& ctx) {
  return ctx.candidates.count() >= 1;
}

}  // namespace

void FilterSumTails(const SumSpanState& state, FilterContext& ctx) {
  if (!AnyTicked(state.tails) || !HaveCandidates(ctx)) return;
  uint8_t killSum[46];
  for (int s = 0; s <= 45; ++s) killSum[s] = state.tails[s % 10] ? 1 : 0;
  KillBy("杀和尾", killSum, DigitSum, ctx);
}

std::optional<std::string> FilterSums(const SumSpanState& state, FilterContext& ctx) {
  if (state.sums.empty() || state.sums == kSumHint) return std::nullopt;
  std::string text = KeepOnlyDigits(state.sums);
  if (text.empty()) return std::nullopt;
  uint8_t killSum[46] = {};
  bool any = false;
  for (std::string_view piece : SplitAtSpaces(text)) {
    const int32_t v = BoxValue32(piece, "杀和值");  // throws beyond 32 bits
    if (v >= 0 && v < 46) {
      killSum[v] = 1;
      any = true;
    }
  }
  if (any && HaveCandidates(ctx)) KillBy("杀和值", killSum, DigitSum, ctx);
  return text;
}

void FilterSpans(const SumSpanState& state, FilterContext& ctx) {
  if (!AnyTicked(state.spans) || !HaveCandidates(ctx)) return;
  uint8_t killSpan[10];
  for (int v = 0; v < 10; ++v) killSpan[v] = state.spans[v] ? 1 : 0;
  // Largest digit minus smallest, folded through min/max tables.
  uint8_t lower[10][10], upper[10][10];
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) {
      lower[x][y] = static_cast<uint8_t>(x < y ? x : y);
      upper[x][y] = static_cast<uint8_t>(x < y ? y : x);
    }
  KillBy(
      "杀跨度", killSpan,
      [&](const uint8_t* d) {
        const int hi = upper[upper[upper[upper[d[0]][d[1]]][d[2]]][d[3]]][d[4]];
        const int lo = lower[lower[lower[lower[d[0]][d[1]]][d[2]]][d[3]]][d[4]];
        return hi - lo;
      },
      ctx);
}

void FilterDigitsAnywhere(const SumSpanState& state, FilterContext& ctx) {
  if (!AnyTicked(state.digits) || !HaveCandidates(ctx)) return;
  uint8_t killDigit[10];
  for (int v = 0; v < 10; ++v) killDigit[v] = state.digits[v] ? 1 : 0;
  AppendMultisetRow(ctx, "通杀码", [&](const uint8_t* d) {
    return (killDigit[d[0]] | killDigit[d[1]] | killDigit[d[2]] | killDigit[d[3]] |
            killDigit[d[4]]) != 0;
  });
}

}  // namespace torvane
