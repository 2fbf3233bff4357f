// 特别排除 through the whole run: family sizes, classification, one row per ticked box.
#include <gtest/gtest.h>

#include "support/run_results.h"

namespace torvane {
namespace {

using support::KeysOf;
using support::RowNames;
using support::RowsKilling;
using support::RunOnFullSet;
using support::TableOf;

using Names = std::vector<std::string>;

struct FamilyCase {
  int box;
  const char* caption;
  int size;  // on the full set
};

class SpecialFamilySize : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(SpecialFamilySize, OnFullSet) {
  const FamilyCase& p = GetParam();
  Conditions c;
  c.special.ticked[p.box] = true;
  RunResult r = RunOnFullSet(c);
  ASSERT_EQ(RowNames(r), Names{p.caption});
  EXPECT_EQ(r.stats[0].killed, p.size);
  EXPECT_EQ(r.results.count(), 100000 - p.size);
}

INSTANTIATE_TEST_SUITE_P(
    AllFourteen, SpecialFamilySize,
    ::testing::Values(FamilyCase{0, "上山", 1992}, FamilyCase{1, "下山", 1992},
                      FamilyCase{3, "不连", 14800}, FamilyCase{4, "2连", 51300},
                      FamilyCase{5, "3连", 25500}, FamilyCase{6, "4连", 7200},
                      FamilyCase{7, "5连", 1200}, FamilyCase{12, "ABCDE", 30240},
                      FamilyCase{8, "AABCD", 50400}, FamilyCase{9, "AABBC", 10800},
                      FamilyCase{10, "AAABC", 7200}, FamilyCase{13, "AAABB", 900},
                      FamilyCase{11, "AAAAB", 450}, FamilyCase{2, "AAAAA", 10}),
    [](const auto& info) { return "Box" + std::to_string(info.param.box); });

// With every box ticked, the rows that kill one number are its families.
struct ClassifyCase {
  const char* number;
  Names families;
};

class SpecialClassification : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(SpecialClassification, RowsKillingTheNumber) {
  const ClassifyCase& p = GetParam();
  Conditions c;
  c.special.ticked.fill(true);
  RunResult r = RunFilters(TableOf({std::stoi(p.number)}), c);
  EXPECT_EQ(RowsKilling(r), p.families);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpecialClassification,
    ::testing::Values(
        ClassifyCase{"09555", {"2连", "AAABC"}},          // 9-0 are neighbours
        ClassifyCase{"01239", {"上山", "5连", "ABCDE"}},  // 9-0-1-2-3
        ClassifyCase{"12389", {"上山", "3连", "ABCDE"}},  // 8-9 is a separate pair
        ClassifyCase{"90124", {"4连", "ABCDE"}}, ClassifyCase{"11234", {"上山", "4连", "AABCD"}},
        ClassifyCase{"01289", {"上山", "5连", "ABCDE"}},  // 8-9-0-1-2
        ClassifyCase{"55555", {"AAAAA", "不连"}}, ClassifyCase{"00003", {"上山", "不连", "AAAAB"}},
        ClassifyCase{"30000", {"下山", "不连", "AAAAB"}},
        ClassifyCase{"87521", {"下山", "2连", "ABCDE"}},  // two separate pairs
        ClassifyCase{"13579", {"上山", "不连", "ABCDE"}}, ClassifyCase{"12152", {"2连", "AABBC"}},
        ClassifyCase{"11155", {"上山", "不连", "AAABB"}}, ClassifyCase{"15141", {"2连", "AAABC"}},
        ClassifyCase{"11546", {"3连", "AABCD"}}, ClassifyCase{"15115", {"不连", "AAABB"}},
        ClassifyCase{"15111", {"不连", "AAAAB"}}),
    [](const auto& info) { return "N" + std::string(info.param.number); });

TEST(SpecialExclusion, RowsFollowProcessingOrder) {
  Conditions c;
  c.special.ticked.fill(true);
  EXPECT_EQ(RowNames(RunFilters(TableOf({12345}), c)),
            (Names{"上山", "下山", "AAAAA", "不连", "2连", "3连", "4连", "5连", "AABCD", "AABBC",
                   "AAABC", "AAABB", "AAAAB", "ABCDE"}));
}

// Each number belongs to exactly one family of the group: killed exactly once.
struct PartitionCase {
  const char* name;
  std::vector<int> boxes;
};

class SpecialPartition : public ::testing::TestWithParam<PartitionCase> {};

TEST_P(SpecialPartition, EveryNumberFailsExactlyOne) {
  Conditions c;
  for (int b : GetParam().boxes) c.special.ticked[b] = true;
  EXPECT_EQ(RunOnFullSet(c).results.count(), 0);
  c.tolerance = {"1", "1"};
  EXPECT_EQ(RunOnFullSet(c).results.count(), 100000);
}

INSTANTIATE_TEST_SUITE_P(Groups, SpecialPartition,
                         ::testing::Values(PartitionCase{"Runs", {3, 4, 5, 6, 7}},
                                           PartitionCase{"GroupTypes", {2, 8, 9, 10, 11, 12, 13}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpecialExclusion, NothingTickedAddsNoRow) {
  EXPECT_TRUE(RunOnFullSet(Conditions{}).stats.empty());
}

TEST(SpecialExclusion, FiveRunAloneLeaves98800) {
  Conditions c;
  c.special.ticked[7] = true;
  EXPECT_EQ(RunOnFullSet(c).results.count(), 98800);
}

TEST(SpecialExclusion, RisingAndFallingAreTwoRowsFlatAndZigzagSurvive) {
  Conditions c;
  c.special.ticked[0] = true;
  c.special.ticked[1] = true;
  RunResult r = RunFilters(TableOf({12321, 12578, 55555, 87521}), c);
  EXPECT_EQ(RowNames(r), (Names{"上山", "下山"}));
  EXPECT_EQ(KeysOf(r.results), (std::vector<int>{12321, 55555}));
}

TEST(SpecialExclusion, TwoTickedFamiliesAreTwoFailedConditions) {
  Conditions c;
  c.special.ticked[8] = true;  // AABCD
  c.special.ticked[6] = true;  // 4连
  RunResult r = RunFilters(TableOf({11234}), c);
  EXPECT_EQ(RowsKilling(r), (Names{"4连", "AABCD"}));
  c.tolerance = {"1", "1"};
  EXPECT_EQ(RunFilters(TableOf({11234}), c).results.count(), 0);
  c.tolerance = {"2", "2"};
  EXPECT_EQ(RunFilters(TableOf({11234}), c).results.count(), 1);
}

}  // namespace
}  // namespace torvane
