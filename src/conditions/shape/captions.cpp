// Captions and digit classes shared by the shape panels, their filters and scheme files.
#include <cstring>

#include "conditions/shape/digit_classes.h"
#include "conditions/shape/ratios.h"
#include "conditions/shape/route_patterns.h"
#include "conditions/shape/shape_patterns.h"
#include "conditions/shape/special_exclusion.h"

namespace torvane {

std::array<uint8_t, 10> ClassTable(const char* classDigits) {
  std::array<uint8_t, 10> t{};
  for (const char* p = classDigits; *p; ++p) t[*p - '0'] = 1;
  return t;
}

std::string RatioCaption(int index) {
  int n = index % 6;
  return std::to_string(n) + ":" + std::to_string(5 - n);
}

std::string ShapeCaption(int kind, int index) {
  std::string s;
  for (int bit = 4; bit >= 0; --bit) s += kShapeSymbols[kind][(index >> bit) & 1];
  return s;
}

std::string RouteCaption(int index) {
  const int w[5] = {81, 27, 9, 3, 1};
  std::string s;
  for (int p = 0; p < 5; ++p) s.push_back(static_cast<char>('0' + (index / w[p]) % 3));
  return s;
}

const char* SpecialCaption(int index) {
  static const char* const kCaptions[14] = {"上山",  "下山",  "AAAAA", "不连",  "2连",
                                            "3连",   "4连",   "5连",   "AABCD", "AABBC",
                                            "AAABC", "AAAAB", "ABCDE", "AAABB"};
  return index >= 0 && index < 14 ? kCaptions[index] : "";
}

}  // namespace torvane
