// 杀和尾 / 杀和值 / 杀跨度 / 通杀码 through the whole run.
#include <gtest/gtest.h>

#include <functional>

#include "core/errors.h"
#include "support/run_results.h"

namespace torvane {
namespace {

using support::KeysOf;
using support::RowNames;
using support::RunOnFullSet;
using support::TableOf;

using Names = std::vector<std::string>;

enum class Row { Tail, Span, Digit };

struct TickCase {
  const char* name;
  Row row;
  std::vector<int> values;
  const char* rowName;
  int killed;  // on the full set
};

class SumSpanTicks : public ::testing::TestWithParam<TickCase> {};

TEST_P(SumSpanTicks, KillsOnFullSet) {
  const TickCase& p = GetParam();
  Conditions c;
  std::array<bool, 10>& boxes = p.row == Row::Tail   ? c.sumSpan.tails
                                : p.row == Row::Span ? c.sumSpan.spans
                                                     : c.sumSpan.digits;
  for (int v : p.values) boxes[v] = true;
  RunResult r = RunOnFullSet(c);
  ASSERT_EQ(RowNames(r), Names{p.rowName});
  EXPECT_EQ(r.stats[0].killed, p.killed);
  EXPECT_EQ(r.results.count(), 100000 - p.killed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SumSpanTicks,
    ::testing::Values(
        TickCase{"TailZero", Row::Tail, {0}, "杀和尾", 10000},
        TickCase{"TailThree", Row::Tail, {3}, "杀和尾", 10000},
        TickCase{"TailNine", Row::Tail, {9}, "杀和尾", 10000},
        TickCase{"AllTails", Row::Tail, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, "杀和尾", 100000},
        TickCase{"SpanZero", Row::Span, {0}, "杀跨度", 10},
        TickCase{"SpanNine", Row::Span, {9}, "杀跨度", 14670},
        TickCase{"AllSpans", Row::Span, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, "杀跨度", 100000},
        TickCase{"DigitFive", Row::Digit, {5}, "通杀码", 100000 - 59049},
        TickCase{"AllDigits", Row::Digit, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, "通杀码", 100000}),
    [](const auto& info) { return std::string(info.param.name); });

struct SumTextCase {
  const char* name;
  const char* text;
  std::optional<std::string> cleaned;  // what the box shows after the run
  int killed;                          // -1: no kill row
};

class SumText : public ::testing::TestWithParam<SumTextCase> {};

TEST_P(SumText, CleanedAndKilled) {
  const SumTextCase& p = GetParam();
  Conditions c;
  c.sumSpan.sums = p.text;
  RunResult r = RunOnFullSet(c);
  EXPECT_EQ(r.cleanedSumText, p.cleaned);
  if (p.killed < 0) {
    EXPECT_TRUE(r.stats.empty());
  } else {
    ASSERT_EQ(RowNames(r), Names{"杀和值"});
    EXPECT_EQ(r.stats[0].killed, p.killed);
  }
}

// Numbers with digit sum s: 1, 5, 15, 35 for s = 0..3; 6000 for 22 and 23; 1 for 45.
INSTANTIATE_TEST_SUITE_P(
    Cases, SumText,
    ::testing::Values(SumTextCase{"Empty", "", std::nullopt, -1},
                      SumTextCase{"HintIsEmpty", kSumHint, std::nullopt, -1},
                      SumTextCase{"SumZero", "00", "00", 1},
                      SumTextCase{"SumFortyFive", "45", "45", 1},
                      SumTextCase{"SumTwentyTwo", "22", "22", 6000},
                      SumTextCase{"SumTwentyThree", "23", "23", 6000},
                      SumTextCase{"SingleDigitLikeTwoDigits", "5", "5", 126},
                      SumTextCase{"LeadingZeroSameValue", "05", "05", 126},
                      SumTextCase{"SeparatorsCleaned", "1,2；3", "1 2 3", 5 + 15 + 35},
                      SumTextCase{"BlanksAndLinesCleaned", "  01\r\n02   03 ", "01 02 03",
                                  5 + 15 + 35},
                      SumTextCase{"DuplicatesCountOnce", "1 1 01", "1 1 01", 5},
                      SumTextCase{"AboveFortyFiveIgnored", "46 50", "46 50", -1},
                      SumTextCase{"MixedKeepsValidPieces", "3 99 0", "3 99 0", 35 + 1},
                      SumTextCase{"NoDigitLeftAsTyped", "abc", std::nullopt, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SumSpan, SumPieceBeyond32BitsFailsTheRun) {
  Conditions c;
  c.sumSpan.sums = "01 99999999999";
  EXPECT_THROW(RunOnFullSet(c), RunError);
}

TEST(SumSpan, LargestInt32PieceIsIgnoredNotAnError) {
  Conditions c;
  c.sumSpan.sums = "2147483647";
  EXPECT_TRUE(RunOnFullSet(c).stats.empty());
}

TEST(SumSpan, NothingSetAddsNoRow) {
  RunResult r = RunOnFullSet(Conditions{});
  EXPECT_TRUE(r.stats.empty());
  EXPECT_FALSE(r.cleanedSumText.has_value());
}

TEST(SumSpan, FourConditionsInOrderEachItsOwnRow) {
  Conditions c;
  c.sumSpan.tails[3] = true;
  c.sumSpan.sums = "01 02 45";
  c.sumSpan.spans[3] = true;
  c.sumSpan.digits[5] = true;
  // 00012: sum tail 3. 12345: holds a 5. 14442: span 3. 99999: sum 45.
  // 65587: span 3 and holds a 5, two failed conditions.
  const DigitTable base = TableOf({12, 12345, 14442, 65587, 99999});
  RunResult r = RunFilters(base, c);
  EXPECT_EQ(RowNames(r), (Names{"杀和尾", "杀和值", "杀跨度", "通杀码"}));
  EXPECT_TRUE(r.results.empty());
  c.tolerance = {"1", "1"};
  EXPECT_EQ(KeysOf(RunFilters(base, c).results), (std::vector<int>{12, 12345, 14442, 99999}));
  c.tolerance = {"2", "2"};
  EXPECT_EQ(KeysOf(RunFilters(base, c).results), (std::vector<int>{65587}));
}

// Each row has its own filter: with all four rows set, one filter appends only its row,
// and with nothing set it appends nothing.
struct RowFilterCase {
  const char* name;
  std::function<void(const SumSpanState&, FilterContext&)> filter;
  const char* rowName;
  int killed;  // on the full set
};

class SumSpanRowFilter : public ::testing::TestWithParam<RowFilterCase> {};

TEST_P(SumSpanRowFilter, AppendsOnlyItsOwnRow) {
  const RowFilterCase& p = GetParam();
  const DigitTable candidates = MakeFullSet();
  KillTable kills(candidates.count());
  FilterContext ctx{candidates, kills};
  p.filter(SumSpanState{}, ctx);
  EXPECT_EQ(kills.rowCount(), 1);

  SumSpanState every;
  every.tails[3] = true;
  every.sums = "01 45";
  every.spans[0] = true;
  every.digits[5] = true;
  p.filter(every, ctx);
  ASSERT_EQ(kills.rowCount(), 2);
  EXPECT_EQ(kills.name(1), p.rowName);
  EXPECT_EQ(kills.killedBy(1), p.killed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SumSpanRowFilter,
    ::testing::Values(
        RowFilterCase{"SumTails", FilterSumTails, "杀和尾", 10000},
        RowFilterCase{"Sums", [](const SumSpanState& s, FilterContext& c) { FilterSums(s, c); },
                      "杀和值", 5 + 1},
        RowFilterCase{"Spans", FilterSpans, "杀跨度", 10},
        RowFilterCase{"DigitsAnywhere", FilterDigitsAnywhere, "通杀码", 100000 - 59049}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SumSpan, SpanZeroKillsOnlyRepdigits) {
  Conditions c;
  c.sumSpan.spans[0] = true;
  RunResult r = RunFilters(TableOf({0, 11111, 11112, 99999, 90000}), c);
  EXPECT_EQ(KeysOf(r.results), (std::vector<int>{11112, 90000}));
}

}  // namespace
}  // namespace torvane
