#pragma once
// Figures of one drawn number, as the history page shows them beside each draw.

#include <string>

#include "history/draw.h"

namespace torvane::history {

int DigitSum(const Digits& d);   // 和值, 0-45
int DigitSpan(const Digits& d);  // 跨度: largest digit minus smallest

// "big:small" counts, big = 5-9, e.g. "3:2".
std::string BigSmallRatio(const Digits& d);
// "odd:even" counts.
std::string OddEvenRatio(const Digits& d);
// "prime:composite" counts; prime = 1 2 3 5 7, and 0 counts as composite.
std::string PrimeCompositeRatio(const Digits& d);
// 形态 by the multiplicities of the five digits: "AAAAA", "AAAAB", "AAABB", "AAABC", "AABBC",
// "AABCD" or "ABCDE" ("92882" is AABBC).
const char* ShapeName(const Digits& d);

// Digit modulo 3 per position, e.g. "22021" for 92882.
std::string RouteText(const Digits& d);

}  // namespace torvane::history
