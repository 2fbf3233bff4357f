#pragma once
// 随机选号: a few distinct numbers drawn uniformly from a result set.

#include <random>

#include "core/digit_table.h"

namespace torvane {

// count distinct rows of table, every subset of that size equally likely, returned in the
// order they have in table. count is clamped to 0 … table.count().
DigitTable PickRandomRows(const DigitTable& table, int count, std::mt19937_64& rng);

// The same with a generator seeded afresh from std::random_device.
DigitTable PickRandomRows(const DigitTable& table, int count);

}  // namespace torvane
