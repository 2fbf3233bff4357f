#pragma once
// Number text files: UTF-8 (with or without BOM), UTF-16 with BOM, otherwise GBK.

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

constexpr std::uintmax_t kMaxNumberFileBytes = 64u * 1024u * 1024u;

// Decodes file bytes to UTF-8. Only digits, the number separators and the words that name a
// draw file's columns (第, 期, 号码, 销售额, 销量, 注数, 奖金, 年, 月, 日) must survive; other
// GBK characters become U+FFFD.
std::string DecodeNumberFileBytes(std::string_view bytes);

struct FileReadResult {
  bool ok = false;
  std::string text;    // decoded, when ok
  std::string reason;  // why not, in Chinese, when !ok
};

// Reads and decodes a whole file; refuses missing, unreadable and oversized files.
FileReadResult ReadNumberFile(const std::string& path);

}  // namespace torvane
