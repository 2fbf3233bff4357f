#include "history/draw_fields.h"

namespace torvane::history {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length in bytes of a delimiter at s[i], 0 if none.
size_t DelimiterAt(std::string_view s, size_t i) {
  if (s[i] == ',' || s[i] == ';') return 1;
  if (s[i] != '\xEF' && s[i] != '\xE3') return 0;
  std::string_view three = s.substr(i, 3);
  if (three == "\xEF\xBC\x8C" || three == "\xEF\xBC\x9B" || three == "\xE3\x80\x81")  // ， ； 、
    return 3;
  return 0;
}

// "9,916,601": a comma with a digit before it and exactly three digits after.
bool ThousandsComma(std::string_view s, size_t i) {
  if (s[i] != ',' || i == 0 || !IsDigit(s[i - 1]) || i + 3 >= s.size()) return false;
  for (size_t k = 1; k <= 3; ++k)
    if (!IsDigit(s[i + k])) return false;
  return i + 4 == s.size() || !IsDigit(s[i + 4]);
}

// A run of five digits, ASCII or full-width.
bool MayBeDraw(std::string_view line) {
  int run = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    bool digit = IsDigit(line[i]);
    if (!digit && line.substr(i, 2) == "\xEF\xBC" && i + 2 < line.size()) {
      unsigned char t = static_cast<unsigned char>(line[i + 2]);
      if (t >= 0x90 && t <= 0x99) {
        digit = true;
        i += 2;
      }
    }
    run = digit ? run + 1 : 0;
    if (run >= 5) return true;
  }
  return false;
}

bool HasRealDelimiter(std::string_view line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (!quoted && DelimiterAt(line, i) && !ThousandsComma(line, i)) return true;
  }
  return false;
}

std::string_view TrimBlanksOf(std::string_view s) {
  size_t b = 0;
  while (b < s.size()) {
    size_t n = BlankAt(s, b);
    if (!n) break;
    b += n;
  }
  s.remove_prefix(b);
  // Blanks end in a space, a tab or the last byte of U+3000 / U+00A0.
  while (!s.empty()) {
    size_t n = 0;
    if (s.back() == ' ' || s.back() == '\t')
      n = 1;
    else if (s.size() >= 3 && s.substr(s.size() - 3) == "\xE3\x80\x80")
      n = 3;
    else if (s.size() >= 2 && s.substr(s.size() - 2) == "\xC2\xA0")
      n = 2;
    if (!n) break;
    s.remove_suffix(n);
  }
  return s;
}

std::vector<std::string> SplitAtBlanks(std::string_view line) {
  const std::vector<std::string_view> pieces = SplitWhere(line, BlankAt);
  return {pieces.begin(), pieces.end()};
}

}  // namespace

std::vector<std::string_view> SplitWhere(std::string_view s,
                                         size_t (*separatorAt)(std::string_view, size_t)) {
  std::vector<std::string_view> pieces;
  size_t i = 0;
  while (i < s.size()) {
    if (size_t n = separatorAt(s, i)) {
      i += n;
      continue;
    }
    const size_t start = i;
    while (i < s.size() && !separatorAt(s, i)) ++i;
    pieces.push_back(s.substr(start, i - start));
  }
  return pieces;
}

size_t BlankAt(std::string_view s, size_t i) {
  if (s[i] == ' ' || s[i] == '\t') return 1;
  if (s[i] != '\xE3' && s[i] != '\xC2') return 0;
  if (s.substr(i, 3) == "\xE3\x80\x80") return 3;
  if (s.substr(i, 2) == "\xC2\xA0") return 2;
  return 0;
}

Separator FileSeparator(std::string_view text) {
  bool delimiters = false;
  bool tabs = false;
  ForEachLine(text, [&](int, std::string_view line) {
    if (!MayBeDraw(line)) return true;
    if (line.find('\t') != std::string_view::npos) {
      tabs = true;
      return false;
    }
    if (!delimiters) delimiters = HasRealDelimiter(line);
    return true;
  });
  return tabs ? Separator::Tabs : delimiters ? Separator::Delimiters : Separator::Blanks;
}

LineFields SplitLine(std::string_view line, Separator separator) {
  LineFields r;
  auto separatorAt = [&](size_t i) -> size_t {
    if (separator == Separator::Tabs) return line[i] == '\t' ? 1 : 0;
    return DelimiterAt(line, i);
  };
  bool holds = false;
  if (separator != Separator::Blanks)
    for (size_t i = 0; i < line.size() && !holds; ++i) holds = separatorAt(i) != 0;
  if (!holds) {
    r.fields = SplitAtBlanks(line);
    return r;
  }

  size_t i = 0;
  while (true) {
    while (i < line.size() && !separatorAt(i) && BlankAt(line, i)) i += BlankAt(line, i);
    std::string field;
    if (i < line.size() && line[i] == '"') {
      bool closed = false;
      for (++i; i < line.size(); ++i) {
        if (line[i] != '"') {
          field.push_back(line[i]);
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
          field.push_back('"');
          ++i;
        } else {
          closed = true;
          ++i;
          break;
        }
      }
      if (!closed) r.unclosedQuote = true;
    }
    // Up to the next separator; after a closing quote only blanks belong here.
    size_t start = i;
    while (i < line.size() && !separatorAt(i)) ++i;
    field += TrimBlanksOf(line.substr(start, i - start));
    r.fields.push_back(std::move(field));
    if (i >= line.size()) break;
    i += separatorAt(i);
  }
  return r;
}

}  // namespace torvane::history
