#include "run/filter_run.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/number_text.h"

namespace torvane {
namespace {

DigitTable Numbers(const char* text) {
  return ParseNumberText(text, ParseMode::List).table;
}

TEST(FilterRun, NoConditionsKeepsTheFullSetInOrder) {
  RunResult r = RunFilters(DigitTable(), Conditions{});
  EXPECT_EQ(r.results, MakeFullSet());
  EXPECT_TRUE(r.stats.empty());
}

struct ToleranceCase {
  const char* name;
  const char* min;
  const char* max;
  int lowered;  // the minimum after correction
  int kept;     // of 00001 00002 00003 with one condition killing two of them
};

class ToleranceTest : public ::testing::TestWithParam<ToleranceCase> {};

TEST_P(ToleranceTest, KeepsNumbersKilledWithinTheRange) {
  const ToleranceCase& c = GetParam();
  Conditions cond;
  cond.tolerance = {c.min, c.max};
  cond.directKill.text = "00001 00002";
  RunResult r = RunFilters(Numbers("00001 00002 00003"), cond);
  EXPECT_EQ(r.tolerance.min, c.lowered);
  EXPECT_EQ(r.results.count(), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToleranceTest,
                         ::testing::Values(ToleranceCase{"ZeroZero", "0", "0", 0, 1},
                                           ToleranceCase{"ZeroOne", "0", "1", 0, 3},
                                           ToleranceCase{"OneOne", "1", "1", 1, 2},
                                           ToleranceCase{"MinAboveMaxIsLowered", "3", "1", 1, 2},
                                           ToleranceCase{"LeadingZero", "0", "05", 0, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FilterRun, FullSetWithToleranceOneOneKeepsNothing) {
  Conditions cond;
  cond.tolerance = {"1", "1"};
  EXPECT_EQ(RunFilters(DigitTable(), cond).results.count(), 0);
}

TEST(FilterRun, BadToleranceTextFailsTheRun) {
  for (const char* bad : {"", ".", "ab"}) {
    Conditions cond;
    cond.tolerance.max = bad;
    EXPECT_THROW(RunFilters(DigitTable(), cond), RunError) << bad;
  }
}

TEST(GroupConversion, SortsDigitsAndDropsDuplicates) {
  DigitTable groups = ConvertToGroup(Numbers("53120 12035 11223"));
  EXPECT_EQ(JoinNumbers(groups), "01235 11223");
  EXPECT_EQ(ConvertToGroup(groups), groups);
  EXPECT_EQ(ConvertToGroup(MakeFullSet()).count(), 2002);  // multisets of 5 digits
}

}  // namespace
}  // namespace torvane
