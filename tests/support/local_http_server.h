#pragma once
// An HTTP/1.1 server on 127.0.0.1, one connection at a time, each answer closing it.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace torvane::testing {

struct HttpAnswer {
  int status = 200;
  std::string headers = "Content-Type: text/plain\r\n";  // each ending in CR LF
  std::string body;
  bool contentLength = true;           // without it the body ends when the connection closes
  std::chrono::milliseconds stall{0};  // after the headers; cut short when the server stops
};

class LocalHttpServer {
 public:
  explicit LocalHttpServer(std::function<HttpAnswer(const std::string& path)> handler)
      : handler_(std::move(handler)) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), len);
    listen(listener_, 8);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] {
      while (!Stopping(std::chrono::milliseconds(0))) {
        pollfd p{listener_, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0) continue;
        if (int client = accept(listener_, nullptr, nullptr); client >= 0) {
          Answer(client);
          close(client);
        }
      }
    });
  }

  ~LocalHttpServer() {
    std::unique_lock lock(mutex_);
    stop_ = true;
    lock.unlock();
    wake_.notify_all();
    thread_.join();
    close(listener_);
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  bool Stopping(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, wait, [this] { return stop_; });
  }

  void Answer(int client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      pollfd p{client, POLLIN, 0};
      ssize_t n = poll(&p, 1, 2000) > 0 ? recv(client, buffer, sizeof buffer, 0) : 0;
      if (n <= 0) return;
      request.append(buffer, static_cast<size_t>(n));
    }
    const size_t start = request.find(' ') + 1;
    const HttpAnswer a = handler_(request.substr(start, request.find(' ', start) - start));
    std::string head =
        "HTTP/1.1 " + std::to_string(a.status) + " X\r\n" + a.headers + "Connection: close\r\n";
    if (a.contentLength) head += "Content-Length: " + std::to_string(a.body.size()) + "\r\n";
    Send(client, head + "\r\n");
    if (a.stall.count() > 0 && Stopping(a.stall)) return;
    Send(client, a.body);
  }

  static void Send(int client, const std::string& data) {
    for (ssize_t sent = 0, n = 1; n > 0 && sent < ssize_t(data.size()); sent += n)
      n = send(client, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
  }

  std::function<HttpAnswer(const std::string&)> handler_;
  int listener_ = socket(AF_INET, SOCK_STREAM, 0);
  int port_ = 0;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace torvane::testing
