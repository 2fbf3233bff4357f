#pragma once
// A/B set operations through presence maps.

#include "core/digit_table.h"

namespace torvane {

enum class SetOp { Intersection = 0, Union = 1, AMinusB = 2, BMinusA = 3 };

// Ascending result of the operation on two sets (any order, duplicates allowed).
DigitTable ApplySetOperation(const DigitTable& a, const DigitTable& b, SetOp op);

}  // namespace torvane
