#include "conditions/digit/banker_rows.h"

#include <bit>
#include <cstdint>

#include "core/box_value.h"

namespace torvane {
namespace {

constexpr int kRows = 6;
constexpr int kCounts = 6;

struct BankerRow {
  uint16_t mask = 0;    // bit d set: d is a banker digit of the row
  uint8_t digit[10]{};  // 1 for a banker digit
  uint8_t wanted[kCounts]{};
};

int SelectedDigits(const BankerRowsState& state, int row) {
  int n = 0;
  for (bool b : state.digits[row]) n += b ? 1 : 0;
  return n;
}

}  // namespace

bool BankerCountAllowed(const BankerRowsState& state, int row, int count) {
  if (row < 0 || row >= kRows || count < 0 || count >= kCounts) return false;
  const int n = SelectedDigits(state, row);
  return n >= count || (state.repeat && n > 0);
}

void FilterBankerRows(const BankerRowsState& state, FilterContext& ctx) {
  BankerRow rows[kRows];
  int usedCount = 0;
  for (int r = 0; r < kRows; ++r) {
    BankerRow& row = rows[usedCount];
    for (int d = 0; d < 10; ++d) {
      if (!state.digits[r][d]) continue;
      row.digit[d] = 1;
      row.mask = static_cast<uint16_t>(row.mask | (1u << d));
    }
    if (row.mask == 0) continue;
    bool anyCount = false;
    for (int c = 0; c < kCounts; ++c) {
      row.wanted[c] = state.counts[r][c] ? 1 : 0;
      anyCount = anyCount || state.counts[r][c];
    }
    // No count chosen: at least one banker digit must show.
    if (!anyCount)
      for (int c = 1; c < kCounts; ++c) row.wanted[c] = 1;
    ++usedCount;
  }
  if (usedCount == 0) return;  // the range boxes are not even read

  const int64_t min = BoxValue32(state.rangeMin, "胆码容错的最小值");
  const int64_t max = BoxValue32(state.rangeMax, "胆码容错的最大值");

  // Misses depend only on which digits a number holds: decided once per digit multiset.
  AppendMultisetRow(ctx, "胆码", [&](const uint8_t* d) {
    const unsigned present =
        (1u << d[0]) | (1u << d[1]) | (1u << d[2]) | (1u << d[3]) | (1u << d[4]);
    int64_t misses = 0;
    for (int r = 0; r < usedCount; ++r) {
      const BankerRow& row = rows[r];
      const int k = state.repeat ? row.digit[d[0]] + row.digit[d[1]] + row.digit[d[2]] +
                                       row.digit[d[3]] + row.digit[d[4]]
                                 : std::popcount(present & row.mask);
      if (!row.wanted[k]) ++misses;
    }
    return misses > max || misses < min;
  });
}

}  // namespace torvane
