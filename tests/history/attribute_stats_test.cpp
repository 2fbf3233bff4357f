#include "history/attribute_stats.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Probabilities that follow from counting by hand: a digit in 1 of 10; sum 0 or 45 once, sum
// 1 as one 1 in five places; the two middle sums 6000 times each; a tail in 1 of 10 (the
// units digit decides it); span 0 ten times, span 1 as 9 pairs x (2^5 - 2), span 9 as
// 10^5 - 2 x 9^5 + 8^5 (a 0 and a 9 both present); k big (odd, prime) digits as
// C(5,k) x 5^5; AAAAB as 10 x 9 x 5, AABBC as C(10,2) x 8 x 30, ABCDE as 10 x 9 x 8 x 7 x 6.
struct ProbabilityCase {
  const char* name;
  Attribute attribute;
  const char* value;
  int numbers;  // of the 100000 showing the value
};

class AttributeProbability : public ::testing::TestWithParam<ProbabilityCase> {};

TEST_P(AttributeProbability, ExactAndItsFairMeanOmission) {
  const ProbabilityCase& c = GetParam();
  const StatsTable t = ComputeAttributeStats(testing::GeneratedHistory(50, 3));
  const AttributeStats& a = t.attributes[static_cast<int>(c.attribute)];
  int value = 0;
  while (value < ValueCount(c.attribute) && ValueLabel(c.attribute, value) != c.value) ++value;
  ASSERT_LT(value, ValueCount(c.attribute)) << c.value;
  const ValueStats& v = a.values[value];
  EXPECT_DOUBLE_EQ(v.probability, c.numbers / 100000.0);
  EXPECT_DOUBLE_EQ(v.expected, c.numbers / 100000.0 * 50);
  // A fair draw shows the value once in 100000 / numbers draws: that many less one between.
  EXPECT_NEAR(v.expectedGap, 100000.0 / c.numbers - 1, 1e-9 * v.expectedGap);
}

INSTANTIATE_TEST_SUITE_P(
    KnownCounts, AttributeProbability,
    ::testing::Values(ProbabilityCase{"TenThousandsSeven", Attribute::TenThousands, "7", 10000},
                      ProbabilityCase{"UnitsZero", Attribute::Units, "0", 10000},
                      ProbabilityCase{"SumZero", Attribute::Sum, "0", 1},
                      ProbabilityCase{"SumOne", Attribute::Sum, "1", 5},
                      ProbabilityCase{"SumTwentyTwo", Attribute::Sum, "22", 6000},
                      ProbabilityCase{"SumTwentyThree", Attribute::Sum, "23", 6000},
                      ProbabilityCase{"SumFortyFive", Attribute::Sum, "45", 1},
                      ProbabilityCase{"TailThree", Attribute::SumTail, "3", 10000},
                      ProbabilityCase{"SpanZero", Attribute::Span, "0", 10},
                      ProbabilityCase{"SpanOne", Attribute::Span, "1", 270},
                      ProbabilityCase{"SpanNine", Attribute::Span, "9", 14670},
                      ProbabilityCase{"BigSmallTwoThree", Attribute::BigSmall, "2:3", 31250},
                      ProbabilityCase{"OddEvenNoOdd", Attribute::OddEven, "0:5", 3125},
                      ProbabilityCase{"AllPrime", Attribute::PrimeComposite, "5:0", 3125},
                      ProbabilityCase{"ShapeAAAAA", Attribute::Shape, "AAAAA", 10},
                      ProbabilityCase{"ShapeAAAAB", Attribute::Shape, "AAAAB", 450},
                      ProbabilityCase{"ShapeAABBC", Attribute::Shape, "AABBC", 10800},
                      ProbabilityCase{"ShapeABCDE", Attribute::Shape, "ABCDE", 30240}),
    [](const auto& info) { return std::string(info.param.name); });

// What holds for any history: every draw shows one value of each attribute, the window only
// counts hits, and omission is about the draws themselves.
TEST(AttributeStatsProperties, HoldForAGeneratedHistory) {
  for (const std::vector<Draw>& h : {testing::GeneratedHistory(700, 7), std::vector<Draw>{}}) {
    const int n = static_cast<int>(h.size());
    const StatsTable whole = ComputeAttributeStats(h, 0);
    for (int lastN : {0, 1, 37, 700, 900}) {
      const StatsTable t = ComputeAttributeStats(h, lastN);
      const int window = lastN == 0 || lastN > n ? n : lastN;
      EXPECT_EQ(t.draws, n);
      EXPECT_EQ(t.window, window);
      int checked = 0;
      for (int ai = 0; ai < kAttributeCount; ++ai) {
        const AttributeStats& a = t.attributes[ai];
        SCOPED_TRACE(std::string(AttributeName(a.attribute)) + " last " + std::to_string(lastN));
        ASSERT_EQ(static_cast<int>(a.values.size()), ValueCount(a.attribute));
        double probability = 0, expected = 0;
        int hits = 0, newest = 0;
        for (int v = 0; v < ValueCount(a.attribute); ++v, ++checked) {
          const ValueStats& s = a.values[v];
          const ValueStats& all = whole.attributes[ai].values[v];
          probability += s.probability;
          expected += s.expected;
          hits += s.hits;
          newest += s.current == 0 && n > 0;
          EXPECT_LE(s.hits, all.hits) << v;
          // Omission reaches over the whole history, whatever the window.
          EXPECT_EQ(s.current, all.current) << v;
          EXPECT_EQ(s.longest, all.longest) << v;
          EXPECT_GE(s.longest, s.current) << v;
          EXPECT_LE(s.longest, n) << v;
          // Never shown: absent for the whole history.
          if (all.hits == 0) {
            EXPECT_EQ(s.current, n) << v;
            EXPECT_EQ(s.longest, n) << v;
          } else {
            EXPECT_LT(s.current, n) << v;
          }
        }
        EXPECT_NEAR(probability, 1, 1e-12);
        EXPECT_NEAR(expected, window, 1e-9);
        EXPECT_EQ(hits, window);
        EXPECT_EQ(newest, n > 0 ? 1 : 0);
      }
      EXPECT_EQ(checked, 10 * 5 + 46 + 10 + 10 + 6 * 3 + 7);
    }
    // A position's current omission points at the last draw holding its digit there.
    for (int p = 0; p < 5 && n > 0; ++p)
      for (int digit = 0; digit < 10; ++digit) {
        const int current = whole.attributes[p].values[digit].current;
        if (current == n) continue;
        EXPECT_EQ(h[n - 1 - current].digits[p], digit) << p << " " << digit;
        for (int i = n - current; i < n; ++i) EXPECT_NE(h[i].digits[p], digit) << p << " " << i;
      }
  }
}

}  // namespace
}  // namespace torvane::history
