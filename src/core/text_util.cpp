#include "core/text_util.h"

#include <algorithm>

namespace torvane {

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (true) {
    size_t hit = s.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(s.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(s.substr(pos));
  return out;
}

std::string_view TrimBlanks(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

std::vector<std::string_view> SplitAtSpaces(std::string_view s) {
  std::vector<std::string_view> parts;
  size_t pos = 0;
  while (true) {
    size_t hit = s.find(' ', pos);
    if (hit == std::string_view::npos) {
      parts.push_back(s.substr(pos));
      break;
    }
    parts.push_back(s.substr(pos, hit - pos));
    pos = hit + 1;
  }
  return parts;
}

std::string CutForMessage(std::string_view s, size_t maxChars) {
  size_t chars = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;  // inside a character
    if (chars == maxChars) return std::string(s.substr(0, i)) + "…";
    ++chars;
  }
  return std::string(s);
}

std::string CsvField(std::string_view s) {
  if (s.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(s);
  std::string out = "\"";
  out.append(ReplaceAll(s, "\"", "\"\""));
  out.push_back('"');
  return out;
}

int DisplayWidth(const std::string& s) {
  int width = 0;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    unsigned cp = len == 1 ? c : c & (0x3F >> (len - 1));
    for (int k = 1; k < len && i + k < s.size(); ++k)
      cp = cp << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                      (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                      (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                      (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
    width += wide ? 2 : 1;
    i += len;
  }
  return width;
}

std::string AlignedTable(const std::vector<std::vector<std::string>>& rows,
                         const std::vector<bool>& rightAligned) {
  std::vector<int> widths(rightAligned.size(), 0);
  for (const auto& row : rows)
    for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], DisplayWidth(row[c]));
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (size_t c = 0; c < row.size(); ++c) {
      const std::string pad(widths[c] - DisplayWidth(row[c]), ' ');
      if (c > 0) line += "  ";
      line += rightAligned[c] ? pad + row[c] : row[c] + pad;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
  }
  return out;
}

}  // namespace torvane
