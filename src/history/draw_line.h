#pragma once
// One line of a draw file: "period [date] number", the number as one five-digit token or as
// five single digits; fields separated by commas, tabs, spaces, semicolons, full-width commas
// or semicolons and ideographic spaces. Words around the period go ("第2004001期"); full-width
// digits read as digits.

#include <optional>
#include <string>
#include <string_view>

#include "history/draw.h"

namespace torvane::history {

enum class LineKind {
  Blank,    // nothing but separators
  Draw,     // a draw, in `draw`
  NotADraw  // anything else; `reason` says what is wrong, in Chinese
};

struct DrawLine {
  LineKind kind = LineKind::Blank;
  Draw draw;
  std::string reason;
};

DrawLine ParseDrawLine(std::string_view line);

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

}  // namespace torvane::history
