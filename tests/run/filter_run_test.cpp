#include "run/filter_run.h"

#include <gtest/gtest.h>
#include <ostream>

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

// A failed run names the box and what it held, in the window's words; which inputs fail is
// unchanged.
struct NamedFailure {
  const char* name;
  void (*set)(Conditions&);
  const char* box;
  const char* line;  // DescribeRunError
};

// A failing case prints as its name.
void PrintTo(const NamedFailure& c, std::ostream* os) {
  *os << c.name;
}

class NamedFailureTest : public ::testing::TestWithParam<NamedFailure> {};

TEST_P(NamedFailureTest, SaysWhichBoxHeldWhat) {
  Conditions c;
  GetParam().set(c);
  try {
    RunFilters(DigitTable(), c);
    FAIL() << "the run went through";
  } catch (const RunError& e) {
    EXPECT_EQ(e.box(), GetParam().box);
    EXPECT_EQ(DescribeRunError(e), GetParam().line);
    EXPECT_EQ(std::string(e.what()), GetParam().line);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, NamedFailureTest, ::testing::Values(
    NamedFailure{"ToleranceMinEmpty", [](Conditions& c) { c.tolerance.min = ""; },
                 "容错级别的最小值", "容错级别的最小值是空的"},
    NamedFailure{"ToleranceLetters", [](Conditions& c) { c.tolerance.max = "ab"; },
                 "容错级别的最大值", "容错级别的最大值“ab”不是数字"},
    NamedFailure{"ToleranceTooLarge", [](Conditions& c) { c.tolerance.max = "300"; },
                 "容错级别的最大值", "容错级别的最大值“300”超出范围"},
    NamedFailure{"PositionalRange", [](Conditions& c) { c.positional.rangeMax = "99999"; },
                 "定位容错的最大值", "定位容错的最大值“99999”超出范围"},
    NamedFailure{"BankerRange", [](Conditions& c) {
                   c.banker.digits[0][1] = true;
                   c.banker.rangeMin = "1e12";
                 }, "胆码容错的最小值", "胆码容错的最小值“1e12”超出范围"},
    NamedFailure{"ShapeRange", [](Conditions& c) {
                   c.shapes.bigSmall[3] = true;
                   c.shapes.rangeMax = "-3000000000";
                 }, "杀大小排列容错的最大值", "杀大小排列容错的最大值“-3000000000”超出范围"},
    NamedFailure{"SumPiece", [](Conditions& c) { c.sumSpan.sums = "12 99999999999"; },
                 "杀和值", "杀和值“99999999999”超出范围"},
    NamedFailure{"DirectKillShortNumber", [](Conditions& c) { c.directKill.text = "12345 1234"; },
                 "杀直选", "杀直选“1234”无法识别"},
    NamedFailure{"CompoundFourPositions", [](Conditions& c) { c.compound.text = "1*2*3*4"; },
                 "杀垃圾复式", "杀垃圾复式“1*2*3*4”无法识别"},
    NamedFailure{"PatternLetter", [](Conditions& c) { c.patterns.text = "1***x"; },
                 "组合定位杀", "组合定位杀“1***x”无法识别"},
    NamedFailure{"MustThreeLetter", [](Conditions& c) { c.combinations.texts[4] = "12a"; },
                 "必出三码组合", "必出三码组合“12a”无法识别"},
    NamedFailure{"LongEntryIsCut", [](Conditions& c) {
                   c.patterns.text = "123456789012345678901234567890";
                 }, "组合定位杀", "组合定位杀“12345678901234567890…”无法识别"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(GroupConversion, SortsDigitsAndDropsDuplicates) {
  DigitTable groups = ConvertToGroup(Numbers("53120 12035 11223"));
  EXPECT_EQ(JoinNumbers(groups), "01235 11223");
  EXPECT_EQ(ConvertToGroup(groups), groups);
  EXPECT_EQ(ConvertToGroup(MakeFullSet()).count(), 2002);  // multisets of 5 digits
}

}  // namespace
}  // namespace torvane
