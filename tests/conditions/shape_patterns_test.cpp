// 杀大小/奇偶/质合排列 with their range, and 杀012排列, through the whole run.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "support/run_results.h"

namespace torvane {
namespace {

using support::KeysOf;
using support::RowNames;
using support::RunOnFullSet;
using support::TableOf;

std::array<bool, 32>& KindBoxes(ShapePatternsState& s, int kind) {
  return kind == 0 ? s.bigSmall : kind == 1 ? s.oddEven : s.primeComposite;
}

// Ticks the box whose caption is the given shape, as the window would.
void TickShape(ShapePatternsState& s, int kind, const std::string& caption) {
  for (int i = 0; i < 32; ++i)
    if (ShapeCaption(kind, i) == caption) {
      KindBoxes(s, kind)[i] = true;
      return;
    }
  FAIL() << "no box captioned " << caption;
}

void TickRoute(RoutePatternsState& s, const std::string& caption) {
  for (int j = 0; j < 243; ++j)
    if (RouteCaption(j) == caption) {
      s.ticked[j] = true;
      return;
    }
  FAIL() << "no route box captioned " << caption;
}

// ---- one two-class box covers 5^5 numbers ----

struct OneBoxCase {
  int kind;
  int index;
};

std::string BoxName(const ::testing::TestParamInfo<OneBoxCase>& info) {
  static const char* const kKind[3] = {"BigSmall", "OddEven", "PrimeComposite"};
  return kKind[info.param.kind] + std::string("Box") + std::to_string(info.param.index);
}

class OneShapeBox : public ::testing::TestWithParam<OneBoxCase> {};

TEST_P(OneShapeBox, Kills3125) {
  Conditions c;
  KindBoxes(c.shapes, GetParam().kind)[GetParam().index] = true;
  RunResult r = RunOnFullSet(c);
  ASSERT_EQ(RowNames(r), std::vector<std::string>{"形态"});
  EXPECT_EQ(r.stats[0].killed, 3125);
  EXPECT_EQ(r.results.count(), 100000 - 3125);
}

INSTANTIATE_TEST_SUITE_P(SampleBoxes, OneShapeBox,
                         ::testing::Values(OneBoxCase{0, 0}, OneBoxCase{0, 7}, OneBoxCase{0, 31},
                                           OneBoxCase{1, 1}, OneBoxCase{1, 10}, OneBoxCase{2, 2},
                                           OneBoxCase{2, 30}),
                         BoxName);

// ---- 大大小小小 and 奇偶奇偶奇 ticked together, under different ranges ----
// 00000: 小小小小小 / 偶偶偶偶偶, no hit. 97130: 大大小小小 hit, 奇奇奇奇偶 no hit.
// 58123: 大大小小小 hit and 奇偶奇偶奇 hit.

struct RangeCase {
  const char* name;
  const char* lo;
  const char* hi;
  std::vector<int> survivors;
};

class TwoShapesRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(TwoShapesRange, Survivors) {
  const RangeCase& p = GetParam();
  Conditions c;
  TickShape(c.shapes, 0, "大大小小小");
  TickShape(c.shapes, 1, "奇偶奇偶奇");
  c.shapes.rangeMin = p.lo;
  c.shapes.rangeMax = p.hi;
  RunResult r = RunFilters(TableOf({0, 58123, 97130}), c);
  EXPECT_EQ(KeysOf(r.results), p.survivors);
  EXPECT_EQ(RowNames(r), std::vector<std::string>{"形态"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TwoShapesRange,
    ::testing::Values(RangeCase{"ZeroZeroAnyHitKills", "0", "0", {0}},
                      RangeCase{"ZeroOneAllowsOneHit", "0", "1", {0, 97130}},
                      RangeCase{"OneOneExactlyOneHit", "1", "1", {97130}},
                      RangeCase{"OneTwoNeedsAHit", "1", "2", {58123, 97130}},
                      RangeCase{"ZeroThreeKillsNothing", "0", "3", {0, 58123, 97130}},
                      RangeCase{"LowAboveHighKillsAll", "2", "1", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- range texts: every number hits exactly once when all 32 大小 boxes are ticked ----

struct RangeTextCase {
  const char* name;
  const char* lo;
  const char* hi;
  int survivors;
};

class ShapeRangeText : public ::testing::TestWithParam<RangeTextCase> {};

TEST_P(ShapeRangeText, ReadAsBoxValue) {
  const RangeTextCase& p = GetParam();
  Conditions c;
  c.shapes.bigSmall.fill(true);
  c.shapes.rangeMin = p.lo;
  c.shapes.rangeMax = p.hi;
  EXPECT_EQ(RunOnFullSet(c).results.count(), p.survivors);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShapeRangeText,
    ::testing::Values(RangeTextCase{"AllTickedZeroZeroKillsAll", "0", "0", 0},
                      RangeTextCase{"AllTickedZeroOneKillsNothing", "0", "1", 100000},
                      RangeTextCase{"LettersReadAsZero", "abc", "abc", 0},
                      RangeTextCase{"TwoPointFiveReadsTwo", "0", "2.5", 100000},
                      RangeTextCase{"ThreeAbcReadsThree", "3abc", "3", 0},
                      RangeTextCase{"HalfRoundsToEvenZero", "0", "0.5", 0},
                      RangeTextCase{"OnePointFiveRoundsToTwo", "1.5", "3", 0},
                      RangeTextCase{"BlanksIgnored", " 0", " 1 ", 100000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShapePatterns, NoBoxTickedAddsNoRowWhateverTheRange) {
  Conditions c;
  c.shapes.rangeMin = "abc";
  c.shapes.rangeMax = "99999999999";
  EXPECT_TRUE(RunOnFullSet(c).stats.empty());
}

TEST(ShapePatterns, RangeBeyond32BitsFailsTheRun) {
  Conditions c;
  c.shapes.oddEven[3] = true;
  c.shapes.rangeMax = "99999999999";
  EXPECT_THROW(RunOnFullSet(c), RunError);
}

TEST(ShapePatterns, RangeOneToThreeMakesTickedShapesMustAppear) {
  Conditions c;
  TickShape(c.shapes, 2, "质合质合质");
  TickShape(c.shapes, 2, "合合合合合");
  c.shapes.rangeMin = "1";
  c.shapes.rangeMax = "3";
  RunResult r = RunOnFullSet(c);
  EXPECT_EQ(r.results.count(), 2 * 3125);
  const std::string composite = "04689";
  EXPECT_TRUE(support::AllRows(r.results, [&](const uint8_t* d) {
    bool allComposite = true, alternating = true;
    for (int k = 0; k < 5; ++k) {
      bool isComposite = composite.find(static_cast<char>('0' + d[k])) != std::string::npos;
      allComposite = allComposite && isComposite;
      alternating = alternating && isComposite == (k % 2 == 1);
    }
    return allComposite || alternating;
  }));
}

// ---- routes ----

struct RouteCase {
  const char* caption;
  int killed;
};

class OneRouteBox : public ::testing::TestWithParam<RouteCase> {};

TEST_P(OneRouteBox, KillsItsFamily) {
  Conditions c;
  TickRoute(c.routes, GetParam().caption);
  RunResult r = RunOnFullSet(c);
  ASSERT_EQ(RowNames(r), std::vector<std::string>{"杀012排列"});
  EXPECT_EQ(r.stats[0].killed, GetParam().killed);
  EXPECT_EQ(r.results.count(), 100000 - GetParam().killed);
}

// Route 0 has four digits (0 3 6 9), routes 1 and 2 three each.
INSTANTIATE_TEST_SUITE_P(Captions, OneRouteBox,
                         ::testing::Values(RouteCase{"00000", 1024}, RouteCase{"11111", 243},
                                           RouteCase{"22222", 243},
                                           RouteCase{"22021", 3 * 3 * 4 * 3 * 3},
                                           RouteCase{"10000", 3 * 4 * 4 * 4 * 4}),
                         [](const auto& info) { return "R" + std::string(info.param.caption); });

TEST(RoutePatterns, ShapeTakenPositionByPosition) {
  Conditions c;
  TickRoute(c.routes, "22021");
  // 58924 and 25921 have route shape 22021; 25901 differs only at position 4.
  RunResult r = RunFilters(TableOf({25901, 25921, 58924, 58925, 94687}), c);
  EXPECT_EQ(KeysOf(r.results), (std::vector<int>{25901, 58925, 94687}));
}

TEST(RoutePatterns, AllBoxesKillEverything) {
  Conditions c;
  c.routes.ticked.fill(true);
  EXPECT_EQ(RunOnFullSet(c).results.count(), 0);
}

TEST(RoutePatterns, RoutesAndShapesAreTwoConditions) {
  Conditions c;
  TickRoute(c.routes, "00000");
  TickShape(c.shapes, 0, "小小小小小");
  c.tolerance = {"2", "2"};
  // 03303: route 00000 and 小小小小小 — killed by both, so it alone survives 2-2.
  RunResult r = RunFilters(TableOf({3303, 3304, 96969}), c);
  EXPECT_EQ(RowNames(r), (std::vector<std::string>{"形态", "杀012排列"}));
  EXPECT_EQ(KeysOf(r.results), std::vector<int>{3303});
}

}  // namespace
}  // namespace torvane
