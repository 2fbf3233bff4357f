#include "history/attribute_stats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "support/history_samples.h"

namespace torvane::history {
namespace {

std::vector<Draw> History(std::initializer_list<const char*> numbers) {
  std::vector<Draw> h;
  for (const char* n : numbers)
    h.push_back({std::to_string(2024001 + h.size()), "", *DigitsFromText(n)});
  return h;
}

// Sums 5 15 9 3 25; 大小比 0:5 1:4 1:4 0:5 5:0; 形态 AAAAA ABCDE AAAAB AAABC AAAAA.
const std::vector<Draw> kFive = History({"11111", "12345", "90000", "12000", "55555"});

struct HandCase {
  const char* name;
  int lastN;
  Attribute attribute;
  const char* value;
  int hits, current, longest;
};

class AttributeStatsHandMade : public ::testing::TestWithParam<HandCase> {};

TEST_P(AttributeStatsHandMade, HitsInTheWindowOmissionOverEverything) {
  const HandCase& c = GetParam();
  const StatsTable t = ComputeAttributeStats(kFive, c.lastN);
  const AttributeStats& a = t.attributes[static_cast<int>(c.attribute)];
  int value = 0;
  while (ValueLabel(c.attribute, value) != c.value) ++value;
  EXPECT_EQ(a.values[value].hits, c.hits);
  EXPECT_EQ(a.values[value].current, c.current);
  EXPECT_EQ(a.values[value].longest, c.longest);
}

INSTANTIATE_TEST_SUITE_P(
    FiveDraws, AttributeStatsHandMade,
    ::testing::Values(HandCase{"SumOnlyInOldest", 0, Attribute::Sum, "5", 1, 4, 4},
                      HandCase{"ShapeAtBothEnds", 0, Attribute::Shape, "AAAAA", 2, 0, 3},
                      HandCase{"TailThreeTimes", 0, Attribute::SumTail, "5", 3, 0, 2},
                      HandCase{"OmissionReachesBeforeTheWindow", 2, Attribute::Sum, "5", 0, 4, 4},
                      HandCase{"LongestGapBeforeTheWindow", 2, Attribute::BigSmall, "0:5", 1, 1, 2},
                      HandCase{"OneCountsAsPrime", 2, Attribute::PrimeComposite, "5:0", 1, 0, 3},
                      HandCase{"WindowLargerThanHistory", 50, Attribute::OddEven, "1:4", 2, 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AttributeStatsValues, WrittenInValueOrder) {
  std::string ratios, shapes;
  for (int v = 0; v < 7; ++v) {
    if (v < 6) ratios += ValueLabel(Attribute::OddEven, v) + " ";
    shapes += ValueLabel(Attribute::Shape, v) + " ";
  }
  EXPECT_EQ(ratios, "0:5 1:4 2:3 3:2 4:1 5:0 ");
  EXPECT_EQ(shapes, "AAAAA AAAAB AAABB AAABC AABBC AABCD ABCDE ");
}

// The attribute values of a number, worked out the plain way.
std::map<Attribute, std::string> PlainValues(const Digits& d) {
  int sum = 0, big = 0, odd = 0, prime = 0;
  for (int v : d) {
    sum += v;
    big += v >= 5;
    odd += v % 2;
    prime += v == 1 || v == 2 || v == 3 || v == 5 || v == 7;
  }
  std::vector<int> counts;
  for (int v = 0; v < 10; ++v)
    if (int c = static_cast<int>(std::count(d.begin(), d.end(), v))) counts.push_back(c);
  std::sort(counts.rbegin(), counts.rend());
  std::string multiplicities;
  for (int c : counts) multiplicities += std::to_string(c);
  const std::map<std::string, std::string> shapes = {
      {"5", "AAAAA"},   {"41", "AAAAB"},   {"32", "AAABB"},   {"311", "AAABC"},
      {"221", "AABBC"}, {"2111", "AABCD"}, {"11111", "ABCDE"}};
  auto ratio = [](int k) { return std::to_string(k) + ":" + std::to_string(5 - k); };
  return {{Attribute::TenThousands, std::to_string(d[0])},
          {Attribute::Thousands, std::to_string(d[1])},
          {Attribute::Hundreds, std::to_string(d[2])},
          {Attribute::Tens, std::to_string(d[3])},
          {Attribute::Units, std::to_string(d[4])},
          {Attribute::Sum, std::to_string(sum)},
          {Attribute::SumTail, std::to_string(sum % 10)},
          {Attribute::Span, std::to_string(*std::max_element(d.begin(), d.end()) -
                                           *std::min_element(d.begin(), d.end()))},
          {Attribute::BigSmall, ratio(big)},
          {Attribute::OddEven, ratio(odd)},
          {Attribute::PrimeComposite, ratio(prime)},
          {Attribute::Shape, shapes.at(multiplicities)}};
}

TEST(AttributeStatsBruteForce, AgreesWithAPlainCount) {
  std::map<std::pair<Attribute, std::string>, int> numbers;
  for (int n = 0; n < 100000; ++n) {
    const std::string text = std::to_string(100000 + n).substr(1);
    for (const auto& [a, v] : PlainValues(*DigitsFromText(text))) ++numbers[{a, v}];
  }
  for (const std::vector<Draw>& h : {testing::GeneratedHistory(700, 7), std::vector<Draw>{}}) {
    const int n = static_cast<int>(h.size());
    std::vector<std::map<Attribute, std::string>> drawn;
    for (const Draw& d : h) drawn.push_back(PlainValues(d.digits));
    for (int lastN : {0, 1, 37, 700, 900}) {
      const StatsTable t = ComputeAttributeStats(h, lastN);
      const int window = lastN == 0 || lastN > n ? n : lastN;
      EXPECT_EQ(t.window, window);
      int checked = 0;
      for (const AttributeStats& a : t.attributes) {
        ASSERT_EQ(static_cast<int>(a.values.size()), ValueCount(a.attribute));
        for (int v = 0; v < ValueCount(a.attribute); ++v, ++checked) {
          const std::string label = ValueLabel(a.attribute, v);
          SCOPED_TRACE(std::string(AttributeName(a.attribute)) + " " + label + " last " +
                       std::to_string(lastN));
          // Draws showing the value, oldest first.
          std::vector<int> shown;
          for (int i = 0; i < n; ++i)
            if (drawn[i].at(a.attribute) == label) shown.push_back(i);
          int hits = 0, longest = 0, previous = -1;
          for (int i : shown) {
            hits += i >= n - window;
            longest = std::max(longest, i - previous - 1);
            previous = i;
          }
          const int current = n - 1 - previous;
          const double p = numbers[{a.attribute, label}] / 100000.0;
          const ValueStats& s = a.values[v];
          EXPECT_DOUBLE_EQ(s.probability, p);
          EXPECT_EQ(s.hits, hits);
          EXPECT_DOUBLE_EQ(s.expected, p * window);
          EXPECT_EQ(s.current, current);
          EXPECT_EQ(s.longest, std::max(longest, current));
          EXPECT_DOUBLE_EQ(s.expectedGap, (1 - p) / p);
        }
      }
      EXPECT_EQ(checked, 10 * 5 + 46 + 10 + 10 + 6 * 3 + 7);
    }
  }
}

}  // namespace
}  // namespace torvane::history
