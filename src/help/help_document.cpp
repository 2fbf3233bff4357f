#include "help/help_document.h"

#include <iconv.h>

#include <array>
#include <cerrno>

namespace torvane {
namespace {

constexpr std::array<std::string_view, kHelpButtonCount> kHelpKeys = {
    "特别排除说明",  // 0
    "杀012路",       // 1
    "最大最小",      // 2
    "【定位杀】",    // 3
    "杀直选",        // 4
    "形态排除说明",  // 5
    "",              // 6: the banker picture
    "和尾说明",      // 7
    "杀和值说明",    // 8
    "杀跨度说明",    // 9
    "通杀码说明",    // 10
    "大小比等说明",  // 11
    "总容错说明",    // 12
    "交集说明",      // 13
    "大底号码说明",  // 14
    "杀垃圾复式",    // 15
    "杀两码组合",    // 16
    "杀三码组合",    // 17
    "杀四码组合",    // 18
    "必出两码组合",  // 19
    "必出三码组合",  // 20
    "必出四码组合",  // 21
    "组合定位杀",    // 22
    "复制全部号码",  // 23
};

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

std::string_view HelpKeyForIndex(int index) {
  if (index < 0 || index >= kHelpButtonCount) return {};
  return kHelpKeys[static_cast<size_t>(index)];
}

std::optional<std::string> FindHelpBlock(std::string_view document, std::string_view key) {
  if (key.empty()) return std::nullopt;
  std::string marker = "[*";
  marker.append(key);
  marker += "*]";
  size_t first = document.find(marker);
  if (first == std::string_view::npos) return std::nullopt;
  size_t start = first + marker.size();
  size_t second = document.find(marker, start);
  std::string_view piece = second == std::string_view::npos
                               ? document.substr(start)
                               : document.substr(start, second - start);
  std::string message = marker;
  message += "\r\n";
  message.append(piece);
  return message;
}

std::string DecodeGbkText(std::string_view bytes) {
  std::string out;
  iconv_t cd = iconv_open("UTF-8", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  out.reserve(bytes.size() * 3 / 2 + 16);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  std::array<char, 4096> buf;
  while (inLeft > 0) {
    char* o = buf.data();
    size_t oLeft = buf.size();
    size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    out.append(buf.data(), buf.size() - oLeft);
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ: a byte that starts no GBK character; EINVAL: a character cut off at the end.
    out.append(kReplacement);
    if (errno == EINVAL) break;
    ++in;
    --inLeft;
  }
  iconv_close(cd);
  return out;
}

}  // namespace torvane
