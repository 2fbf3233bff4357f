#include "run/filter_run.h"

#include <gtest/gtest.h>
#include <ostream>

#include "core/errors.h"
#include "core/number_text.h"
#include "support/every_panel_set.h"
#include "support/run_results.h"

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

// With every condition set, each filter appends its rows, in pipeline order.
TEST(FilterRun, EveryConditionAppendsItsRowsInPipelineOrder) {
  const RunResult r = RunFilters(DigitTable(), support::EveryPanelSet());
  const std::vector<std::string> expected = {
      "杀直选",     "定位杀",       "杀和尾",        "杀和值",       "杀跨度",     "通杀码",
      "胆码",       "形态",         "杀012排列",     "上山",         "下山",       "AAAAA",
      "不连",       "2连",          "3连",           "4连",          "5连",        "AABCD",
      "AABBC",      "AAABC",        "AAABB",         "AAAAB",        "ABCDE",      "大小比",
      "奇偶比",     "质合比",       "最小/最大号码", "杀垃圾复式",   "杀两码组合", "杀三码组合",
      "杀四码组合", "必出两码组合", "必出三码组合",  "必出四码组合", "组合定位杀"};
  EXPECT_EQ(support::RowNames(r), expected);
}

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

// Four conditions that overlap: every number is killed by 0 to 4 of them.
Conditions FourConditions(const char* toleranceMax) {
  Conditions c;
  c.tolerance = {"0", toleranceMax};
  c.directKill.text = "12345 00000 99999";
  c.positional.marked[0][0] = true;  // 万位 0
  c.sumSpan.tails[3] = true;
  c.combinations.texts = {"89", "", "", "", "", ""};
  return c;
}

TEST(KillSumCounts, NoConditionsLeaveEveryCandidateAtZero) {
  RunResult r = RunFilters(Numbers("00001 00002 00003"), Conditions{});
  EXPECT_EQ(r.killSumCounts, std::vector<int>{3});
}

TEST(KillSumCounts, OneConditionSplitsTheCandidates) {
  Conditions cond;
  cond.directKill.text = "00001 00002";
  RunResult r = RunFilters(Numbers("00001 00002 00003"), cond);
  EXPECT_EQ(r.killSumCounts, (std::vector<int>{1, 2}));
}

// What a tolerance of 0-j keeps is the sum of the counts up to j, for every j: the table
// the window shows after one run answers what a rerun with another tolerance would give.
TEST(KillSumCounts, PartialSumsAreWhatEachToleranceKeeps) {
  const RunResult r = RunFilters(DigitTable(), FourConditions("0"));
  ASSERT_EQ(r.stats.size(), 4u);
  ASSERT_EQ(r.killSumCounts.size(), 5u);
  int kept = 0;
  for (int j = 0; j <= 4; ++j) {
    kept += r.killSumCounts[static_cast<size_t>(j)];
    const std::string max = std::to_string(j);
    EXPECT_EQ(RunFilters(DigitTable(), FourConditions(max.c_str())).results.count(), kept)
        << "tolerance 0-" << j;
  }
  EXPECT_EQ(kept, kNumberSpace);
  EXPECT_EQ(r.killSumCounts[0], r.results.count());
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
