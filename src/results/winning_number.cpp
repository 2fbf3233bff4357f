#include "results/winning_number.h"

#include <cstring>

namespace torvane::results {

WinningInput CleanWinningNumber(const QString& text) {
  QString s = text.trimmed();
  s.remove(QChar('.'));
  if (s.isEmpty()) return {true, s};
  bool digits = s.size() == kDigits;
  for (QChar c : s)
    if (c < QChar('0') || c > QChar('9')) digits = false;
  return {digits, s};
}

bool ContainsNumber(const DigitTable& table, const QString& number) {
  if (number.size() != kDigits) return false;
  uint8_t want[kDigits];
  for (int k = 0; k < kDigits; ++k) {
    const int d = number[k].unicode() - '0';
    if (d < 0 || d > 9) return false;
    want[k] = static_cast<uint8_t>(d);
  }
  const int n = table.count();
  for (int i = 0; i < n; ++i)
    if (std::memcmp(table.row(i), want, kDigits) == 0) return true;
  return false;
}

}  // namespace torvane::results
