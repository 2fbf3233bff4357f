#include "history/draw_line.h"

#include <iterator>
#include <vector>

namespace torvane::history {
namespace {

constexpr std::string_view kNian = "\xE5\xB9\xB4";  // 年
constexpr std::string_view kYue = "\xE6\x9C\x88";   // 月
constexpr std::string_view kRi = "\xE6\x97\xA5";    // 日
constexpr std::string_view kLost = "\xEF\xBF\xBD";  // U+FFFD

bool ChineseDate(std::string_view s) {
  return s.find(kNian) != std::string_view::npos || s.find(kLost) != std::string_view::npos;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool HasDigit(std::string_view s) {
  for (char c : s)
    if (IsDigit(c)) return true;
  return false;
}

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!IsDigit(c)) return false;
  return true;
}

// Length in bytes of a separator inside a field at s[i], 0 when none.
size_t TokenSeparatorAt(std::string_view s, size_t i) {
  if (size_t n = BlankAt(s, i)) return n;
  if (s[i] == ',' || s[i] == ';') return 1;
  if (s[i] != '\xEF' && s[i] != '\xE3') return 0;
  std::string_view three = s.substr(i, 3);
  if (three == "\xEF\xBC\x8C" || three == "\xEF\xBC\x9B" || three == "\xE3\x80\x81")  // ， ； 、
    return 3;
  return 0;
}

std::vector<std::string_view> SplitTokens(std::string_view s) {
  return SplitWhere(s, TokenSeparatorAt);
}

// "20:30" or "20:30:00", a drawing time beside the date.
bool IsTime(std::string_view s) {
  size_t colon = s.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2) return false;
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] != ':' && !IsDigit(s[i])) return false;
  std::string_view rest = s.substr(colon + 1);
  return rest.size() == 2 || (rest.size() == 5 && rest[2] == ':');
}

// Digits only, 1 to maxLen of them; -1 otherwise.
int ReadNumber(std::string_view s, size_t maxLen) {
  if (s.empty() || s.size() > maxLen) return -1;
  int v = 0;
  for (char c : s) {
    if (!IsDigit(c)) return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::optional<std::string> DateOf(int y, int m, int d) {
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 1000 || y > 9999 || m < 1 || m > 12 || d < 1) return std::nullopt;
  if (d > kDays[m - 1] || (m == 2 && d == 29 && !IsLeap(y))) return std::nullopt;
  return std::to_string(y) + (m < 10 ? "-0" : "-") + std::to_string(m) + (d < 10 ? "-0" : "-") +
         std::to_string(d);
}

// Splits "y<sep>m<sep>d" where both separators are sep.
std::optional<std::string> SplitDate(std::string_view s, std::string_view sep1,
                                     std::string_view sep2) {
  size_t a = s.find(sep1);
  if (a == std::string_view::npos) return std::nullopt;
  size_t b = s.find(sep2, a + sep1.size());
  if (b == std::string_view::npos) return std::nullopt;
  int y = s.substr(0, a).size() == 4 ? ReadNumber(s.substr(0, a), 4) : -1;
  int m = ReadNumber(s.substr(a + sep1.size(), b - a - sep1.size()), 2);
  int d = ReadNumber(s.substr(b + sep2.size()), 2);
  if (y < 0 || m < 0 || d < 0) return std::nullopt;
  return DateOf(y, m, d);
}

// Looks like an attempt at a date, so a bad one is reported as a bad date.
bool DateShaped(std::string_view s) {
  if (s.size() == 8 && ReadNumber(s, 8) >= 0) return true;
  if (ChineseDate(s)) return true;
  return s.size() >= 6 && IsDigit(s[0]) &&
         (s.find('-') != std::string_view::npos || s.find('/') != std::string_view::npos ||
          s.find('.') != std::string_view::npos);
}

bool Ascii(char c) {
  return static_cast<unsigned char>(c) < 0x80;
}

// The value inside a token, without the words around it: "第2004001期" -> "2004001",
// "开奖号码：4" -> "4", "号码:49330" -> "49330", "2026-09-24(四)" -> "2026-09-24". Words
// are non-ASCII (in whatever shape a GBK file's decoding left them, U+FFFD included), a
// label up to a colon, or a bracketed note without digits at the end.
std::string_view StripWords(std::string_view s) {
  size_t colon = s.rfind(':');
  size_t wide = s.rfind("\xEF\xBC\x9A");  // ：
  if (wide != std::string_view::npos && (colon == std::string_view::npos || wide > colon))
    colon = wide + 2;
  if (colon != std::string_view::npos) s.remove_prefix(colon + 1);
  while (true) {
    size_t before = s.size();
    while (!s.empty() && !Ascii(s.front())) s.remove_prefix(1);
    while (!s.empty() && !Ascii(s.back())) s.remove_suffix(1);
    if (!s.empty() && (s.back() == ')' || s.back() == ']')) {
      size_t open = s.find_last_of(s.back() == ')' ? '(' : '[');
      if (open != std::string_view::npos && !HasDigit(s.substr(open)))
        s.remove_suffix(s.size() - open);
    }
    if (s.size() == before) return s;
  }
}

constexpr const char* kNumberRule = "号码应为一个五位数，或五个用分隔符隔开的一位数";

DrawLine NotADraw(std::string reason) {
  DrawLine r;
  r.kind = LineKind::NotADraw;
  r.reason = std::move(reason);
  return r;
}

}  // namespace

std::string FoldFullWidthDigits(std::string_view line) {
  if (line.find('\xEF') == std::string_view::npos) return std::string(line);
  std::string out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size(); ++i) {
    if (line.substr(i, 2) == "\xEF\xBC" && i + 2 < line.size()) {
      unsigned char t = static_cast<unsigned char>(line[i + 2]);
      if (t >= 0x90 && t <= 0x99) {
        out.push_back(static_cast<char>('0' + (t - 0x90)));
        i += 2;
        continue;
      }
    }
    out.push_back(line[i]);
  }
  return out;
}

std::optional<std::string> NormalizeDate(std::string_view s) {
  if (s.size() == 8 && ReadNumber(s, 8) >= 0) {
    return DateOf(ReadNumber(s.substr(0, 4), 4), ReadNumber(s.substr(4, 2), 2),
                  ReadNumber(s.substr(6, 2), 2));
  }
  if (ChineseDate(s)) {
    // GBK's 年月日 reach us as U+FFFD, since number-file decoding keeps only digits and
    // separators; either way the three words just separate the parts.
    std::string t;
    for (size_t i = 0; i < s.size();) {
      std::string_view three = s.substr(i, 3);
      bool word = three == kNian || three == kYue || three == kRi || three == kLost;
      t += word ? std::string_view("-") : s.substr(i, 1);
      i += word ? 3 : 1;
    }
    if (!t.empty() && t.back() == '-') t.pop_back();
    return SplitDate(t, "-", "-");
  }
  for (std::string_view sep : {"-", "/", "."})
    if (auto d = SplitDate(s, sep, sep)) return d;
  return std::nullopt;
}

std::optional<Digits> ParseDrawNumber(std::string_view text) {
  const std::string folded = FoldFullWidthDigits(text);
  const std::vector<std::string_view> tokens = SplitTokens(folded);
  Digits digits{};
  if (tokens.size() == 1) {
    if (auto d = DigitsFromText(tokens[0])) return d;
    return std::nullopt;
  }
  if (tokens.size() != 5) return std::nullopt;
  for (size_t i = 0; i < 5; ++i) {
    if (tokens[i].size() != 1 || !IsDigit(tokens[i][0])) return std::nullopt;
    digits[i] = static_cast<std::uint8_t>(tokens[i][0] - '0');
  }
  return digits;
}

DrawLine ParseDrawLine(std::string_view raw, Separator separator) {
  const std::string line = FoldFullWidthDigits(raw);
  LineFields split = SplitLine(line, separator);
  if (split.unclosedQuote) return NotADraw("双引号没有配对");

  enum class Want { Period, DateOrNumber, MoreDigits } want = Want::Period;
  std::string_view period, periodToken;
  std::string date;
  Digits digits{};
  size_t got = 0;
  bool anything = false;
  std::vector<std::string>& fields = split.fields;
  for (size_t f = 0; f < fields.size(); ++f) {
    for (std::string_view token : SplitTokens(fields[f])) {
      anything = true;
      if (want == Want::MoreDigits) {
        std::string_view one = StripWords(token);
        if (one.size() != 1 || !IsDigit(one[0])) return NotADraw(kNumberRule);
        digits[got++] = static_cast<std::uint8_t>(one[0] - '0');
      } else if (!HasDigit(token)) {
        continue;  // a word: 第, 期, 开奖号码：, 星期四, (四)
      } else if (want == Want::Period) {
        // A date in the period's place means the period is missing.
        if (!AllDigits(token) && DateShaped(StripWords(token)) && NormalizeDate(StripWords(token)))
          return NotADraw("缺少期号（第一列是日期）");
        periodToken = token;
        period = StripWords(token);
        if (!IsValidPeriod(period))
          return NotADraw("期号无效（应为数字，可含字母、- 或 _，如 2004001、20241201-023）");
        want = Want::DateOrNumber;
        continue;
      } else if (IsTime(token)) {
        continue;
      } else {
        std::string_view value = StripWords(token);
        if (date.empty() && DateShaped(value)) {
          auto d = NormalizeDate(value);
          if (!d) return NotADraw("日期无效");
          date = *d;
          continue;
        }
        if (auto d = DigitsFromText(value)) {
          digits = *d;
          got = 5;
        } else if (value.size() == 1 && IsDigit(value[0])) {
          digits[0] = static_cast<std::uint8_t>(value[0] - '0');
          got = 1;
          want = Want::MoreDigits;
        } else {
          return NotADraw(AllDigits(value) ? kNumberRule : "期号与号码之间有无法识别的内容");
        }
      }
      if (got == 5) {
        DrawLine r;
        r.kind = LineKind::Draw;
        r.draw.period = std::string(period);
        r.draw.date = std::move(date);
        r.draw.digits = digits;
        r.trailing.assign(
            std::make_move_iterator(fields.begin() + static_cast<std::ptrdiff_t>(f) + 1),
            std::make_move_iterator(fields.end()));
        return r;
      }
    }
  }
  if (!anything) return {};
  // A lone number: the period is what is missing.
  if (want == Want::DateOrNumber && date.empty() && DigitsFromText(periodToken))
    return NotADraw("缺少期号");
  return NotADraw(kNumberRule);
}

bool LooksLikeHeader(std::string_view raw) {
  bool word = false;
  int run = 0;
  for (char c : FoldFullWidthDigits(raw)) {
    unsigned char u = static_cast<unsigned char>(c);
    if (IsDigit(c)) {
      if (++run >= 5) return false;
      continue;
    }
    run = 0;
    if (u >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) word = true;
  }
  return word;
}

std::string QuoteLine(std::string_view line, int maxChars) {
  int chars = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;  // continuation byte
    if (chars == maxChars) return std::string(line.substr(0, i)) + "\xE2\x80\xA6";  // …
    ++chars;
  }
  return std::string(line);
}

}  // namespace torvane::history
