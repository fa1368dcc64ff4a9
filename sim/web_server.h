// The simulator's own web server (cpp-httplib): HTTP/1.1 on 127.0.0.1 only,
// at a port the system picks, answering each path with what the scenario
// set (404 for any other path). Each response closes its connection.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace sim {

struct WebResponse {
  int status = 200;
  std::string body;
  bool chunked = false;  // no Content-Length: the body goes in chunks
  // Announce this many bytes more than the body holds, send the body and
  // close: a transfer that breaks off (ignored when chunked).
  uint32_t shortBy = 0;
  // The answer waits until the scenario releases its path (a slow server
  // the scenario controls); what it answers is what was set when the
  // request arrived.
  bool held = false;
  // Only the first answer breaks off; later ones are whole.
  bool shortOnce = false;
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
  // Lets every answer held for PATH go out; later requests for PATH wait
  // again only while its response is set to be held.
  void Release(const std::string& path);
  // How many answers are held back right now (any thread).
  int HeldAnswers();
  // Lets every held answer go out, now and from now on (the scenario is
  // over: the library's workers must be able to end).
  void ReleaseAll();
  // Waits (real time) until the server was asked for `target` at least
  // `count` times; false when that did not happen within `timeoutMs`.
  bool AwaitRequests(const std::string& target, size_t count, int timeoutMs);
  // The request targets served so far, in the order they arrived (any thread).
  std::vector<std::string> Requests();
  // A path below `prefix` that no SetResponse set answers the file of that
  // name below `folder` (200 with its length), or 404 when there is none.
  // The latest mount whose prefix matches is asked first.
  void Mount(const std::string& prefix, const std::string& folder);
  // Stops listening: every later connection is refused.
  void Refuse();

 private:
  void Answer(const httplib::Request& request, httplib::Response& response);
  // The response for `target`, and the key it was found under.
  WebResponse ResponseFor(const std::string& target, std::string* key);
  void WaitForRelease(const std::string& key);

  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  std::atomic<bool> ended_{false};  // the serving thread has returned
  uint16_t port_ = 0;
  std::mutex lock_;
  std::map<std::string, WebResponse> responses_;
  std::vector<std::pair<std::string, std::string>> mounts_;  // (prefix, folder)
  bool stopped_ = false;
  std::vector<std::string> requests_;
  std::condition_variable changed_;           // a request arrived, a path was released
  std::map<std::string, uint64_t> releases_;  // per path: how often it was released
  int heldAnswers_ = 0;
  bool stopping_ = false;                     // every held answer goes out
};

// The port of the web server running in this process (0 when none runs),
// so that the operator's endpoints can be pointed at it.
uint16_t WebServerPort();

}  // namespace sim
