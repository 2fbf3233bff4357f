#pragma once
// The three two-class splits of the digits and the route (digit mod 3).

#include <array>
#include <cstdint>

namespace torvane {

enum class DigitClassKind { BigSmall = 0, OddEven = 1, PrimeComposite = 2 };

// Counted class per kind as used by the ratios: big 56789, odd 13579, prime 12357.
inline constexpr const char* kCountedClass[3] = {"56789", "13579", "12357"};
inline constexpr const char* kOtherClass[3] = {"01234", "02468", "04689"};
// Shape symbols per kind: first symbol (value 0), second symbol (value 1).
inline constexpr const char* kShapeSymbols[3][2] = {{"大", "小"}, {"奇", "偶"}, {"质", "合"}};

// table[d] = 1 when d is in the given class string.
std::array<uint8_t, 10> ClassTable(const char* classDigits);

}  // namespace torvane
