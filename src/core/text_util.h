#pragma once
// Small string helpers shared by the engine (VB-like semantics where the rules need them).

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

}  // namespace torvane
