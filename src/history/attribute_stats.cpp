#include "history/attribute_stats.h"

#include <algorithm>

namespace torvane::history {
namespace {

constexpr const char* kNames[kAttributeCount] = {"万位",   "千位",   "百位",   "十位",
                                                 "个位",   "和值",   "和尾",   "跨度",
                                                 "大小比", "奇偶比", "质合比", "形态"};
constexpr int kValueCounts[kAttributeCount] = {10, 10, 10, 10, 10, 46, 10, 10, 6, 6, 6, 7};
constexpr const char* kShapes[7] = {"AAAAA", "AAAAB", "AAABB", "AAABC", "AABBC", "AABCD", "ABCDE"};

// Digit classes counted by the three ratios: big 5-9, odd, prime 1 2 3 5 7.
constexpr std::uint8_t kBig[10] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1};
constexpr std::uint8_t kOdd[10] = {0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
constexpr std::uint8_t kPrime[10] = {0, 1, 1, 1, 0, 1, 0, 1, 0, 0};

int ShapeIndex(const Digits& d) {
  std::uint8_t counts[10] = {};
  int distinct = 0, largest = 0;
  for (std::uint8_t v : d) {
    const int c = ++counts[v];
    distinct += c == 1;
    largest = std::max(largest, c);
  }
  switch (distinct) {
    case 1:
      return 0;
    case 2:
      return largest == 4 ? 1 : 2;
    case 3:
      return largest == 3 ? 3 : 4;
    case 4:
      return 5;
    default:
      return 6;
  }
}

// Every attribute's value of one number, in attribute order.
std::array<int, kAttributeCount> AllValues(const Digits& d) {
  int sum = 0, lo = 9, hi = 0, big = 0, odd = 0, prime = 0;
  for (std::uint8_t v : d) {
    sum += v;
    lo = std::min<int>(lo, v);
    hi = std::max<int>(hi, v);
    big += kBig[v];
    odd += kOdd[v];
    prime += kPrime[v];
  }
  return {d[0], d[1], d[2], d[3], d[4], sum, sum % 10, hi - lo, big, odd, prime, ShapeIndex(d)};
}

// How many of the 100000 numbers show each value, counted once.
using NumberCounts = std::array<std::array<int, 46>, kAttributeCount>;
const NumberCounts& CountsOverAllNumbers() {
  static const NumberCounts counts = [] {
    NumberCounts c{};
    Digits d{};
    for (int n = 0; n < 100000; ++n) {
      for (int p = 4, rest = n; p >= 0; --p, rest /= 10)
        d[p] = static_cast<std::uint8_t>(rest % 10);
      const auto values = AllValues(d);
      for (int a = 0; a < kAttributeCount; ++a) ++c[a][values[a]];
    }
    return c;
  }();
  return counts;
}

}  // namespace

const char* AttributeName(Attribute a) {
  return kNames[static_cast<int>(a)];
}

int ValueCount(Attribute a) {
  return kValueCounts[static_cast<int>(a)];
}

std::string ValueLabel(Attribute a, int value) {
  switch (a) {
    case Attribute::BigSmall:
    case Attribute::OddEven:
    case Attribute::PrimeComposite:
      return std::to_string(value) + ":" + std::to_string(5 - value);
    case Attribute::Shape:
      return kShapes[value];
    default:
      return std::to_string(value);
  }
}

StatsTable ComputeAttributeStats(std::span<const Draw> history, int lastN) {
  const int n = static_cast<int>(history.size());
  StatsTable t;
  t.draws = n;
  t.window = lastN > 0 && lastN < n ? lastN : n;
  const int windowStart = n - t.window;

  // The draw where each value last showed (-1 before its first), and its longest gap so far.
  std::array<std::array<int, 46>, kAttributeCount> last, longest;
  for (auto& row : last) row.fill(-1);
  for (auto& row : longest) row.fill(0);
  std::array<std::array<int, 46>, kAttributeCount> hits{};
  for (int i = 0; i < n; ++i) {
    const auto values = AllValues(history[i].digits);
    for (int a = 0; a < kAttributeCount; ++a) {
      const int v = values[a];
      longest[a][v] = std::max(longest[a][v], i - last[a][v] - 1);
      last[a][v] = i;
      hits[a][v] += i >= windowStart;
    }
  }

  const NumberCounts& counts = CountsOverAllNumbers();
  for (int a = 0; a < kAttributeCount; ++a) {
    AttributeStats& s = t.attributes[a];
    s.attribute = static_cast<Attribute>(a);
    s.values.resize(kValueCounts[a]);
    for (int v = 0; v < kValueCounts[a]; ++v) {
      ValueStats& out = s.values[v];
      out.probability = counts[a][v] / 100000.0;
      out.hits = hits[a][v];
      out.expected = out.probability * t.window;
      out.current = n - 1 - last[a][v];
      out.longest = std::max(longest[a][v], out.current);
      out.expectedGap = (1 - out.probability) / out.probability;
    }
  }
  return t;
}

}  // namespace torvane::history
