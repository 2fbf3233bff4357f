#pragma once
// Numbers whose digits are the same multiset share every order-free verdict; filters that
// look only at which digits occur decide once per multiset (2002 of them) and look up.

#include <cstdint>

namespace torvane {

// For every key 0..99999, the key of its digits sorted ascending (53120 -> 1235).
const int32_t* SortedKeyTable();

// Calls f(sortedKey, digits) for every non-decreasing five-digit tuple.
template <typename F>
void ForEachSortedNumber(F&& f) {
  uint8_t d[5];
  for (d[0] = 0; d[0] < 10; ++d[0])
    for (d[1] = d[0]; d[1] < 10; ++d[1])
      for (d[2] = d[1]; d[2] < 10; ++d[2])
        for (d[3] = d[2]; d[3] < 10; ++d[3])
          for (d[4] = d[3]; d[4] < 10; ++d[4])
            f((((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3]) * 10 + d[4],
              static_cast<const uint8_t*>(d));
}

}  // namespace torvane
