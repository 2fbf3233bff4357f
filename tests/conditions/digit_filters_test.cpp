// 定位杀, 胆码 and 杀直选 through the whole run.
#include <gtest/gtest.h>

#include "conditions/conditions.h"
#include "core/errors.h"
#include "run/filter_run.h"
#include "support/filter_case.h"

namespace torvane {
namespace {

using support::FilterCase;
using support::Kept;
using support::KeysOf;
using support::TableOf;

// --- 定位杀 ----------------------------------------------------------------------------

void Mark(Conditions& c, int row, std::initializer_list<int> digits) {
  for (int d : digits) c.positional.marked[row][d] = true;
}

// 万位 0 and 个位 5, 6 marked.
void ThreeMarks(Conditions& c, const char* min, const char* max) {
  Mark(c, 0, {0});
  Mark(c, 4, {5, 6});
  c.positional.rangeMin = min;
  c.positional.rangeMax = max;
}

// Digit 1 marked in every row: hits = number of 1s.
void OnesEverywhere(Conditions& c, const char* min, const char* max) {
  for (int r = 0; r < kDigits; ++r) Mark(c, r, {1});
  c.positional.rangeMin = min;
  c.positional.rangeMax = max;
}

class PositionalKill : public ::testing::TestWithParam<FilterCase> {};
TEST_P(PositionalKill, KillsAsMarked) {
  support::CheckFilterCase(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, PositionalKill,
    ::testing::Values(
    FilterCase{"ThreeMarksRange00", [](Conditions& c) { ThreeMarks(c, "0", "0"); },
               {1235, 12345, 12347}, 2, {1235, 12345}, {12347}},
    FilterCase{"ThreeMarksRange01", [](Conditions& c) { ThreeMarks(c, "0", "1"); },
               {1235, 12345, 12347}, 1, {1235}, {12345, 12347}},
    FilterCase{"ThreeMarksRange11", [](Conditions& c) { ThreeMarks(c, "1", "1"); },
               {1235, 12345, 12347}, 2, {1235, 12347}, {12345}},
    FilterCase{"RangeOneToFiveMakesMustHave",
               [](Conditions& c) {
                 Mark(c, 0, {9});
                 c.positional.rangeMin = "1";
                 c.positional.rangeMax = "5";
               },
               {}, 90000, {0, 89999, 12345}, {90000, 99999, 95555}},
    FilterCase{"FullRowKillsEverything",
               [](Conditions& c) { Mark(c, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}); },
               {}, 100000, {0, 99999}, {}},
    FilterCase{"MinAboveMaxKillsAll", [](Conditions& c) { ThreeMarks(c, "3", "1"); },
               {1235, 12345, 12347, 99999}, 4, {12347, 99999}, {}},
    FilterCase{"MinAboveActiveRowsKillsAll", [](Conditions& c) { ThreeMarks(c, "3", "5"); },
               {1235, 12345, 12347}, 3, {}, {}},
    FilterCase{"NegativeMinAndLargeMaxNeverKill", [](Conditions& c) { ThreeMarks(c, "-1", "9"); },
               {1235, 12345, 12347}, 0, {}, {1235, 12345, 12347}},
    // 2.5 -> 2 and 3.5 -> 4: two to four 1s survive.
    FilterCase{"HalvesRoundToEven", [](Conditions& c) { OnesEverywhere(c, "2.5", "3.5"); },
               {10000, 11200, 11100, 11110, 11111}, 2, {10000, 11111}, {11200, 11100, 11110}},
    FilterCase{"BlanksInsideRangeTextIgnored",
               [](Conditions& c) { OnesEverywhere(c, " 2", "1 2x"); },
               {10000, 11000, 11111}, 1, {10000}, {11000, 11111}},
    FilterCase{"LettersCountAsZero", [](Conditions& c) { OnesEverywhere(c, "abc", "x"); },
               {10000, 22222}, 1, {10000}, {22222}},
    FilterCase{"NothingMarkedNoKillRow",
               [](Conditions& c) { c.positional.rangeMin = "1"; c.positional.rangeMax = "5"; },
               {}, -1, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PositionalKill, RangeBeyondSixteenBitsFailsEvenWithNothingMarked) {
  for (const char* text : {"70000", "-40000", "32767.5"}) {
    Conditions c;
    c.positional.rangeMax = text;
    EXPECT_THROW(RunFilters(TableOf({12345}), c), RunError) << text;
  }
  Conditions edge;
  edge.positional.rangeMin = "-32768";
  edge.positional.rangeMax = "32767";
  EXPECT_NO_THROW(RunFilters(TableOf({12345}), edge));
}

// --- 胆码 ------------------------------------------------------------------------------

void BankerRow(Conditions& c, int row, std::initializer_list<int> digits,
               std::initializer_list<int> counts) {
  for (int d : digits) c.banker.digits[row][d] = true;
  for (int n : counts) c.banker.counts[row][n] = true;
}

// Row 1 with banker digit 1 and no count.
void OneBankerDigit(Conditions& c, const char* min, const char* max) {
  BankerRow(c, 0, {1}, {});
  c.banker.rangeMin = min;
  c.banker.rangeMax = max;
}

class BankerRows : public ::testing::TestWithParam<FilterCase> {};
TEST_P(BankerRows, KillsAsSelected) {
  support::CheckFilterCase(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, BankerRows,
    ::testing::Values(
    FilterCase{"DistinctDigitsCountOnce", [](Conditions& c) { BankerRow(c, 0, {1, 2, 3}, {2}); },
               {11245, 12345, 45678, 12456}, 2, {12345, 45678}, {11245, 12456}},
    FilterCase{"RepeatCountsEveryOccurrence",
               [](Conditions& c) { BankerRow(c, 0, {1, 2, 3}, {2}); c.banker.repeat = true; },
               {11245, 12345, 45678, 12456}, 3, {11245, 12345, 45678}, {12456}},
    FilterCase{"NoCountMeansAtLeastOne", [](Conditions& c) { BankerRow(c, 0, {1, 2, 3}, {}); },
               {11245, 12345, 45678, 33333}, 1, {45678}, {11245, 12345, 33333}},
    FilterCase{"TwoRowsWithOneMissAllowed",
               [](Conditions& c) {
                 BankerRow(c, 0, {1, 2, 3}, {2});
                 BankerRow(c, 1, {9}, {});
                 c.banker.rangeMax = "1";
               },
               {12459, 12349, 12345, 45678}, 2, {12345, 45678}, {12459, 12349}},
    FilterCase{"CountZeroOnlyIsInverseBanker",
               [](Conditions& c) { BankerRow(c, 0, {1, 2, 3}, {0}); },
               {45678, 12345, 90000, 30000, 99991}, 3, {12345, 30000, 99991}, {45678, 90000}},
    FilterCase{"RepeatAllowsFiveOfOneDigit",
               [](Conditions& c) { BankerRow(c, 0, {7}, {5}); c.banker.repeat = true; },
               {77777, 77771, 12345}, 2, {77771, 12345}, {77777}},
    FilterCase{"AllTenDigitsNoCountNeverMisses",
               [](Conditions& c) { BankerRow(c, 3, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {}); },
               {}, 0, {}, {0, 99999}},
    FilterCase{"MinAboveUsedRowsKillsAll",
               [](Conditions& c) { OneBankerDigit(c, "2", "6"); },
               {11111, 22222}, 2, {11111, 22222}, {}},
    FilterCase{"MinAboveMaxKillsAll",
               [](Conditions& c) { OneBankerDigit(c, "1", "0"); },
               {11111, 22222}, 2, {}, {}},
    FilterCase{"LastRowCountsToo",
               [](Conditions& c) { BankerRow(c, 5, {4}, {1}); c.banker.repeat = true; },
               {44000, 40000, 12345, 11111}, 2, {44000, 11111}, {40000, 12345}},
    FilterCase{"CountsWithoutDigitsNoKillRow", [](Conditions& c) { BankerRow(c, 2, {}, {0, 3}); },
               {}, -1, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(BankerRows, RangeBeyondThirtyTwoBitsFailsOnlyWhenARowIsUsed) {
  Conditions c;
  c.banker.rangeMax = "3000000000";
  EXPECT_NO_THROW(RunFilters(TableOf({12345}), c));
  c.banker.digits[0][1] = true;
  EXPECT_THROW(RunFilters(TableOf({12345}), c), RunError);
  c.banker.rangeMax = "2147483647";
  EXPECT_NO_THROW(RunFilters(TableOf({12345}), c));
}

struct CountCase {
  const char* name;
  int digitsSelected;  // digits 0.. of row 2
  bool repeat;
  int count;
  bool allowed;
};

class BankerCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(BankerCount, AllowedOnlyWithEnoughDigits) {
  const CountCase& c = GetParam();
  BankerRowsState s;
  for (int d = 0; d < c.digitsSelected; ++d) s.digits[2][d] = true;
  s.digits[1] = {true, true, true, true, true, true, true, true, true, true};  // other rows
  s.repeat = c.repeat;
  EXPECT_EQ(BankerCountAllowed(s, 2, c.count), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(Cases, BankerCount,
                         ::testing::Values(CountCase{"ZeroAlwaysWithoutDigits", 0, false, 0, true},
                                           CountCase{"OneWithoutDigits", 0, false, 1, false},
                                           CountCase{"RepeatNeedsADigit", 0, true, 1, false},
                                           CountCase{"EqualToDigits", 3, false, 3, true},
                                           CountCase{"MoreThanDigits", 3, false, 4, false},
                                           CountCase{"RepeatAllowsMore", 1, true, 5, true},
                                           CountCase{"FewerThanDigits", 5, false, 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BankerCount, OutOfRangeButtonsAreRefused) {
  BankerRowsState s;
  s.digits[0][1] = true;
  EXPECT_FALSE(BankerCountAllowed(s, 6, 0));
  EXPECT_FALSE(BankerCountAllowed(s, -1, 0));
  EXPECT_FALSE(BankerCountAllowed(s, 0, 6));
}

// --- 杀直选 ----------------------------------------------------------------------------

class DirectKill : public ::testing::TestWithParam<FilterCase> {};
TEST_P(DirectKill, KillsListedNumbers) {
  support::CheckFilterCase(GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, DirectKill,
    ::testing::Values(
    FilterCase{"TwoNumbers", [](Conditions& c) { c.directKill.text = "12345 58920"; },
               {}, 2, {12345, 58920}, {12346, 58902}},
    FilterCase{ "CanonicalLines",
               [](Conditions& c) { c.directKill.text = "00001 00002 00003 00004 00005 \r\n00006"; },
               {}, 6, {1, 6}, {0, 7}},
    FilterCase{"RepeatedNumberOnce", [](Conditions& c) { c.directKill.text = "12345 12345"; },
               {}, 1, {12345}, {}},
    FilterCase{"LongBlankRunsSeparate",
               [](Conditions& c) { c.directKill.text = "  12345      58920  "; },
               {}, 2, {12345, 58920}, {}},
    FilterCase{"OnlyFirstFiveCharactersCount",
               [](Conditions& c) { c.directKill.text = "123456 58920,1"; },
               {}, 2, {12345, 58920}, {23456}},
    FilterCase{"NotACandidateKillsNothing", [](Conditions& c) { c.directKill.text = "12345"; },
               {11111, 22222}, 0, {}, {11111, 22222}},
    FilterCase{"HintCountsAsEmpty", [](Conditions& c) { c.directKill.text = kDirectKillHint; },
               {}, -1, {}, {}},
    FilterCase{"BlanksOnly", [](Conditions& c) { c.directKill.text = " \r\n  "; },
               {}, -1, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(DirectKill, UnreadableTokenFailsTheRun) {
  for (const char* text : {"1234", "12345 1234", "12a45", "-1234", "1234\r\n5"}) {
    Conditions c;
    c.directKill.text = text;
    EXPECT_THROW(RunFilters({}, c), RunError) << text;
  }
}

// --- several digit conditions in one run -----------------------------------------------

TEST(DigitConditions, ToleranceCountsEachPanelOnce) {
  Conditions c;
  c.directKill.text = "12345";
  Mark(c, 0, {1});
  Mark(c, 4, {5});
  BankerRow(c, 0, {9}, {});
  const DigitTable base = TableOf({12345, 19999, 22222, 99999});
  // 12345: direct, positional (two hits, one row), banker -> 3; 19999: positional -> 1;
  // 22222: banker -> 1; 99999: 0.
  const RunResult r = RunFilters(base, c);
  ASSERT_EQ(r.stats.size(), 3u);
  EXPECT_EQ(r.stats[0].name, "杀直选");
  EXPECT_EQ(r.stats[1].name, "定位杀");
  EXPECT_EQ(r.stats[2].name, "胆码");
  EXPECT_EQ(KeysOf(r.results), std::vector<int>({99999}));

  c.tolerance = {"1", "1"};
  EXPECT_EQ(KeysOf(RunFilters(base, c).results), std::vector<int>({19999, 22222}));
  c.tolerance = {"3", "3"};
  EXPECT_EQ(KeysOf(RunFilters(base, c).results), std::vector<int>({12345}));
}

}  // namespace
}  // namespace torvane
