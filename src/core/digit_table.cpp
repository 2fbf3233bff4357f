#include "core/digit_table.h"

namespace torvane {

void KeyToDigits(int key, uint8_t* out) {
  for (int p = kDigits - 1; p >= 0; --p) {
    out[p] = static_cast<uint8_t>(key % 10);
    key /= 10;
  }
}

int DigitsToKey(const uint8_t* d) {
  return (((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3]) * 10 + d[4];
}

void DigitTable::appendKey(int key) {
  uint8_t d[kDigits];
  KeyToDigits(key, d);
  appendRow(d);
}

int DigitTable::key(int i) const {
  return DigitsToKey(row(i));
}

DigitTable MakeFullSet() {
  DigitTable t;
  t.reserve(kNumberSpace);
  uint8_t d[kDigits];
  for (d[0] = 0; d[0] < 10; ++d[0])
    for (d[1] = 0; d[1] < 10; ++d[1])
      for (d[2] = 0; d[2] < 10; ++d[2])
        for (d[3] = 0; d[3] < 10; ++d[3])
          for (d[4] = 0; d[4] < 10; ++d[4]) t.appendRow(d);
  return t;
}

DigitTable TableFromPresence(const std::vector<uint8_t>& present) {
  DigitTable t;
  int n = 0;
  for (uint8_t f : present) n += f ? 1 : 0;
  t.reserve(n);
  uint8_t d[kDigits] = {0, 0, 0, 0, 0};
  for (int k = 0; k < kNumberSpace; ++k) {
    if (present[k]) t.appendRow(d);
    // Odometer increment keeps the digits in step with k without division.
    for (int p = kDigits - 1; p >= 0; --p) {
      if (++d[p] < 10) break;
      d[p] = 0;
    }
  }
  return t;
}

}  // namespace torvane
