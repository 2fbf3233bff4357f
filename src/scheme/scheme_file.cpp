// Scheme files on disk: UTF-8 JSON, read whole, written whole.
#include "scheme/scheme_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace torvane {
namespace {

// Far above any real scheme; keeps a wrong file from being read into memory whole.
constexpr std::uintmax_t kMaxSchemeBytes = 16u * 1024u * 1024u;

}  // namespace

Conditions ReadSchemeFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    throw SchemeError("方案文件 " + path + " 不存在或不是文件");
  std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) throw SchemeError("方案文件 " + path + " 无法读取：" + ec.message());
  if (size > kMaxSchemeBytes) throw SchemeError("方案文件 " + path + " 太大，不是方案文件");
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad() || !in.is_open()) throw SchemeError("方案文件 " + path + " 无法读取");
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);  // Notepad's BOM
  return ParseScheme(text, path);
}

void WriteSchemeFile(const std::string& path, const Conditions& conditions) {
  const std::string text = WriteSchemeText(conditions);
  // Written beside the target and renamed over it, so a failed write never leaves the
  // previous scheme half overwritten.
  const std::string temp = path + ".saving";
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  if (!out) throw SchemeError("方案文件 " + path + " 无法写入");
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  std::error_code ec;
  if (out) std::filesystem::rename(temp, path, ec);
  if (!out || ec) {
    std::filesystem::remove(temp, ec);
    throw SchemeError("方案文件 " + path + " 写入失败");
  }
}

}  // namespace torvane
