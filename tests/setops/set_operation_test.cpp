#include "setops/set_operation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/digit_tables.h"

namespace torvane {
namespace {

using support::KeysOf;
using support::TableOf;

struct SetOpCase {
  std::string name;
  std::vector<int> a, b;
  SetOp op;
  std::vector<int> expected;
};

class SetOperationTest : public ::testing::TestWithParam<SetOpCase> {};

TEST_P(SetOperationTest, KeepsExactlyTheRightKeysAscending) {
  const SetOpCase& c = GetParam();
  EXPECT_EQ(KeysOf(ApplySetOperation(TableOf(c.a), TableOf(c.b), c.op)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetOperationTest,
    ::testing::Values(
        SetOpCase{"Intersection", {1, 2, 3}, {3, 4}, SetOp::Intersection, {3}},
        SetOpCase{"Union", {1, 2, 3}, {3, 4}, SetOp::Union, {1, 2, 3, 4}},
        SetOpCase{"AMinusB", {1, 2, 3}, {3, 4}, SetOp::AMinusB, {1, 2}},
        SetOpCase{"BMinusA", {1, 2, 3}, {3, 4}, SetOp::BMinusA, {4}},
        SetOpCase{"DisjointIntersectionIsEmpty", {10, 20}, {30, 40}, SetOp::Intersection, {}},
        SetOpCase{"DisjointDifferenceKeepsA", {10, 20}, {30, 40}, SetOp::AMinusB, {10, 20}},
        SetOpCase{"EqualSetsDifferenceIsEmpty", {5, 6}, {6, 5}, SetOp::BMinusA, {}},
        SetOpCase{"UnsortedInputGivesAscendingOutput",
                  {99999, 0, 500},
                  {12345},
                  SetOp::Union,
                  {0, 500, 12345, 99999}},
        SetOpCase{"RepeatsCountOnce", {7, 7, 7}, {7, 8, 8}, SetOp::Union, {7, 8}},
        SetOpCase{"EdgeKeysSurvive", {0, 99999}, {99999, 0}, SetOp::Intersection, {0, 99999}},
        SetOpCase{"EmptyAUnion", {}, {3}, SetOp::Union, {3}},
        SetOpCase{"EmptyBDifference", {2, 1}, {}, SetOp::AMinusB, {1, 2}}),
    [](const ::testing::TestParamInfo<SetOpCase>& info) { return info.param.name; });

TEST(SetOperation, DigitsOfEveryRowMatchItsKey) {
  DigitTable r = ApplySetOperation(TableOf({12345, 90817}), TableOf({67890}), SetOp::Union);
  ASSERT_EQ(r.count(), 3);
  const uint8_t expected[3][5] = {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 0}, {9, 0, 8, 1, 7}};
  for (int i = 0; i < 3; ++i)
    for (int p = 0; p < kDigits; ++p) EXPECT_EQ(r.row(i)[p], expected[i][p]) << i << ":" << p;
}

TEST(SetOperation, FullSetAgainstEveryOtherNumber) {
  DigitTable full = MakeFullSet();
  DigitTable odd;
  for (int k = 1; k < kNumberSpace; k += 2) odd.appendKey(k);
  EXPECT_EQ(ApplySetOperation(full, odd, SetOp::Union), full);
  EXPECT_EQ(ApplySetOperation(odd, full, SetOp::Intersection), odd);
  DigitTable even = ApplySetOperation(full, odd, SetOp::AMinusB);
  ASSERT_EQ(even.count(), kNumberSpace / 2);
  EXPECT_EQ(even.key(0), 0);
  EXPECT_EQ(even.key(even.count() - 1), 99998);
  EXPECT_TRUE(ApplySetOperation(full, odd, SetOp::BMinusA).empty());
}

}  // namespace
}  // namespace torvane
