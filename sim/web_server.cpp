#include "sim/web_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <stdexcept>

namespace sim {
namespace {

std::atomic<uint16_t> activePort{0};

constexpr size_t kMaxRequestHead = 64 * 1024;
constexpr size_t kChunkSize = 1024;
constexpr int kReadTimeoutMs = 2000;

const char* Reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
  }
}

// Responses that never carry a body.
bool WithoutBody(int status) { return status / 100 == 1 || status == 204 || status == 304; }

bool SendAll(int connection, const std::string& data) {
  size_t sent = 0;
  while (sent < data.size()) {
    const ssize_t n = ::send(connection, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<size_t>(n);
  }
  return true;
}

// The request head (up to the blank line), or empty when the client sent
// none in time.
std::string ReadHead(int connection) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequestHead) {
    pollfd ready{connection, POLLIN, 0};
    if (::poll(&ready, 1, kReadTimeoutMs) <= 0) return {};
    const ssize_t n = ::recv(connection, buffer, sizeof(buffer), 0);
    if (n <= 0) return {};
    head.append(buffer, static_cast<size_t>(n));
  }
  return head;
}

std::string ChunkedBody(const std::string& body) {
  std::string out;
  char size[16];
  for (size_t at = 0; at < body.size(); at += kChunkSize) {
    const std::string chunk = body.substr(at, kChunkSize);
    std::snprintf(size, sizeof(size), "%zx\r\n", chunk.size());
    out += size + chunk + "\r\n";
  }
  return out + "0\r\n\r\n";
}

}  // namespace

WebServer::WebServer() {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener_ < 0) throw std::runtime_error("web server: no socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof(address);
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
      ::pipe(wake_) != 0) {
    ::close(listener_);
    throw std::runtime_error("web server: cannot listen on 127.0.0.1");
  }
  port_ = ntohs(address.sin_port);
  activePort = port_;
  thread_ = std::thread([this] { Serve(); });
}

WebServer::~WebServer() {
  const char stop = 1;
  if (::write(wake_[1], &stop, 1) != 1) {
    // The pipe is ours and empty: a failed write leaves nothing to do but close.
  }
  if (thread_.joinable()) thread_.join();
  ::close(listener_);
  ::close(wake_[0]);
  ::close(wake_[1]);
  activePort = 0;
}

std::string WebServer::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

void WebServer::SetResponse(const std::string& path, WebResponse response) {
  std::lock_guard guard(lock_);
  responses_[path] = std::move(response);
}

std::vector<std::string> WebServer::Requests() {
  std::lock_guard guard(lock_);
  return requests_;
}

WebResponse WebServer::ResponseFor(const std::string& target) {
  std::lock_guard guard(lock_);
  requests_.push_back(target);
  auto it = responses_.find(target);
  if (it == responses_.end()) it = responses_.find(target.substr(0, target.find('?')));
  if (it != responses_.end()) return it->second;
  return {404, "Not Found", false};
}

void WebServer::Serve() {
  for (;;) {
    pollfd ready[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::poll(ready, 2, -1) < 0) continue;
    if (ready[1].revents != 0) return;
    if ((ready[0].revents & POLLIN) == 0) continue;
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    Answer(connection);
    ::close(connection);
  }
}

void WebServer::Answer(int connection) {
  const std::string head = ReadHead(connection);
  // Request line: METHOD TARGET VERSION
  const size_t methodEnd = head.find(' ');
  const size_t targetEnd = methodEnd == std::string::npos ? methodEnd : head.find(' ', methodEnd + 1);
  if (targetEnd == std::string::npos) {
    SendAll(connection, "HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    return;
  }
  const std::string method = head.substr(0, methodEnd);
  const WebResponse response = ResponseFor(head.substr(methodEnd + 1, targetEnd - methodEnd - 1));

  std::string out = "HTTP/1.1 " + std::to_string(response.status) + " " +
                    Reason(response.status) + "\r\nConnection: close\r\n";
  if (WithoutBody(response.status)) {
    SendAll(connection, out + "\r\n");
    return;
  }
  const bool withBody = method != "HEAD";
  if (response.chunked) {
    out += "Transfer-Encoding: chunked\r\n\r\n";
    if (withBody) out += ChunkedBody(response.body);
  } else {
    out += "Content-Length: " + std::to_string(response.body.size()) + "\r\n\r\n";
    if (withBody) out += response.body;
  }
  SendAll(connection, out);
}

uint16_t WebServerPort() { return activePort.load(); }

}  // namespace sim
