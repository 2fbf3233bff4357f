#include "core/box_value.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/errors.h"
#include "core/text_util.h"

namespace torvane {
namespace {

// Reads a decimal number (sign, digits, one point, exponent) from the start of s.
// Returns the characters consumed; 0 when no number starts there.
size_t ReadDecimal(const std::string& s, double* value) {
  size_t i = 0, n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t mantissaStart = i;
  bool digits = false;
  while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
  }
  if (!digits) return 0;
  size_t end = i;
  if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    size_t j = i + 1;
    if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
    size_t expDigits = j;
    while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
    if (j > expDigits) end = j;
  }
  std::string number = s.substr(0, end);
  for (char& c : number)
    if (c == 'd' || c == 'D') c = 'e';
  (void)mantissaStart;
  *value = std::strtod(number.c_str(), nullptr);
  return end;
}

[[noreturn]] void Fail(RunError::Problem problem, const char* box, std::string_view text,
                       const char* message) {
  if (box) throw RunError(problem, box, std::string(text));
  throw RunError(message);
}

int64_t RoundChecked(double v, double lo, double hi, std::string_view text, const char* box) {
  double r = std::isfinite(v) ? std::nearbyint(v) : v;  // default rounding: halves to even
  if (!std::isfinite(v) || r < lo || r > hi)
    Fail(RunError::Problem::OutOfRange, box, TrimBlanks(text), "value out of range");
  return static_cast<int64_t>(r);
}

}  // namespace

double LeadingNumber(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);
  double v = 0;
  if (ReadDecimal(s, &v) == 0) return 0;
  return v;
}

int16_t BoxValue16(std::string_view text, const char* box) {
  return static_cast<int16_t>(RoundChecked(LeadingNumber(text), -32768.0, 32767.0, text, box));
}

int32_t BoxValue32(std::string_view text, const char* box) {
  return static_cast<int32_t>(
      RoundChecked(LeadingNumber(text), -2147483648.0, 2147483647.0, text, box));
}

uint8_t ToleranceValue(std::string_view text, const char* box) {
  std::string s;
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  s.assign(text.substr(b, e - b));
  double v = 0;
  size_t used = ReadDecimal(s, &v);
  if (s.empty()) Fail(RunError::Problem::Empty, box, s, "fault tolerance is empty");
  if (used == 0 || used != s.size())
    Fail(RunError::Problem::NotANumber, box, s, "fault tolerance is not a number");
  return static_cast<uint8_t>(RoundChecked(v, 0.0, 255.0, s, box));
}

}  // namespace torvane
