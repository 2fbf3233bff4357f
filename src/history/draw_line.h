#pragma once
// One line of a draw file, read left to right: the period, an optional date, the number (one
// five-digit token, or five single digits), then trailing columns. Words around them
// ("第2004001期", "开奖号码：", "星期四", "(四)") are read around; full-width digits read as
// digits. Within the fields the file's separator gives (draw_fields.h), the part up to the
// number is also cut at blanks, commas, semicolons, full-width commas and semicolons and 、.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/draw.h"
#include "history/draw_fields.h"

namespace torvane::history {

enum class LineKind {
  Blank,    // nothing but separators
  Draw,     // a draw, in `draw`
  NotADraw  // anything else; `reason` says what is wrong, in Chinese
};

struct DrawLine {
  LineKind kind = LineKind::Blank;
  Draw draw;  // period, date and digits; the figures come from the trailing fields
  std::string reason;
  std::vector<std::string> trailing;  // the fields after the number's field
};

DrawLine ParseDrawLine(std::string_view line, Separator separator);

// A number alone, written as a draw line writes it: one five-digit token or five single
// digits with separators between them, full-width digits too; nullopt for anything else.
std::optional<Digits> ParseDrawNumber(std::string_view text);

// True for a line that reads as words rather than a broken draw: it holds a letter or a
// non-ASCII character and no run of five or more digits. Column titles ("期号,日期,开奖号码",
// "Seq,pos_1,...") qualify; "2004001,2004-11-14,9288" does not.
bool LooksLikeHeader(std::string_view line);

// "2004-11-14", "2004/11/14", "2004.11.14", "2004-1-4", "20041114" and "2004年11月14日"
// (also with 年月日 lost to U+FFFD by GBK decoding) to YYYY-MM-DD; nullopt when it is not a
// real calendar date.
std::optional<std::string> NormalizeDate(std::string_view text);

// The line as a message quotes it: at most maxChars code points, cut on a UTF-8 boundary,
// "…" when cut.
std::string QuoteLine(std::string_view line, int maxChars = 80);

// Full-width digits (a GBK file may hold them) as ASCII digits.
std::string FoldFullWidthDigits(std::string_view line);

}  // namespace torvane::history
