#include "net/http_download.h"

#include <curl/curl.h>

#include <cctype>
#include <memory>

#include "net/http_messages.h"

namespace torvane::net {
namespace {

using Clock = std::chrono::steady_clock;

void GlobalInit() {
  // Once per process, before any thread uses libcurl; never cleaned up.
  static const bool done = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  (void)done;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

bool IsHttps(std::string_view url) {
  return StartsWithNoCase(url, "https://");
}

struct Transfer {
  const DownloadLimits* limits;
  const DownloadProgress* progress;
  std::string body;
  bool tooLarge = false;
  bool cancelled = false;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  const size_t n = size * count;
  if (t->body.size() + n > t->limits->maxBytes) {
    t->tooLarge = true;
    return 0;  // stops the transfer
  }
  t->body.append(data, n);
  return n;
}

int OnProgress(void* user, curl_off_t total, curl_off_t, curl_off_t, curl_off_t) {
  auto* t = static_cast<Transfer*>(user);
  if (!*t->progress) return 0;
  const std::uint64_t expected = total > 0 ? static_cast<std::uint64_t>(total) : 0;
  if ((*t->progress)(t->body.size(), expected)) return 0;
  t->cancelled = true;
  return 1;
}

struct EasyDeleter {
  void operator()(CURL* c) const { curl_easy_cleanup(c); }
};

DownloadFailure FailureOf(CURLcode code, const Transfer& t, CURL* curl) {
  if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED) return DownloadFailure::TooLarge;
  if (t.cancelled || code == CURLE_ABORTED_BY_CALLBACK) return DownloadFailure::Cancelled;
  switch (code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return DownloadFailure::Refused;
    case CURLE_OPERATION_TIMEDOUT: {
      curl_off_t connected = 0;
      curl_easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connected);
      return connected == 0 ? DownloadFailure::ConnectTimeout : DownloadFailure::Timeout;
    }
    case CURLE_UNSUPPORTED_PROTOCOL:
      return DownloadFailure::UnsafeRedirect;
    default:
      return DownloadFailure::Other;
  }
}

}  // namespace

bool IsWebAddress(std::string_view text) {
  return StartsWithNoCase(text, "http://") || StartsWithNoCase(text, "https://");
}

Download HttpGet(const std::string& url, const DownloadLimits& limits,
                 const DownloadProgress& progress) {
  Download d;
  auto fail = [&](DownloadFailure failure, const std::string& detail = {}) {
    d.failure = failure;
    d.body.clear();
    d.message = FailureMessage(failure, url, limits, d.status, detail);
    return d;
  };
  if (!IsWebAddress(url)) return fail(DownloadFailure::BadAddress);

  GlobalInit();
  std::unique_ptr<CURL, EasyDeleter> handle(curl_easy_init());
  if (!handle) return fail(DownloadFailure::Other, "libcurl 无法初始化");
  CURL* curl = handle.get();
  char error[CURL_ERROR_SIZE] = "";
  Transfer t{&limits, &progress, {}};
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  // Redirects are followed here, one at a time, so each target can be judged.
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                   static_cast<long>(limits.connectTimeout.count()));
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
  curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Torvane");
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);

  const Clock::time_point deadline = Clock::now() + limits.totalTimeout;
  std::string current = url;
  for (int redirects = 0;; ++redirects) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return fail(DownloadFailure::Timeout);
    curl_easy_setopt(curl, CURLOPT_URL, current.c_str());
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(left.count()));
    t.body.clear();
    error[0] = '\0';
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &d.status);
    if (code != CURLE_OK)
      return fail(FailureOf(code, t, curl), error[0] ? error : curl_easy_strerror(code));

    const char* next = nullptr;
    curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &next);
    if (d.status >= 300 && d.status < 400 && next) {
      if (redirects >= limits.maxRedirects) return fail(DownloadFailure::TooManyRedirects);
      if (!IsWebAddress(next) || (IsHttps(current) && !IsHttps(next)))
        return fail(DownloadFailure::UnsafeRedirect);
      current = next;
      continue;
    }
    if (d.status != 200) return fail(DownloadFailure::HttpStatus);
    const char* type = nullptr;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &type);
    if (type) d.contentType = type;
    d.finalUrl = current;
    d.body = std::move(t.body);
    return d;
  }
}

}  // namespace torvane::net
