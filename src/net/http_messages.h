#pragma once
// What a failed download says to the player, in Chinese. Internal to the net layer.

#include <string>

#include "net/http_download.h"

namespace torvane::net {

// `detail` is libcurl's own text, added after the Chinese sentence for the cases that need it.
std::string FailureMessage(DownloadFailure failure, const std::string& url,
                           const DownloadLimits& limits, long status, const std::string& detail);

}  // namespace torvane::net
