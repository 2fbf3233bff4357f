#pragma once
// Entries of a condition box text, and the digit check the digit filters share.

#include <string_view>
#include <vector>

namespace torvane {

// Splits a box text into its entries. Line breaks (CR LF, and a lone CR or LF from text
// that did not come through a box) and runs of blanks separate; no entry is empty.
// The views point into text.
std::vector<std::string_view> ConditionEntries(std::string_view text);

inline bool IsDigitChar(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace torvane
