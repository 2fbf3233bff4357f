#pragma once
// One HTTP or HTTPS download into memory, bounded in time and size, with progress and
// cancelling. Blocking: the window runs it on a worker thread, the CLI in line. Safe to call
// from several threads at once (each call has its own connection).

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace torvane::net {

struct DownloadLimits {
  std::chrono::milliseconds connectTimeout{10'000};  // per connection, redirects included
  std::chrono::milliseconds totalTimeout{60'000};    // the whole download, every redirect
  std::uint64_t maxBytes = 64ull * 1024 * 1024;      // the body, after any decompression
  int maxRedirects = 5;
};

enum class DownloadFailure {
  None,
  BadAddress,        // not an http:// or https:// address
  Refused,           // connection refused, host not found, network unreachable
  ConnectTimeout,    // no connection within connectTimeout
  Timeout,           // not complete within totalTimeout
  HttpStatus,        // the final answer was not 200
  TooLarge,          // more than maxBytes
  TooManyRedirects,  // more than maxRedirects
  UnsafeRedirect,    // to a protocol other than http(s), or from https to http
  Cancelled,         // the progress callback said stop
  Other,             // a broken connection, a TLS failure, …
};

struct Download {
  DownloadFailure failure = DownloadFailure::None;
  std::string body;         // when ok
  std::string contentType;  // as the server said, e.g. "text/plain; charset=utf-8"
  long status = 0;          // the last HTTP status seen, 0 when none
  std::string finalUrl;     // after redirects
  std::string message;      // in Chinese, naming the address, when !ok

  bool ok() const { return failure == DownloadFailure::None; }
};

// Called now and then during the download, from the downloading thread: the body bytes
// received so far and the expected total (0 when the server did not say). Returning false
// cancels the download, which then ends within a second or so.
using DownloadProgress = std::function<bool(std::uint64_t received, std::uint64_t total)>;

// True for text that starts with http:// or https:// (any case).
bool IsWebAddress(std::string_view text);

// GET url, following at most limits.maxRedirects redirects, never from https to http nor to
// any protocol but http and https. Only a 200 answer is a success.
Download HttpGet(const std::string& url, const DownloadLimits& limits = {},
                 const DownloadProgress& progress = {});

}  // namespace torvane::net
