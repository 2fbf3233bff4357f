#pragma once
// Attribute statistics (指标统计): for every value of the attributes the conditions use, its
// exact probability, its hits in a window of the newest draws and its omission over the
// whole history.
//
// The history is oldest first, indexed 0..n-1; the window is its newest w draws (all of them
// when lastN is 0 or not smaller than n). For a value shown by the draws i1 < ... < ik:
//   hits     = the showings inside the window;
//   expected = probability * w;
//   current  = n-1-ik, or n when it never showed;
//   longest  = the largest of i1, the gaps i(j+1)-ij-1 and current (n when it never showed);
//   expectedGap = (1 - p) / p, the mean omission of a fair draw.
// The window only counts hits: omission reaches back over the whole history.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "history/draw.h"

namespace torvane::history {

enum class Attribute {
  TenThousands,  // 万位 0-9
  Thousands,
  Hundreds,
  Tens,
  Units,           // 个位
  Sum,             // 和值 0-45
  SumTail,         // 和尾 0-9
  Span,            // 跨度 0-9
  BigSmall,        // 大小比 0:5 .. 5:0, by the count of big digits 5-9
  OddEven,         // 奇偶比, by the count of odd digits
  PrimeComposite,  // 质合比, by the count of primes 1 2 3 5 7
  Shape,           // 形态 AAAAA .. ABCDE
};
inline constexpr int kAttributeCount = 12;

const char* AttributeName(Attribute a);  // "万位", "和值", ...
int ValueCount(Attribute a);
// "7", "45", "2:3", "AABBC": how the value is written, in value order.
std::string ValueLabel(Attribute a, int value);

struct ValueStats {
  double probability = 0;
  int hits = 0;
  double expected = 0;
  int current = 0;
  int longest = 0;
  double expectedGap = 0;
};

struct AttributeStats {
  Attribute attribute{};
  std::vector<ValueStats> values;  // by value
};

struct StatsTable {
  int draws = 0;   // the whole history
  int window = 0;  // the draws whose hits count
  std::array<AttributeStats, kAttributeCount> attributes;
};

StatsTable ComputeAttributeStats(std::span<const Draw> history, int lastN = 0);

}  // namespace torvane::history
