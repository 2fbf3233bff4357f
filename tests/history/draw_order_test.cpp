#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "history/draw.h"

namespace torvane::history {
namespace {

struct OrderCase {
  const char* name;
  std::string older, newer;
};

class PeriodOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PeriodOrderTest, OlderComesFirst) {
  EXPECT_TRUE(PeriodLess(GetParam().older, GetParam().newer));
  EXPECT_FALSE(PeriodLess(GetParam().newer, GetParam().older));
}

INSTANTIATE_TEST_SUITE_P(
    Periods, PeriodOrderTest,
    ::testing::Values(OrderCase{"ShorterNumberIsSmaller", "999", "1000"},
                      OrderCase{"SameLength", "2004001", "2004002"},
                      OrderCase{"YearChange", "2004365", "2005001"},
                      OrderCase{"LeadingZerosDoNotCount", "00999", "1000"},
                      OrderCase{"SameValueOrderedByText", "007", "7"},
                      OrderCase{"BeyondSixtyFourBits", "99999999999999999999999999999",
                                "100000000000000000000000000000"},
                      OrderCase{"DashedAsText", "20241201-023", "20241201-024"},
                      OrderCase{"DashedDayChange", "20241201-120", "20241202-001"},
                      OrderCase{"NumbersBeforeText", "99999999", "2004-A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PeriodOrder, IsAStrictWeakOrder) {
  // std::sort needs irreflexivity and transitivity of both the order and its equivalence.
  std::vector<std::string> p = {"1",  "01",    "999",          "1000",         "0999", "2004001",
                                "1a", "1000a", "20241201-001", "20241201-002", "A1",   "a1",
                                "0",  "00"};
  for (const auto& a : p) {
    EXPECT_FALSE(PeriodLess(a, a)) << a;
    for (const auto& b : p) {
      for (const auto& c : p) {
        if (PeriodLess(a, b) && PeriodLess(b, c)) {
          EXPECT_TRUE(PeriodLess(a, c)) << a << " " << b << " " << c;
        }
        bool abEq = !PeriodLess(a, b) && !PeriodLess(b, a);
        bool bcEq = !PeriodLess(b, c) && !PeriodLess(c, b);
        if (abEq && bcEq) {
          EXPECT_TRUE(!PeriodLess(a, c) && !PeriodLess(c, a)) << a << " " << b << " " << c;
        }
      }
    }
  }
}

TEST(SortHistory, OrdersAShuffledHistory) {
  std::vector<Draw> expected;
  for (int year = 2004; year <= 2006; ++year)
    for (int k = 1; k <= 400; ++k)
      expected.push_back(Draw{std::to_string(year * 1000 + k), "", {1, 2, 3, 4, 5}});
  expected.push_back(Draw{"20241201-001", "", {}});
  expected.push_back(Draw{"20241201-002", "", {}});
  std::vector<Draw> draws = expected;
  std::shuffle(draws.begin(), draws.end(), std::mt19937(7));
  SortHistory(draws);
  EXPECT_EQ(draws, expected);
}

TEST(DigitsText, RoundTripsAndRefusesAnythingButFiveDigits) {
  EXPECT_EQ(DigitsText(*DigitsFromText("00912")), "00912");
  EXPECT_EQ(Draw({"1", "", {9, 2, 8, 8, 2}}).NumberText(), "92882");
  for (const char* bad : {"", "1234", "123456", "1234a", " 1234", "12 34", "１２３４５"})
    EXPECT_FALSE(DigitsFromText(bad)) << bad;
}

TEST(IsValidPeriod, NeedsADigitAndPlainCharacters) {
  for (const char* good : {"1", "2004001", "20241201-023", "2024_1", "A2024"})
    EXPECT_TRUE(IsValidPeriod(good)) << good;
  for (const char* bad : {"", "period", "20 04", "2004/1", "2004.1", "第2004001期",
                          "123456789012345678901234567890123"})
    EXPECT_FALSE(IsValidPeriod(bad)) << bad;
}

}  // namespace
}  // namespace torvane::history
