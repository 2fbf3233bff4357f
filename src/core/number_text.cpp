#include "core/number_text.h"

#include <vector>

#include "core/text_util.h"

namespace torvane {
namespace {

// Length in bytes of a number-text separator starting at s[i], 0 when none.
size_t SeparatorAt(std::string_view s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  switch (c) {
    case '\r':
    case '\n':
    case ',':
    case ';':
    case '|':
    case '\t':
    case '.':
    case ' ':
      return 1;
    case 0xE3:  // 、 U+3001
      if (s.substr(i, 3) == "\xE3\x80\x81") return 3;
      return 0;
    case 0xEF:  // ， U+FF0C and ； U+FF1B
      if (s.substr(i, 3) == "\xEF\xBC\x8C" || s.substr(i, 3) == "\xEF\xBC\x9B") return 3;
      return 0;
    default:
      return 0;
  }
}

// Calls f(token, isNumber) for every token between separators.
template <typename F>
void ForEachToken(std::string_view text, F&& f) {
  size_t i = 0, n = text.size();
  while (i < n) {
    size_t sep = SeparatorAt(text, i);
    if (sep) {
      i += sep;
      continue;
    }
    size_t start = i;
    bool digits = true;
    while (i < n && !SeparatorAt(text, i)) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      if (c < '0' || c > '9') digits = false;
      ++i;
    }
    f(text.data() + start, digits && i - start == kDigits);
  }
}

}  // namespace

NumberPresence MarkNumberText(std::string_view text) {
  NumberPresence out;
  out.present.assign(kNumberSpace, 0);
  ForEachToken(text, [&](const char* t, bool isNumber) {
    if (!isNumber) {
      ++out.dropped;
      return;
    }
    int key = ((((t[0] - '0') * 10 + (t[1] - '0')) * 10 + (t[2] - '0')) * 10 + (t[3] - '0')) * 10 +
              (t[4] - '0');
    out.present[key] = 1;
  });
  // Counted afterwards: a shuffled text then costs stores only, no load per number.
  for (uint8_t p : out.present) out.count += p;
  return out;
}

ParsedNumbers ParseNumberText(std::string_view text, ParseMode mode) {
  NumberPresence marked = MarkNumberText(text);
  ParsedNumbers out;
  out.dropped = marked.dropped;
  if (marked.count == 0) return out;
  out.table = TableFromPresence(marked.present);
  out.text = FormatNumberText(out.table, mode == ParseMode::Base ? 10 : 5);
  return out;
}

bool AllNumberTokensValid(std::string_view text) {
  bool all = true;
  ForEachToken(text, [&](const char*, bool isNumber) { all = all && isNumber; });
  return all;
}

std::string FormatNumberText(const DigitTable& table, int perLine) {
  std::string s;
  int n = table.count();
  s.reserve(static_cast<size_t>(n) * 6 + (perLine > 0 ? static_cast<size_t>(n / perLine) * 2 : 0));
  for (int i = 0; i < n; ++i) {
    if (i > 0) {
      s.push_back(' ');
      if (perLine > 0 && i % perLine == 0) s.append("\r\n");
    }
    const uint8_t* r = table.row(i);
    for (int p = 0; p < kDigits; ++p) s.push_back(static_cast<char>('0' + r[p]));
  }
  return s;
}

std::string JoinNumbers(const DigitTable& table) {
  return FormatNumberText(table, 0);
}

int Utf8Length(std::string_view s) {
  int n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

namespace {

std::string FoldConditionSeparators(std::string_view text) {
  std::string s(TrimBlanks(text));
  s = ReplaceAll(s, "\r\n", " ");
  s = ReplaceAll(s, ",", " ");
  s = ReplaceAll(s, "\xEF\xBC\x8C", " ");  // ，
  s = ReplaceAll(s, ";", " ");
  s = ReplaceAll(s, "\xEF\xBC\x9B", " ");  // ；
  s = ReplaceAll(s, ".", "");
  s = ReplaceAll(s, "  ", " ");
  s = ReplaceAll(s, "  ", " ");
  return s;
}

bool AllDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool ValidConditionToken(std::string_view token, int minLen, int maxLen, std::string_view strip,
                         int stripCount) {
  int len = Utf8Length(token);
  if (len < minLen || len > maxLen) return false;
  if (strip.empty()) return !token.empty() && AllDigits(token);
  std::string rest = ReplaceAll(token, strip, "");
  if (rest.empty() || !AllDigits(rest)) return false;
  if (stripCount >= 1) {
    size_t stripped = (token.size() - rest.size()) / strip.size();
    if (static_cast<int>(stripped) != stripCount) return false;
  }
  return true;
}

}  // namespace

std::string NormalizeConditionText(std::string_view text, int perLine, int minLen, int maxLen,
                                   std::string_view strip, int stripCount) {
  std::string folded = FoldConditionSeparators(text);
  std::string out;
  if (folded.empty()) return out;
  int valid = 0;
  for (std::string_view token : SplitAtSpaces(folded)) {
    if (!ValidConditionToken(token, minLen, maxLen, strip, stripCount)) continue;
    if (valid > 0) {
      out.push_back(' ');
      if (perLine > 0 && valid % perLine == 0) out.append("\r\n");
    }
    out.append(token);
    ++valid;
  }
  return out;
}

bool SameConditionText(std::string_view a, std::string_view b) {
  return TrimBlanks(FoldConditionSeparators(a)) == TrimBlanks(FoldConditionSeparators(b));
}

}  // namespace torvane
