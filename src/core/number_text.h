#pragma once
// Number text: free text in, sorted duplicate-free digit table and canonical text out.
// Texts are UTF-8; line breaks in canonical output are CR LF.

#include <string>
#include <string_view>
#include <vector>

#include "core/digit_table.h"

namespace torvane {

enum class ParseMode {
  Base,  // ten numbers per line
  Join,  // five numbers per line
  List,  // five numbers per line; the caller stores nothing
};

struct ParsedNumbers {
  DigitTable table;
  std::string text;  // canonical text; empty when no number was accepted
  int dropped = 0;   // tokens that were not five-digit numbers (repeats are not dropped)
};

ParsedNumbers ParseNumberText(std::string_view text, ParseMode mode);

// The numbers of a text as one flag per number (kNumberSpace of them), without the table
// and canonical text ParseNumberText builds: what a vote over many sets needs.
struct NumberPresence {
  std::vector<uint8_t> present;  // 1 where the text holds the number
  int count = 0;                 // distinct numbers
  int dropped = 0;               // as ParsedNumbers::dropped
};

NumberPresence MarkNumberText(std::string_view text);

// True when every token between number-text separators is a five-digit number, that is
// when parsing would drop nothing.
bool AllNumberTokensValid(std::string_view text);

// Canonical text of a table: numbers separated by one space, CR LF inserted after the
// separating space before every perLine-th number.
std::string FormatNumberText(const DigitTable& table, int perLine);

// Numbers joined by single spaces on one line.
std::string JoinNumbers(const DigitTable& table);

std::string NormalizeConditionText(std::string_view text, int perLine, int minLen, int maxLen,
                                   std::string_view strip, int stripCount);
bool SameConditionText(std::string_view a, std::string_view b);

// Number of UTF-8 code points.
int Utf8Length(std::string_view s);

}  // namespace torvane
