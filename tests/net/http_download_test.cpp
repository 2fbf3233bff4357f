// Downloads against a server of the test's own on 127.0.0.1.
#include <gtest/gtest.h>

#include <string>

#include "net/draw_download.h"
#include "support/local_http_server.h"

namespace torvane::net {
namespace {

using namespace std::chrono_literals;
using torvane::testing::HttpAnswer;
using torvane::testing::LocalHttpServer;

const std::string kDraws =
    "期号,日期,开奖号码\n2004001,2004-11-14,92882\n2004002,2004-11-15,01234\n";

HttpAnswer Route(const std::string& path) {
  HttpAnswer a{.body = kDraws};
  if (path.rfind("/hop/", 0) == 0) {
    const int left = std::stoi(path.substr(5));
    a.status = 302;
    a.headers = "Location: /" + (left ? "hop/" + std::to_string(left - 1) : "draws.txt") + "\r\n";
  } else if (path == "/to-file") {
    a.status = 301;
    a.headers = "Location: file:///etc/passwd\r\n";
  } else if (path == "/slow") {
    a.stall = 20s;  // ended early when the server stops
  } else if (path == "/big" || path == "/big-unsized") {
    a.body = std::string(5000, '1');
    a.contentLength = path == "/big";
  } else if (path == "/page" || path == "/page-as-text") {
    if (path == "/page") a.headers = "Content-Type: text/html; charset=utf-8\r\n";
    a.body = "\n<!DOCTYPE html><html><body>2004001 92882</body></html>";
  } else if (path != "/draws.txt") {
    a.status = 404;
  }
  return a;
}

TEST(Download, FailuresSayWhyAndGiveNoBody) {
  const struct {
    const char* path;  // empty: an address where nothing listens
    DownloadFailure failure;
    const char* mustSay;
    bool cancel = false;
  } cases[] = {
      {"/missing", DownloadFailure::HttpStatus, "HTTP 404（找不到这个文件）"},
      {"", DownloadFailure::Refused, "无法连接"},
      {"/slow", DownloadFailure::Timeout, "超过 0.3 秒还没有完成"},
      {"/big", DownloadFailure::TooLarge, "超过 1 KiB"},
      {"/big-unsized", DownloadFailure::TooLarge, "超过 1 KiB"},
      {"/hop/5", DownloadFailure::TooManyRedirects, "5 次以上"},
      {"/to-file", DownloadFailure::UnsafeRedirect, "已拒绝"},
      {"/slow", DownloadFailure::Cancelled, "已取消", true},
  };
  for (const auto& c : cases) {
    LocalHttpServer server(Route);
    const std::string path = c.path;
    const std::string url = path.empty() ? "http://127.0.0.1:1/draws.txt" : server.Url(path);
    SCOPED_TRACE(url);
    DownloadLimits limits;
    limits.totalTimeout = path == "/slow" && !c.cancel ? 300ms : 5s;
    limits.maxBytes = 1024;
    const Download d =
        HttpGet(url, limits, [&](std::uint64_t, std::uint64_t) { return !c.cancel; });
    EXPECT_EQ(d.failure, c.failure);
    EXPECT_TRUE(d.body.empty());
    EXPECT_NE(d.message.find(c.mustSay), std::string::npos) << d.message;
    EXPECT_NE(d.message.find(url), std::string::npos) << d.message;
  }
}

TEST(Download, FiveRedirectsReachTheFile) {
  LocalHttpServer server(Route);
  std::uint64_t seen = 0;
  const Download d = HttpGet(server.Url("/hop/4"), {}, [&](std::uint64_t received, std::uint64_t) {
    seen = std::max(seen, received);
    return true;
  });
  ASSERT_TRUE(d.ok()) << d.message;
  EXPECT_EQ(d.body, kDraws);
  EXPECT_EQ(d.finalUrl, server.Url("/draws.txt"));
  EXPECT_EQ(seen, kDraws.size());
}

TEST(Download, OnlyWebAddresses) {
  for (const char* url : {"file:///etc/passwd", "ftp://127.0.0.1/x", "draws.txt", ""})
    EXPECT_EQ(HttpGet(url).failure, DownloadFailure::BadAddress) << url;
  EXPECT_TRUE(IsWebAddress("HTTPS://example.invalid/a.csv"));
}

TEST(DrawDownload, ReadsTheFileAndRefusesAPage) {
  LocalHttpServer server(Route);
  const DrawDownload good = DownloadDrawFile(server.Url("/draws.txt"));
  ASSERT_TRUE(good.ok()) << good.error;
  EXPECT_EQ(good.read.draws.size(), 2u);
  EXPECT_EQ(good.read.skippedHeaders, 1);

  for (const char* page : {"/page", "/page-as-text"}) {
    const DrawDownload html = DownloadDrawFile(server.Url(page));
    EXPECT_TRUE(html.downloaded());
    EXPECT_FALSE(html.ok());
    EXPECT_NE(html.error.find("网页（HTML）"), std::string::npos) << html.error;
  }
}

}  // namespace
}  // namespace torvane::net
