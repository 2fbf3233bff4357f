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
  const char* read;  // the number as stored, or nullptr when the entry is refused
};
// Test output names the case, not its bytes.
void PrintTo(const EntryCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadDrawEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ReadDrawEntryTest, AcceptsOnlyWhatTheStoreHolds) {
  const EntryCase& c = GetParam();
  const DrawEntry e = ReadDrawEntry(c.period, c.number, c.date);
  const bool accepted = c.read != nullptr;
  EXPECT_EQ(e.draw.has_value(), accepted) << e.error;
  EXPECT_EQ(e.error.empty(), accepted);
  if (e.draw && accepted) {
    EXPECT_EQ(e.draw->NumberText(), c.read);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ReadDrawEntryTest,
    ::testing::Values(EntryCase{"Plain", "2024001", "01740", "2024-01-01", "01740"},
                      EntryCase{"NoDate", "2024001", "01740", "", "01740"},
                      EntryCase{"BlanksAroundGo", " 2024001 ", "01740 ", "", "01740"},
                      EntryCase{"DashedPeriod", "20241201-023", "01740", "", "01740"},
                      EntryCase{"SpacedDigits", "2024001", "9 2 8 8 2", "", "92882"},
                      EntryCase{"CommaDigits", "2024001", "3,0,5,7,1", "", "30571"},
                      EntryCase{"FullWidthDigits", "2024001", "０１７４９", "", "01749"},
                      EntryCase{"FourSpacedDigits", "2024001", "0 1 7 4", "", nullptr},
                      EntryCase{"TwoNumbers", "2024001", "01740 01740", "", nullptr},
                      EntryCase{"SixDigits", "2024001", "017400", "", nullptr},
                      EntryCase{"LetterInNumber", "2024001", "0174O", "", nullptr},
                      EntryCase{"PeriodWithBlank", "2024 001", "01740", "", nullptr},
                      EntryCase{"NoSuchDay", "2024001", "01740", "2023-02-29", nullptr}),
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
