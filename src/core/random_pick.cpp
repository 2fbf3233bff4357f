#include "core/random_pick.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace torvane {

DigitTable PickRandomRows(const DigitTable& table, int count, std::mt19937_64& rng) {
  const int n = table.count();
  count = std::clamp(count, 0, n);
  // Partial Fisher-Yates: after step i, slots 0 … i hold a uniform sample of i + 1 rows.
  std::vector<int> index(static_cast<size_t>(n));
  std::iota(index.begin(), index.end(), 0);
  for (int i = 0; i < count; ++i) {
    std::uniform_int_distribution<int> from(i, n - 1);
    std::swap(index[static_cast<size_t>(i)], index[static_cast<size_t>(from(rng))]);
  }
  std::sort(index.begin(), index.begin() + count);
  DigitTable picked;
  picked.reserve(count);
  for (int i = 0; i < count; ++i) picked.appendRow(table.row(index[static_cast<size_t>(i)]));
  return picked;
}

DigitTable PickRandomRows(const DigitTable& table, int count) {
  std::random_device seed;
  std::mt19937_64 rng((static_cast<uint64_t>(seed()) << 32) ^ seed());
  return PickRandomRows(table, count, rng);
}

}  // namespace torvane
