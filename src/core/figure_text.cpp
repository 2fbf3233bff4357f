#include "core/figure_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace torvane {
namespace {

// value × 10^shift rounded at `decimals`, worked on the decimal digits of value.
std::string ShiftedText(double value, int shift, int decimals) {
  if (!std::isfinite(value)) return "无";
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  if (ec != std::errc()) return "无";
  const std::string_view text(buf, end - buf);  // "-3.125e+00"
  const bool negative = text.front() == '-';
  const size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(negative ? 1 : 0, e - (negative ? 1 : 0)))
    if (c != '.') digits += c;
  // The value is 0.d1d2d3… × 10^point.
  const int point = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1 + shift;

  // The digits kept: every one before the point and `decimals` after it.
  const int keep = point + decimals;
  std::string kept;
  if (keep > 0) {
    kept = digits.substr(0, std::min<size_t>(keep, digits.size()));
    kept.append(keep - kept.size(), '0');
  }
  const bool roundUp =
      keep >= 0 && static_cast<size_t>(keep) < digits.size() && digits[keep] >= '5';
  if (roundUp) {
    int i = static_cast<int>(kept.size()) - 1;
    for (; i >= 0 && kept[i] == '9'; --i) kept[i] = '0';
    if (i >= 0)
      ++kept[i];
    else
      kept.insert(kept.begin(), '1');
  }
  // At least one digit before the point.
  if (kept.size() < static_cast<size_t>(decimals) + 1)
    kept.insert(0, decimals + 1 - kept.size(), '0');
  std::string out = kept.substr(0, kept.size() - decimals);
  const size_t lead = out.find_first_not_of('0');
  out.erase(0, lead == std::string::npos ? out.size() - 1 : lead);
  if (decimals > 0) out += "." + kept.substr(kept.size() - decimals);
  if (negative && kept.find_first_not_of('0') != std::string::npos) out.insert(0, "-");
  return out;
}

}  // namespace

std::string FixedText(double value, int decimals) {
  return ShiftedText(value, 0, decimals < 0 ? 0 : decimals);
}

std::string PercentText(double ratio, int decimals) {
  const std::string s = ShiftedText(ratio, 2, decimals < 0 ? 0 : decimals);
  return s == "无" ? s : s + "%";
}

}  // namespace torvane
