// What the add-a-draw row proposes as the next period and how it reads what was typed.

#include <gtest/gtest.h>

#include <ostream>

#include "ui/draws/draw_entry.h"

namespace torvane::ui {
namespace {

struct NextCase {
  const char* name;
  const char* newest;
  const char* next;  // "" for no proposal
};
// Test output names the case, not its bytes.
void PrintTo(const NextCase& c, std::ostream* os) {
  *os << c.name;
}

class NextPeriodTest : public ::testing::TestWithParam<NextCase> {};

TEST_P(NextPeriodTest, ProposesTheFollowingNumber) {
  EXPECT_EQ(NextPeriod(GetParam().newest), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Periods, NextPeriodTest,
                         ::testing::Values(NextCase{"Daily", "2024099", "2024100"},
                                           NextCase{"CarryGrowsTheNumber", "999", "1000"},
                                           NextCase{"LeadingZerosKept", "0099", "0100"},
                                           NextCase{"LongerThanALongLong", "99999999999999999999",
                                                    "100000000000000000000"},
                                           NextCase{"TooLongForAPeriod",
                                                    "99999999999999999999999999999999", ""},
                                           NextCase{"DashedPeriodNotGuessed", "20241201-023", ""},
                                           NextCase{"EmptyHistory", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

struct EntryCase {
  const char* name;
  const char* period;
  const char* number;
  const char* date;
  bool accepted;
};
// Test output names the case, not its bytes.
void PrintTo(const EntryCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadDrawEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ReadDrawEntryTest, AcceptsOnlyWhatTheStoreHolds) {
  const EntryCase& c = GetParam();
  const DrawEntry e = ReadDrawEntry(c.period, c.number, c.date);
  EXPECT_EQ(e.draw.has_value(), c.accepted) << e.error;
  EXPECT_EQ(e.error.empty(), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ReadDrawEntryTest,
    ::testing::Values(EntryCase{"Plain", "2024001", "01740", "2024-01-01", true},
                      EntryCase{"NoDate", "2024001", "01740", "", true},
                      EntryCase{"BlanksAroundGo", " 2024001 ", "01740 ", "", true},
                      EntryCase{"DashedPeriod", "20241201-023", "01740", "", true},
                      EntryCase{"SpacedDigits", "2024001", "0 1 7 4 0", "", true},
                      EntryCase{"CommaDigits", "2024001", "0,1,7,4,0", "", true},
                      EntryCase{"FullWidthDigits", "2024001", "０１７４０", "", true},
                      EntryCase{"FourSpacedDigits", "2024001", "0 1 7 4", "", false},
                      EntryCase{"TwoNumbers", "2024001", "01740 01740", "", false},
                      EntryCase{"SixDigits", "2024001", "017400", "", false},
                      EntryCase{"LetterInNumber", "2024001", "0174O", "", false},
                      EntryCase{"PeriodWithBlank", "2024 001", "01740", "", false},
                      EntryCase{"NoSuchDay", "2024001", "01740", "2023-02-29", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadDrawEntry, KeepsTheTrimmedFields) {
  const DrawEntry e = ReadDrawEntry(" 2024001", "01740 ", "2024-02-29");
  ASSERT_TRUE(e.draw);
  EXPECT_EQ(e.draw->period, "2024001");
  EXPECT_EQ(e.draw->NumberText(), "01740");
  EXPECT_EQ(e.draw->date, "2024-02-29");
}

}  // namespace
}  // namespace torvane::ui
