#include "net/http_messages.h"

#include <cstdio>

namespace torvane::net {
namespace {

std::string Seconds(std::chrono::milliseconds ms) {
  char text[32];
  if (ms.count() % 1000 == 0)
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(ms.count() / 1000));
  else
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(ms.count()) / 1000.0);
  return std::string(text) + " 秒";
}

std::string Bytes(std::uint64_t n) {
  if (n % (1024 * 1024) == 0) return std::to_string(n / (1024 * 1024)) + " MiB";
  if (n % 1024 == 0) return std::to_string(n / 1024) + " KiB";
  return std::to_string(n) + " 字节";
}

std::string StatusMeaning(long status) {
  switch (status) {
    case 401:
    case 407:
      return "需要登录";
    case 403:
      return "拒绝访问";
    case 404:
    case 410:
      return "找不到这个文件";
    case 429:
      return "访问太频繁";
    default:
      break;
  }
  if (status >= 500) return "服务器出错";
  if (status >= 300 && status < 400) return "转向了别处却没有给出地址";
  return "不是开奖文件的内容";
}

}  // namespace

std::string FailureMessage(DownloadFailure failure, const std::string& url,
                           const DownloadLimits& limits, long status, const std::string& detail) {
  const std::string where = "网址 " + url;
  switch (failure) {
    case DownloadFailure::None:
      return {};
    case DownloadFailure::BadAddress:
      return "“" + url + "”不是网址：只能从 http:// 或 https:// 开头的网址下载";
    case DownloadFailure::Refused:
      return "无法连接 " + where + "（连接被拒绝或找不到服务器），请检查网址和网络";
    case DownloadFailure::ConnectTimeout:
      return "连接 " + where + " 超过 " + Seconds(limits.connectTimeout) + "没有回应，已放弃";
    case DownloadFailure::Timeout:
      return "下载 " + where + " 超过 " + Seconds(limits.totalTimeout) + "还没有完成，已放弃";
    case DownloadFailure::HttpStatus:
      return where + " 回答 HTTP " + std::to_string(status) + "（" + StatusMeaning(status) +
             "），没有下载到开奖文件";
    case DownloadFailure::TooLarge:
      return where + " 的内容超过 " + Bytes(limits.maxBytes) + "，不像开奖文件，已停止下载";
    case DownloadFailure::TooManyRedirects:
      return where + " 转向了 " + std::to_string(limits.maxRedirects) + " 次以上，已停止下载";
    case DownloadFailure::UnsafeRedirect:
      return where + " 把下载转向了不安全的地址（从 https 转到 http，或转到 http/https " +
             "以外的协议），已拒绝";
    case DownloadFailure::Cancelled:
      return "已取消下载 " + url;
    case DownloadFailure::Other:
      break;
  }
  return "下载 " + where + " 失败（连接中断或安全连接出错）：" + detail;
}

}  // namespace torvane::net
