#pragma once
// Numbers whose digits are the same multiset share every order-free verdict; filters that
// look only at which digits occur decide once per multiset (2002 of them) and look up.

#include <cstdint>

namespace torvane {

constexpr int kMultisets = 2002;

// For every key 0..99999, the key of its digits sorted ascending (53120 -> 1235).
const int32_t* SortedKeyTable();
// For every key 0..99999, the index 0..2001 of its digit multiset (ForEachMultiset order).
const uint16_t* MultisetIndexTable();

// Calls f(index, sortedKey, digits) for every non-decreasing five-digit tuple, index
// counting from 0 in ascending order.
template <typename F>
void ForEachMultiset(F&& f) {
  uint8_t d[5];
  int index = 0;
  for (d[0] = 0; d[0] < 10; ++d[0])
    for (d[1] = d[0]; d[1] < 10; ++d[1])
      for (d[2] = d[1]; d[2] < 10; ++d[2])
        for (d[3] = d[2]; d[3] < 10; ++d[3])
          for (d[4] = d[3]; d[4] < 10; ++d[4])
            f(index++, (((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3]) * 10 + d[4],
              static_cast<const uint8_t*>(d));
}

}  // namespace torvane
