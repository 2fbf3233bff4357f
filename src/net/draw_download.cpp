#include "net/draw_download.h"

#include <cctype>

#include "core/number_file.h"

namespace torvane::net {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

bool LooksLikeWebPage(const std::string& contentType, std::string_view body) {
  const std::string type = Lower(contentType);
  if (type.rfind("text/html", 0) == 0 || type.rfind("application/xhtml", 0) == 0) return true;
  if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
  const size_t start = body.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos || body[start] != '<') return false;
  const std::string head = Lower(body.substr(start, 1024));
  return head.find("<!doctype html") != std::string::npos ||
         head.find("<html") != std::string::npos;
}

DrawDownload DownloadDrawFile(const std::string& url, const DownloadLimits& limits,
                              const DownloadProgress& progress) {
  DrawDownload r;
  r.download = HttpGet(url, limits, progress);
  if (!r.download.ok()) {
    r.error = r.download.message;
    return r;
  }
  if (LooksLikeWebPage(r.download.contentType, r.download.body)) {
    r.error = "网址 " + url +
              " 给出的是网页（HTML），不是开奖文件；请给出直接下载文本或 CSV 开奖文件的网址";
    return r;
  }
  r.read = history::ParseDrawText(DecodeNumberFileBytes(r.download.body));
  if (!r.read.ok) r.error = "从网址 " + url + " 下载的开奖文件有误：" + r.read.error;
  return r;
}

}  // namespace torvane::net
