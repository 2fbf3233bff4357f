#include "history/omission.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvane::history {
namespace {

// Oldest first. Position 0 runs 1 2 1 3 3 4; position 4 is always 7.
std::vector<Draw> SixDraws() {
  std::vector<Draw> h;
  int n = 0;
  for (const char* number : {"10007", "20507", "10007", "39507", "39007", "40007"})
    h.push_back(Draw{std::to_string(2004001 + n++), "", *DigitsFromText(number)});
  return h;
}

struct CellCase {
  const char* name;
  int lastN;
  int position, digit;
  OmissionCell expected;  // current, largest, hits
};

class OmissionTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(OmissionTest, Cell) {
  const CellCase& c = GetParam();
  OmissionTable t = ComputeOmission(SixDraws(), c.lastN);
  const OmissionCell& got = t.cells[c.position][c.digit];
  EXPECT_EQ(got.current, c.expected.current);
  EXPECT_EQ(got.largest, c.expected.largest);
  EXPECT_EQ(got.hits, c.expected.hits);
}

INSTANTIATE_TEST_SUITE_P(
    HandMade, OmissionTest,
    ::testing::Values(
        // Whole history, n = 6.
        CellCase{"GapBetweenShowingsThenCurrentGapIsLargest", 0, 0, 1, {3, 3, 2}},
        CellCase{"LeadingGapIsLargest", 0, 0, 3, {1, 3, 2}},
        CellCase{"OnlyInNewestDraw", 0, 0, 4, {0, 5, 1}},
        CellCase{"NeverShown", 0, 0, 0, {6, 6, 0}}, CellCase{"OnceEarly", 0, 0, 2, {4, 4, 1}},
        CellCase{"EveryDraw", 0, 4, 7, {0, 0, 6}},
        CellCase{"MiddleGapIsLargest", 0, 1, 0, {0, 2, 4}},
        CellCase{"EqualGaps", 0, 2, 5, {2, 2, 2}},
        // Hits in the last three draws only (39507 39007 40007); omission over all six.
        CellCase{"OlderShowingsAreNoHits", 3, 0, 1, {3, 3, 0}},
        CellCase{"LargestGapBeforeTheWindow", 3, 0, 3, {1, 3, 2}},
        CellCase{"LeadingGapReachesBeforeTheWindow", 3, 0, 4, {0, 5, 1}},
        CellCase{"NeverShownCountsTheWholeHistory", 3, 0, 0, {6, 6, 0}},
        CellCase{"WindowLargerThanHistory", 50, 0, 1, {3, 3, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Omission, WindowSizeAndHitsAddUp) {
  EXPECT_EQ(ComputeOmission(SixDraws()).draws, 6);
  OmissionTable t = ComputeOmission(SixDraws(), 4);
  EXPECT_EQ(t.draws, 4);
  EXPECT_EQ(t.historyDraws, 6);
  for (int p = 0; p < 5; ++p) {
    int hits = 0;
    for (int d = 0; d < 10; ++d) {
      hits += t.cells[p][d].hits;
      EXPECT_LE(t.cells[p][d].current, t.cells[p][d].largest);
    }
    EXPECT_EQ(hits, 4) << "position " << p;
  }
}

TEST(Omission, EmptyHistoryIsAllZero) {
  OmissionTable t = ComputeOmission({}, 10);
  EXPECT_EQ(t.draws, 0);
  EXPECT_EQ(t.cells[2][5], OmissionCell{});
}

}  // namespace
}  // namespace torvane::history
