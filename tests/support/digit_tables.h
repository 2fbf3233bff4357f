#pragma once
// Number tables from and to plain keys (00123 is key 123), in the order given.

#include <initializer_list>
#include <vector>

#include "core/digit_table.h"

namespace torvane::support {

// A table holding these numbers, in this order, repeats kept.
inline DigitTable TableOf(const std::vector<int>& keys) {
  DigitTable t;
  t.reserve(static_cast<int>(keys.size()));
  for (int k : keys) t.appendKey(k);
  return t;
}

inline DigitTable TableOf(std::initializer_list<int> keys) {
  return TableOf(std::vector<int>(keys));
}

// The numbers of a table as keys, row by row.
inline std::vector<int> KeysOf(const DigitTable& t) {
  std::vector<int> keys;
  keys.reserve(static_cast<size_t>(t.count()));
  for (int i = 0; i < t.count(); ++i) keys.push_back(t.key(i));
  return keys;
}

}  // namespace torvane::support
