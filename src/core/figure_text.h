#pragma once
// Figures as the player reads them. Every percentage and decimal figure of the program goes
// through here, so one value never prints two ways.

#include <string>

namespace torvane {

// value with `decimals` digits after the point (0 for none). Rounds the shortest decimal that
// reads back as the value (what a person would write for it: 3.125, 0.145) half away from
// zero, so 3.125 gives 3.13 and -2.5 gives -3 at 0 decimals, whatever the binary value
// underneath. A result of zero has no minus sign; NaN and infinities give "无".
std::string FixedText(double value, int decimals);

// ratio as a percentage, the same rounding on the decimal value ×100: 0.03125 gives "3.13%".
std::string PercentText(double ratio, int decimals = 2);

}  // namespace torvane
