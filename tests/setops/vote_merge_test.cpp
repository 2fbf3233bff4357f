#include "setops/vote_merge.h"

#include <gtest/gtest.h>

#include <numeric>
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
  EXPECT_EQ(std::accumulate(h.begin(), h.end(), 0), kNumberSpace);
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
                      VoteCase{"EdgeNumbers", {{0, 99999}, {99999}}, 2, 2, {99999}, {1, 1}},
                      VoteCase{"EmptySetStillCounts", {{}, {6}}, 2, 2, {}, {1, 0}},
                      VoteCase{"OneSetSorted", {{5, 3}}, 1, 1, {3, 5}, {2}}),
    [](const ::testing::TestParamInfo<VoteCase>& info) { return info.param.name; });

// Two sets: every set is A∩B, at least one is A∪B.
struct TwoSetCase {
  std::string name;
  SetOp op;
  int minSets, maxSets;
};

class VoteMergeTwoSets : public ::testing::TestWithParam<TwoSetCase> {};

TEST_P(VoteMergeTwoSets, AgreesWithTheSetOperation) {
  std::mt19937 rng(17);
  for (int round = 0; round < 5; ++round) {
    std::vector<int> a, b;
    for (int i = 0; i < 40000; ++i) a.push_back(static_cast<int>(rng() % kNumberSpace));
    for (int i = 0; i < 1000 * (round + 1); ++i)
      b.push_back(static_cast<int>(rng() % kNumberSpace));
    const TwoSetCase& c = GetParam();
    EXPECT_EQ(TallyOf({a, b}).keep(c.minSets, c.maxSets),
              ApplySetOperation(TableOf(a), TableOf(b), c.op))
        << round;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, VoteMergeTwoSets,
                         ::testing::Values(TwoSetCase{"Intersection", SetOp::Intersection, 2, 2},
                                           TwoSetCase{"Union", SetOp::Union, 1, 2}),
                         [](const ::testing::TestParamInfo<TwoSetCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace torvane
