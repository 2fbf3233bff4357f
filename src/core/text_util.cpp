#include "core/text_util.h"

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

}  // namespace torvane
