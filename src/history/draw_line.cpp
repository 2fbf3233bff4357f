#include "history/draw_line.h"

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

// Length in bytes of a field separator at s[i], 0 when none.
size_t SeparatorAt(std::string_view s, size_t i) {
  switch (s[i]) {
    case ',':
    case ';':
    case '\t':
    case ' ':
    case '\r':
    case '\n':
      return 1;
    default:
      break;
  }
  std::string_view three = s.substr(i, 3);
  if (three == "\xEF\xBC\x8C" || three == "\xEF\xBC\x9B" ||  // ， ；
      three == "\xE3\x80\x81" || three == "\xE3\x80\x80")    // 、 and the ideographic space
    return 3;
  return 0;
}

// Full-width digits (a GBK file may hold them) read as ASCII digits.
std::string FoldFullWidthDigits(std::string_view line) {
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

std::vector<std::string_view> SplitFields(std::string_view s) {
  std::vector<std::string_view> fields;
  size_t i = 0;
  while (i < s.size()) {
    size_t sep = SeparatorAt(s, i);
    if (sep) {
      i += sep;
      continue;
    }
    size_t start = i;
    while (i < s.size() && !SeparatorAt(s, i)) ++i;
    fields.push_back(s.substr(start, i - start));
  }
  return fields;
}

// The number at the end of the fields: one five-digit token, or five single digits. Returns
// how many fields it took, 0 when there is none.
size_t NumberAtEnd(const std::vector<std::string_view>& f, Digits& digits) {
  if (f.empty()) return 0;
  if (auto d = DigitsFromText(f.back())) {
    digits = *d;
    return 1;
  }
  if (f.size() < 5) return 0;
  for (size_t i = 0; i < 5; ++i) {
    std::string_view one = f[f.size() - 5 + i];
    if (one.size() != 1 || !IsDigit(one[0])) return 0;
    digits[i] = static_cast<std::uint8_t>(one[0] - '0');
  }
  return 5;
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

// "第2004001期" -> "2004001": words around the period go, in whatever shape a GBK file's
// decoding left them (U+FFFD).
std::string_view StripPeriodWords(std::string_view s) {
  auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
  while (!s.empty() && !ascii(s.front())) s.remove_prefix(1);
  while (!s.empty() && !ascii(s.back())) s.remove_suffix(1);
  return s;
}

DrawLine NotADraw(std::string reason) {
  DrawLine r;
  r.kind = LineKind::NotADraw;
  r.reason = std::move(reason);
  return r;
}

}  // namespace

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
  const std::vector<std::string_view> f = SplitFields(folded);
  Digits digits{};
  const size_t taken = NumberAtEnd(f, digits);
  if (taken == 0 || taken != f.size()) return std::nullopt;
  return digits;
}

DrawLine ParseDrawLine(std::string_view raw) {
  std::string line = FoldFullWidthDigits(raw);
  std::vector<std::string_view> f = SplitFields(line);
  if (f.empty()) return {};

  // The number sits at the end: one five-digit token, or five single digits.
  Digits digits{};
  const size_t numberFields = NumberAtEnd(f, digits);
  if (numberFields == 0) return NotADraw("号码应为一个五位数，或五个用分隔符隔开的一位数");
  if (f.size() == numberFields) return NotADraw("缺少期号");

  std::string_view period = StripPeriodWords(f[0]);
  // A dashed date in the period's place means the period is missing.
  if (period.find('-') != std::string_view::npos && NormalizeDate(period))
    return NotADraw("缺少期号（第一列是日期）");
  if (!IsValidPeriod(period))
    return NotADraw("期号无效（应为数字，可含字母、- 或 _，如 2004001、20241201-023）");

  size_t middle = f.size() - numberFields - 1;
  std::string date;
  if (middle == 1) {
    auto d = NormalizeDate(f[1]);
    if (!d) return NotADraw(DateShaped(f[1]) ? "日期无效" : "期号与号码之间有无法识别的内容");
    date = *d;
  } else if (middle > 1) {
    return NotADraw("期号与号码之间有无法识别的内容");
  }

  DrawLine r;
  r.kind = LineKind::Draw;
  r.draw.period = std::string(period);
  r.draw.date = std::move(date);
  r.draw.digits = digits;
  return r;
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
