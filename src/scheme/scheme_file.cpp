// Scheme files on disk: UTF-8 JSON, read whole, written whole.
#include "scheme/scheme_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/atomic_file.h"

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
  const FileWriteResult r = WriteFileAtomically(path, WriteSchemeText(conditions));
  if (!r.ok) throw SchemeError("方案文件 " + path + " 无法保存：" + r.reason);
}

}  // namespace torvane
