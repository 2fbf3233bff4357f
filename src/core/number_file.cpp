#include "core/number_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace torvane {
namespace {

bool ValidUtf8(std::string_view s) {
  size_t i = 0, n = s.size();
  while (i < n) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || (extra == 1 && c < 0xC2)) return false;
    if (extra > 0 && i + extra >= n) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string DecodeUtf16(std::string_view s, bool bigEndian) {
  std::string out;
  out.reserve(s.size() / 2);
  for (size_t i = 0; i + 1 < s.size(); i += 2) {
    uint32_t u =
        bigEndian ? (static_cast<unsigned char>(s[i]) << 8) | static_cast<unsigned char>(s[i + 1])
                  : (static_cast<unsigned char>(s[i + 1]) << 8) | static_cast<unsigned char>(s[i]);
    if (u >= 0xD800 && u <= 0xDFFF) u = 0xFFFD;  // surrogates carry nothing a number needs
    AppendUtf8(out, u);
  }
  return out;
}

// The few GBK characters a draw file's column titles and period words are read by; every
// other GBK character only has to stay out of the digits' way.
struct GbkWord {
  std::uint16_t gbk;
  std::uint16_t unicode;
};
constexpr GbkWord kGbkWords[] = {
    {0xB5DA, 0x7B2C},  // 第
    {0xB6EE, 0x989D},  // 额
    {0xBAC5, 0x53F7},  // 号
    {0xBDB1, 0x5956},  // 奖
    {0xBDF0, 0x91D1},  // 金
    {0xC1BF, 0x91CF},  // 量
    {0xC2EB, 0x7801},  // 码
    {0xC4EA, 0x5E74},  // 年
    {0xC6DA, 0x671F},  // 期
    {0xC8D5, 0x65E5},  // 日
    {0xCADB, 0x552E},  // 售
    {0xCAFD, 0x6570},  // 数
    {0xCFFA, 0x9500},  // 销
    {0xD4C2, 0x6708},  // 月
    {0xD7A2, 0x6CE8},  // 注
};

std::uint32_t GbkPair(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1 && trail == 0xA2) return 0x3001;  // 、
  if (lead == 0xA3 && trail == 0xAC) return 0xFF0C;  // ，
  if (lead == 0xA3 && trail == 0xBB) return 0xFF1B;  // ；
  if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9) return 0xFF10 + (trail - 0xB0);
  const std::uint16_t code = static_cast<std::uint16_t>(lead << 8 | trail);
  const GbkWord* end = std::end(kGbkWords);
  const GbkWord* it = std::lower_bound(std::begin(kGbkWords), end, code,
                                       [](const GbkWord& w, std::uint16_t c) { return w.gbk < c; });
  return it != end && it->gbk == code ? it->unicode : 0xFFFD;
}

std::string DecodeGbk(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    if (c >= 0x81 && c <= 0xFE && i + 1 < s.size()) {
      unsigned char t = static_cast<unsigned char>(s[i + 1]);
      if (t >= 0x40 && t <= 0xFE && t != 0x7F) {
        ++i;
        AppendUtf8(out, GbkPair(c, t));
        continue;
      }
    }
    AppendUtf8(out, 0xFFFD);
  }
  return out;
}

}  // namespace

std::string DecodeNumberFileBytes(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return DecodeUtf16(bytes.substr(2), false);
  if (bytes.substr(0, 2) == "\xFE\xFF") return DecodeUtf16(bytes.substr(2), true);
  if (ValidUtf8(bytes)) return std::string(bytes);
  return DecodeGbk(bytes);
}

FileReadResult ReadNumberFile(const std::string& path) {
  FileReadResult r;
  std::error_code ec;
  std::filesystem::path p(path);
  if (!std::filesystem::exists(p, ec)) {
    r.reason = "文件不存在";
    return r;
  }
  if (std::filesystem::is_directory(p, ec)) {
    r.reason = "这是一个文件夹，不是文件";
    return r;
  }
  auto size = std::filesystem::file_size(p, ec);
  if (ec) {
    r.reason = "无法读取文件大小";
    return r;
  }
  if (size > kMaxNumberFileBytes) {
    r.reason = "文件超过 64 MB，太大了";
    return r;
  }
  std::ifstream in(p, std::ios::binary);
  if (!in) {
    r.reason = "文件无法打开（可能没有读取权限或被占用）";
    return r;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    r.reason = "读取文件时出错";
    return r;
  }
  r.ok = true;
  r.text = DecodeNumberFileBytes(bytes);
  return r;
}

}  // namespace torvane
