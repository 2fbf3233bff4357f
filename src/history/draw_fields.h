#pragma once
// Cutting the lines of a draw file into fields. The separator is decided once per file, so a
// tab-separated table keeps "9,916,601" as one amount and a CSV file keeps a quoted field
// whole, as RFC 4180 says.

#include <string>
#include <string_view>
#include <vector>

namespace torvane::history {

enum class Separator {
  Blanks,      // runs of spaces, tabs, ideographic or no-break spaces
  Delimiters,  // , ; ， ； 、 with RFC 4180 quotes
  Tabs,        // tabs, with RFC 4180 quotes
};

// Calls f(lineNumber, line) for every line until f returns false; LF, CR LF and a lone CR
// all end a line.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
  int number = 0;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    if (!f(++number, text.substr(i, end - i))) return;
    i = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
}

// Looks only at lines that may be draws (holding a run of five digits), so titles and column
// headers do not decide: tabs when one of them has a tab; else delimiters when one of them
// has a delimiter outside quotes that is not a thousands separator (a comma between a digit
// and exactly three digits); else blanks.
Separator FileSeparator(std::string_view text);

struct LineFields {
  std::vector<std::string> fields;  // without surrounding blanks and quotes
  bool unclosedQuote = false;
};

// A line that does not hold the file's separator at all is cut at blanks. Delimiters and
// tabs keep empty fields; a field that starts with a double quote runs to the closing quote,
// a doubled quote inside it standing for one.
LineFields SplitLine(std::string_view line, Separator separator);

// Length in bytes of a blank at s[i] (space, tab, ideographic or no-break space), 0 if none.
size_t BlankAt(std::string_view s, size_t i);

// The non-empty pieces of s between separators; separatorAt(s, i) gives the length in bytes of
// a separator at s[i], 0 where there is none.
std::vector<std::string_view> SplitWhere(std::string_view s,
                                         size_t (*separatorAt)(std::string_view, size_t));

}  // namespace torvane::history
