#include "core/digit_multiset.h"

#include <vector>

namespace torvane {

const int32_t* SortedKeyTable() {
  static const std::vector<int32_t> table = [] {
    std::vector<int32_t> t(100000);
    for (int key = 0; key < 100000; ++key) {
      int counts[10] = {};
      for (int k = key, p = 0; p < 5; ++p, k /= 10) ++counts[k % 10];
      int sorted = 0;
      for (int d = 0; d < 10; ++d)
        for (int n = 0; n < counts[d]; ++n) sorted = sorted * 10 + d;
      t[key] = sorted;
    }
    return t;
  }();
  return table.data();
}

const uint16_t* MultisetIndexTable() {
  static const std::vector<uint16_t> table = [] {
    std::vector<uint16_t> indexOfSorted(100000, 0);
    ForEachMultiset([&](int index, int sortedKey, const uint8_t*) {
      indexOfSorted[sortedKey] = static_cast<uint16_t>(index);
    });
    const int32_t* sorted = SortedKeyTable();
    std::vector<uint16_t> t(100000);
    for (int key = 0; key < 100000; ++key) t[key] = indexOfSorted[sorted[key]];
    return t;
  }();
  return table.data();
}

}  // namespace torvane
