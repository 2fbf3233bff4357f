#pragma once
// Small string helpers shared by the engine: replacing, trimming, splitting, quoting.

#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// Replaces non-overlapping occurrences left to right.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);
// Removes leading and trailing blanks (spaces only).
std::string_view TrimBlanks(std::string_view s);
// Splits at every single space; empty pieces are kept.
std::vector<std::string_view> SplitAtSpaces(std::string_view s);
// A key or value as a message quotes it: at most maxChars UTF-8 characters, cut with "…" on
// a character boundary, so a file holding a megabyte in one place gives a readable message.
std::string CutForMessage(std::string_view s, size_t maxChars = 80);
// One CSV field (RFC 4180): quoted, with quotes doubled, when it holds a comma, a quote or a
// line break; as it is otherwise.
std::string CsvField(std::string_view s);

// Terminal columns of UTF-8 text: East Asian wide characters take two.
int DisplayWidth(const std::string& s);
// Rows of cells in aligned columns, two blanks apart, numeric columns aligned right; trailing
// blanks go, every line ends in LF.
std::string AlignedTable(const std::vector<std::vector<std::string>>& rows,
                         const std::vector<bool>& rightAligned);

}  // namespace torvane
