#include "history/draw_figures.h"

#include <algorithm>

namespace torvane::history {
namespace {

template <typename Pred>
std::string Ratio(const Digits& d, Pred first) {
  int n = static_cast<int>(std::count_if(d.begin(), d.end(), first));
  return std::to_string(n) + ":" + std::to_string(5 - n);
}

}  // namespace

int DigitSum(const Digits& d) {
  int s = 0;
  for (auto v : d) s += v;
  return s;
}

int DigitSpan(const Digits& d) {
  auto [lo, hi] = std::minmax_element(d.begin(), d.end());
  return *hi - *lo;
}

std::string BigSmallRatio(const Digits& d) {
  return Ratio(d, [](std::uint8_t v) { return v >= 5; });
}

std::string OddEvenRatio(const Digits& d) {
  return Ratio(d, [](std::uint8_t v) { return v % 2 == 1; });
}

std::string PrimeCompositeRatio(const Digits& d) {
  return Ratio(d, [](std::uint8_t v) { return v == 1 || v == 2 || v == 3 || v == 5 || v == 7; });
}

const char* ShapeName(const Digits& d) {
  int counts[10] = {};
  for (auto v : d) ++counts[v];
  int largest = 0, distinct = 0;
  for (int c : counts) {
    largest = std::max(largest, c);
    distinct += c > 0;
  }
  // The largest multiplicity and the number of distinct digits tell the seven shapes apart.
  switch (distinct) {
    case 1:
      return "AAAAA";
    case 2:
      return largest == 4 ? "AAAAB" : "AAABB";
    case 3:
      return largest == 3 ? "AAABC" : "AABBC";
    case 4:
      return "AABCD";
    default:
      return "ABCDE";
  }
}

std::string RouteText(const Digits& d) {
  std::string s(5, '0');
  for (size_t i = 0; i < 5; ++i) s[i] = static_cast<char>('0' + d[i] % 3);
  return s;
}

}  // namespace torvane::history
