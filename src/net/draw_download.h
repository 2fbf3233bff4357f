#pragma once
// A draw file from an address: downloaded (http_download.h), refused when it is a web page,
// decoded like a draw file on disk and read by the same reader. Nothing here touches the
// store: merge `draws` with store::ImportDraws, as a file import does.

#include <string>

#include "history/draw_file.h"
#include "net/http_download.h"

namespace torvane::net {

struct DrawDownload {
  Download download;             // failure None when the text arrived
  history::DrawFileResult read;  // the text read as a draw file (read.ok), when it arrived
  std::string error;             // in Chinese, naming the address, when !ok()

  bool downloaded() const { return download.ok(); }
  bool ok() const { return download.ok() && read.ok; }
};

// True for a body that is an HTML page (by its type or by its first bytes), not a draw file.
bool LooksLikeWebPage(const std::string& contentType, std::string_view body);

DrawDownload DownloadDrawFile(const std::string& url, const DownloadLimits& limits = {},
                              const DownloadProgress& progress = {});

}  // namespace torvane::net
