// HTTP/1.1 GET over a POSIX socket, one connection per request
// ("Connection: close"), for the machine's own addresses only.
#include "sim/dll_host/win32/wininet_http.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <map>

namespace sim::dll_host::win32 {
namespace {

// As the simulator's libcurl transfers: long enough for a loopback server,
// short enough that a server that stopped answering ends its worker well
// within a scenario's settle.
constexpr int kConnectTimeoutMs = 10'000;
constexpr int kStalledSeconds = 30;
constexpr int kMaxRedirects = 10;
constexpr size_t kMaxLineBytes = 64 * 1024;

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  return Lowered(text.substr(0, std::string(prefix).size())) == prefix;
}

std::string Trimmed(const std::string& text) {
  const size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);
}

// ---- addresses ------------------------------------------------------------------

struct Target {
  std::string authority;  // as written: "127.0.0.1:8080"
  uint16_t port = 80;
  std::string path;  // "/..." with the query, without the fragment
};

// Only http to this machine parses: the machine reaches nothing else.
bool ParseUrl(const std::string& url, Target* target) {
  if (!StartsWithNoCase(url, "http://")) return false;
  const std::string rest = url.substr(7);
  const size_t authorityEnd = rest.find_first_of("/?#");
  const std::string authority = rest.substr(0, authorityEnd);
  if (authority.empty() || authority.find('@') != std::string::npos) return false;
  std::string host = authority;
  uint16_t port = 80;
  const size_t colon = authority.rfind(':');
  if (colon != std::string::npos) {
    host = authority.substr(0, colon);
    const std::string digits = authority.substr(colon + 1);
    if (digits.empty() || digits.size() > 5 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
      return false;
    }
    const long value = std::strtol(digits.c_str(), nullptr, 10);
    if (value < 1 || value > 65535) return false;
    port = static_cast<uint16_t>(value);
  }
  host = Lowered(host);
  if (host != "127.0.0.1" && host != "localhost") return false;
  std::string path = authorityEnd == std::string::npos ? "" : rest.substr(authorityEnd);
  path = path.substr(0, path.find('#'));
  if (path.empty() || path[0] != '/') path = "/" + path;
  *target = {authority, port, path};
  return true;
}

// A Location header against the address that answered with it.
std::string Resolved(const Target& base, const std::string& location) {
  if (StartsWithNoCase(location, "http://") || StartsWithNoCase(location, "https://")) {
    return location;
  }
  if (location.rfind("//", 0) == 0) return "http:" + location;
  if (location.rfind("/", 0) == 0) return "http://" + base.authority + location;
  const std::string basePath = base.path.substr(0, base.path.find('?'));
  return "http://" + base.authority + basePath.substr(0, basePath.rfind('/') + 1) + location;
}

// ---- the connection ----------------------------------------------------------------

class Connection {
 public:
  ~Connection() {
    if (socket_ >= 0) ::close(socket_);
  }

  bool Open(uint16_t port) {
    socket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket_ < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int flags = ::fcntl(socket_, F_GETFL);
    ::fcntl(socket_, F_SETFL, flags | O_NONBLOCK);
    if (::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      if (errno != EINPROGRESS) return false;
      pollfd waiting{socket_, POLLOUT, 0};
      if (::poll(&waiting, 1, kConnectTimeoutMs) != 1) return false;
      int error = 0;
      socklen_t size = sizeof error;
      if (::getsockopt(socket_, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
        return false;
      }
    }
    ::fcntl(socket_, F_SETFL, flags);
    const timeval stalled{kStalledSeconds, 0};
    ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &stalled, sizeof stalled);
    ::setsockopt(socket_, SOL_SOCKET, SO_SNDTIMEO, &stalled, sizeof stalled);
    return true;
  }

  bool Send(const std::string& data) {
    size_t sent = 0;
    while (sent < data.size()) {
      const ssize_t n = ::send(socket_, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      sent += static_cast<size_t>(n);
    }
    return true;
  }

  // A line without its CR LF; false at the end of the stream or an error.
  bool ReadLine(std::string* line) {
    line->clear();
    for (;;) {
      const size_t newline = buffer_.find('\n', position_);
      if (newline != std::string::npos) {
        line->assign(buffer_, position_, newline - position_);
        position_ = newline + 1;
        if (!line->empty() && line->back() == '\r') line->pop_back();
        return true;
      }
      if (buffer_.size() - position_ > kMaxLineBytes || Fill() != Filled::Data) return false;
    }
  }

  // Appends up to `count` bytes; true when all of them came.
  bool Read(size_t count, std::string* out) {
    while (count > 0) {
      if (position_ == buffer_.size() && Fill() != Filled::Data) return false;
      const size_t n = std::min(count, buffer_.size() - position_);
      out->append(buffer_, position_, n);
      position_ += n;
      count -= n;
    }
    return true;
  }

  // Appends everything up to the end of the stream; false when it broke off.
  bool ReadToEnd(std::string* out) {
    for (;;) {
      out->append(buffer_, position_, std::string::npos);
      position_ = buffer_.size();
      const Filled filled = Fill();
      if (filled == Filled::End) return true;
      if (filled == Filled::Broken) return false;
    }
  }

 private:
  enum class Filled { Data, End, Broken };

  Filled Fill() {
    if (position_ == buffer_.size()) {
      buffer_.clear();
      position_ = 0;
    }
    char chunk[16 * 1024];
    for (;;) {
      const ssize_t n = ::recv(socket_, chunk, sizeof chunk, 0);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return Filled::Broken;  // reset, or stalled past the timeout
      if (n == 0) return Filled::End;
      buffer_.append(chunk, static_cast<size_t>(n));
      return Filled::Data;
    }
  }

  int socket_ = -1;
  std::string buffer_;
  size_t position_ = 0;
};

// ---- one exchange --------------------------------------------------------------------

struct Exchange {
  bool answered = false;
  uint32_t status = 0;
  std::map<std::string, std::string> headers;  // lowercase names; the first of each
  std::string body;
  bool complete = false;
};

bool ReadStatus(Connection& connection, uint32_t* status) {
  std::string line;
  if (!connection.ReadLine(&line) || !StartsWithNoCase(line, "http/") || line.size() < 12) {
    return false;
  }
  const size_t space = line.find(' ');
  if (space == std::string::npos || space + 4 > line.size()) return false;
  const std::string code = line.substr(space + 1, 3);
  if (code.find_first_not_of("0123456789") != std::string::npos) return false;
  *status = static_cast<uint32_t>(std::strtoul(code.c_str(), nullptr, 10));
  return true;
}

bool ReadHeaders(Connection& connection, std::map<std::string, std::string>* headers) {
  std::string line;
  for (;;) {
    if (!connection.ReadLine(&line)) return false;
    if (line.empty()) return true;
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    headers->emplace(Lowered(Trimmed(line.substr(0, colon))), Trimmed(line.substr(colon + 1)));
  }
}

bool ReadChunked(Connection& connection, std::string* body) {
  std::string line;
  for (;;) {
    if (!connection.ReadLine(&line)) return false;
    const std::string size = Trimmed(line.substr(0, line.find(';')));
    if (size.empty() || size.size() > 8 ||
        size.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
      return false;
    }
    const size_t count = std::strtoul(size.c_str(), nullptr, 16);
    if (count == 0) break;
    if (!connection.Read(count, body) || !connection.ReadLine(&line) || !line.empty()) {
      return false;
    }
  }
  do {  // trailers, up to the empty line that ends the message
    if (!connection.ReadLine(&line)) return false;
  } while (!line.empty());
  return true;
}

// -1 when absent or not a number.
int64_t ContentLength(const std::map<std::string, std::string>& headers) {
  const auto it = headers.find("content-length");
  if (it == headers.end() || it->second.empty() || it->second.size() > 18 ||
      it->second.find_first_not_of("0123456789") != std::string::npos) {
    return -1;
  }
  return std::strtoll(it->second.c_str(), nullptr, 10);
}

bool IsChunked(const std::map<std::string, std::string>& headers) {
  const auto it = headers.find("transfer-encoding");
  return it != headers.end() && Lowered(it->second).find("chunked") != std::string::npos;
}

Exchange Get(const Target& target, const std::string& agent) {
  Exchange exchange;
  Connection connection;
  if (!connection.Open(target.port)) return exchange;
  std::string request = "GET " + target.path + " HTTP/1.1\r\nHost: " + target.authority + "\r\n";
  if (!agent.empty()) request += "User-Agent: " + agent + "\r\n";
  request += "Accept: */*\r\nConnection: close\r\n\r\n";
  if (!connection.Send(request)) return exchange;
  // Interim answers (100 Continue and the like) come before the real one.
  do {
    if (!ReadStatus(connection, &exchange.status)) return exchange;
    exchange.answered = true;
    exchange.headers.clear();
    if (!ReadHeaders(connection, &exchange.headers)) return exchange;
  } while (exchange.status >= 100 && exchange.status < 200);
  if (exchange.status == 204 || exchange.status == 304) {
    exchange.complete = true;
  } else if (IsChunked(exchange.headers)) {
    exchange.complete = ReadChunked(connection, &exchange.body);
  } else if (const int64_t length = ContentLength(exchange.headers); length >= 0) {
    exchange.complete = connection.Read(static_cast<size_t>(length), &exchange.body);
  } else {
    exchange.complete = connection.ReadToEnd(&exchange.body);
  }
  return exchange;
}

bool IsRedirect(uint32_t status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

HttpAnswer HttpGet(const std::string& url, const std::string& agent) {
  HttpAnswer answer;
  Target target;
  if (!ParseUrl(url, &target)) return answer;
  for (int redirects = 0;; ++redirects) {
    Exchange exchange = Get(target, agent);
    if (!exchange.answered) return HttpAnswer{};
    answer.answered = true;
    answer.status = exchange.status;
    answer.contentLength = IsChunked(exchange.headers) ? -1 : ContentLength(exchange.headers);
    const auto location = exchange.headers.find("location");
    if (!IsRedirect(exchange.status) || location == exchange.headers.end()) {
      answer.body = std::move(exchange.body);
      answer.complete = exchange.complete;
      return answer;
    }
    // Too many: the last redirect is the answer, and the transfer failed.
    if (redirects == kMaxRedirects) return answer;
    // The next address is asked afresh: one the machine cannot reach means
    // no answer at all, as a failed connection does.
    if (!ParseUrl(Resolved(target, location->second), &target)) return HttpAnswer{};
  }
}

}  // namespace sim::dll_host::win32
