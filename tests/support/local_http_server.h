#pragma once
// A small HTTP/1.1 server on 127.0.0.1 and an ephemeral port, one connection at a time, for
// download tests that never leave the machine. Every answer closes its connection.

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
  std::chrono::milliseconds stall{0};  // after the headers, before the body
};

class LocalHttpServer {
 public:
  using Handler = std::function<HttpAnswer(const std::string& path)>;

  explicit LocalHttpServer(Handler handler) : handler_(std::move(handler)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), len);
    listen(listener_, 8);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }

  ~LocalHttpServer() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
    close(listener_);
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

  // An address where nothing listens: a port just bound and released.
  static std::string ClosedUrl() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    bind(s, reinterpret_cast<sockaddr*>(&addr), len);
    getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
    close(s);
    return "http://127.0.0.1:" + std::to_string(ntohs(addr.sin_port)) + "/draws.txt";
  }

 private:
  bool Stopped() {
    std::lock_guard lock(mutex_);
    return stop_;
  }

  void Serve() {
    while (!Stopped()) {
      pollfd p{listener_, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      int client = accept(listener_, nullptr, nullptr);
      if (client < 0) continue;
      Answer(client);
      close(client);
    }
  }

  void Answer(int client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      pollfd p{client, POLLIN, 0};
      if (poll(&p, 1, 2000) <= 0) return;
      ssize_t n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) return;
      request.append(buffer, static_cast<size_t>(n));
    }
    const size_t start = request.find(' ') + 1;
    const HttpAnswer a = handler_(request.substr(start, request.find(' ', start) - start));
    std::string head =
        "HTTP/1.1 " + std::to_string(a.status) + " X\r\n" + a.headers + "Connection: close\r\n";
    if (a.contentLength) head += "Content-Length: " + std::to_string(a.body.size()) + "\r\n";
    Send(client, head + "\r\n");
    if (a.stall.count() > 0) {
      std::unique_lock lock(mutex_);
      wake_.wait_for(lock, a.stall, [this] { return stop_; });
    }
    Send(client, a.body);
  }

  static void Send(int client, const std::string& data) {
    for (size_t sent = 0; sent < data.size();) {
      ssize_t n = send(client, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) return;
      sent += static_cast<size_t>(n);
    }
  }

  Handler handler_;
  int listener_ = -1;
  int port_ = 0;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace torvane::testing
