#include "setops/vote_merge.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "setops/set_operation.h"
#include "support/digit_tables.h"

namespace torvane {
namespace {

using support::KeysOf;
using support::TableOf;

VoteTally TallyOf(const std::vector<std::vector<int>>& sets) {
  VoteTally tally;
  for (const std::vector<int>& s : sets) tally.addSet(TableOf(s));
  return tally;
}

struct VoteCase {
  std::string name;
  std::vector<std::vector<int>> sets;
  int minSets, maxSets;
  std::vector<int> kept;
  std::vector<int> inExactly;  // histogram entries 1..sets
};

class VoteMergeTest : public ::testing::TestWithParam<VoteCase> {};

TEST_P(VoteMergeTest, KeepsTheNumbersWhoseCountIsInRange) {
  const VoteCase& c = GetParam();
  const VoteTally tally = TallyOf(c.sets);
  EXPECT_EQ(KeysOf(tally.keep(c.minSets, c.maxSets)), c.kept);
  std::vector<int> h = tally.histogram();
  ASSERT_EQ(h.size(), c.sets.size() + 1);
  EXPECT_EQ(std::vector<int>(h.begin() + 1, h.end()), c.inExactly);
  EXPECT_EQ(KeptCount(h, c.minSets, c.maxSets), static_cast<int>(c.kept.size()));
}

const std::vector<std::vector<int>> kThree = {{1, 2, 3}, {4, 3, 2}, {3, 4, 5}};

INSTANTIATE_TEST_SUITE_P(
    Cases, VoteMergeTest,
    ::testing::Values(VoteCase{"InEverySet", kThree, 3, 3, {3}, {2, 2, 1}},
                      VoteCase{"AtLeastTwo", kThree, 2, 3, {2, 3, 4}, {2, 2, 1}},
                      VoteCase{"ExactlyOne", kThree, 1, 1, {1, 5}, {2, 2, 1}},
                      VoteCase{"RepeatsInOneSetCountOnce", {{7, 7, 7}, {8}}, 2, 2, {}, {2, 0}},
                      VoteCase{"EdgeNumbers", {{0, 99999}, {99999}}, 2, 2, {99999}, {1, 1}}),
    [](const ::testing::TestParamInfo<VoteCase>& info) { return info.param.name; });

// Two sets: in both is A∩B, in at least one is A∪B.
TEST(VoteMerge, TwoSetsAgreeWithTheSetOperations) {
  std::mt19937 rng(17);
  for (int round = 0; round < 5; ++round) {
    std::vector<int> a(40000), b(static_cast<size_t>(1000 * (round + 1)));
    for (int& k : a) k = static_cast<int>(rng() % kNumberSpace);
    for (int& k : b) k = static_cast<int>(rng() % kNumberSpace);
    const VoteTally tally = TallyOf({a, b});
    EXPECT_EQ(tally.keep(2, 2), ApplySetOperation(TableOf(a), TableOf(b), SetOp::Intersection));
    EXPECT_EQ(tally.keep(1, 2), ApplySetOperation(TableOf(a), TableOf(b), SetOp::Union));
  }
}

struct RangeCase {
  std::string name;
  VoteRange range;
  int oldSets, sets;
  VoteRange want;
};

class VoteRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(VoteRangeTest, FollowsTheNumberOfSets) {
  const RangeCase& c = GetParam();
  EXPECT_EQ(FollowSetCount(c.range, c.oldSets, c.sets), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VoteRangeTest,
    ::testing::Values(RangeCase{"FirstSet", {0, 0}, 0, 1, {1, 1}},
                      RangeCase{"EverySetStaysEverySet", {2, 2}, 2, 3, {3, 3}},
                      RangeCase{"ChosenMinStays", {1, 3}, 3, 5, {1, 5}},
                      RangeCase{"ChosenMaxStays", {1, 2}, 4, 5, {1, 2}},
                      RangeCase{"RemovingClampsIntoRange", {3, 3}, 4, 2, {2, 2}},
                      RangeCase{"NoSetsLeft", {1, 2}, 2, 0, {0, 0}}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace torvane
