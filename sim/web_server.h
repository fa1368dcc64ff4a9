// The simulator's own web server: HTTP/1.1 on 127.0.0.1 at a port the
// system picks, answering each path with what the scenario set (404 for
// any other path). One thread serves the connections one after another;
// each response closes its connection.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sim {

struct WebResponse {
  int status = 200;
  std::string body;
  bool chunked = false;  // no Content-Length: the body goes in chunks
};

class WebServer {
 public:
  // Binds and starts serving; throws std::runtime_error when it cannot.
  WebServer();
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  uint16_t Port() const { return port_; }
  // "http://127.0.0.1:PORT"
  std::string BaseUrl() const;

  // What PATH answers from now on. A request whose target carries a query
  // ("/a.php?x=1") matches its exact target first, then its path alone.
  void SetResponse(const std::string& path, WebResponse response);
  // The request targets served so far, in order (any thread).
  std::vector<std::string> Requests();

 private:
  void Serve();
  void Answer(int connection);
  WebResponse ResponseFor(const std::string& target);

  int listener_ = -1;
  int wake_[2] = {-1, -1};  // written to stop the serving thread
  uint16_t port_ = 0;
  std::mutex lock_;
  std::map<std::string, WebResponse> responses_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// The port of the web server running in this process (0 when none runs),
// so that the operator's endpoints can be pointed at it.
uint16_t WebServerPort();

}  // namespace sim
