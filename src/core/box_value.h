#pragma once
// Numeric value of a condition box text: the leading decimal number, blanks ignored,
// rounded to the nearest integer with halves going to the even neighbour.

#include <cstdint>
#include <string_view>

namespace torvane {

// Leading number of the text ("2x" -> 2, "abc" -> 0, " 1 2" -> 12), not rounded.
double LeadingNumber(std::string_view text);

// Rounded value checked against the integer range; throws RunError when it does not fit,
// naming box (the box's name as the player sees it) when one is given.
int16_t BoxValue16(std::string_view text, const char* box = nullptr);
int32_t BoxValue32(std::string_view text, const char* box = nullptr);

// Strict conversion of a fault-tolerance box: the whole text must be a number
// ("", ".", letters throw RunError); rounded half to even; 0..255.
uint8_t ToleranceValue(std::string_view text, const char* box = nullptr);

}  // namespace torvane
