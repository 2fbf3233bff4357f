#include "core/digit_multiset.h"

#include <gtest/gtest.h>

#include <set>

#include "core/digit_table.h"

namespace torvane {
namespace {

TEST(DigitMultiset, NumbersWithTheSameDigitsShareOneIndex) {
  const uint16_t* index = MultisetIndexTable();
  const int32_t* sorted = SortedKeyTable();
  EXPECT_EQ(sorted[53120], 1235);
  EXPECT_EQ(index[53120], index[12035]);
  EXPECT_NE(index[11223], index[12235]);

  std::set<int> seen(index, index + kNumberSpace);
  EXPECT_EQ(seen.size(), static_cast<size_t>(kMultisets));

  // The index of a key is the ForEachMultiset position of its sorted digits.
  ForEachMultiset([&](int i, int sortedKey, const uint8_t* d) {
    EXPECT_EQ(index[sortedKey], i);
    EXPECT_EQ(DigitsToKey(d), sortedKey);
  });
}

}  // namespace
}  // namespace torvane
