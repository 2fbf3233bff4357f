#pragma once
// Draw files: one draw a line (see draw_line.h), decoded like number files, the separator
// decided for the whole file (draw_fields.h).
//
// Blank lines are skipped, and so are header lines: lines before the first draw that read
// as words (LooksLikeHeader); the last of them that titles its columns says which trailing
// columns are figures (trailing_columns.h). Any other line that is not a draw refuses the
// whole file, naming the line number and its text. A period given twice with the same number
// counts once, each line adding what the other lacked; with two different numbers, or two
// different figures, the file is refused, naming both lines.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/draw.h"

namespace torvane::history {

struct DrawFileResult {
  bool ok = false;
  std::vector<Draw> draws;  // oldest first, one per period
  int skippedHeaders = 0;
  int duplicates = 0;  // repeated lines of a period already read, same number
  std::string error;   // in Chinese, when !ok
};

// Text already decoded to UTF-8 (a file's text, a download's, the clipboard's); a leading BOM
// is ignored. Lines end in LF, CR LF or CR. A text without any draw is refused too: it is
// almost certainly the wrong file.
DrawFileResult ParseDrawText(std::string_view text);

// Reads the file (UTF-8 with or without BOM, UTF-16 with BOM, otherwise GBK; at most 64 MiB)
// and parses it. Errors name the file.
DrawFileResult ReadDrawFile(const std::string& path);

// The draws as CSV with the header "period,date,number,sales,winners,prize", one draw a
// line in the given order, unknown figures as empty fields; reads back as a draw file.
std::string DrawsCsv(std::span<const Draw> draws);

}  // namespace torvane::history
