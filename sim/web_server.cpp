#include "sim/web_server.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sim {
namespace {

std::atomic<uint16_t> activePort{0};

constexpr size_t kChunkSize = 1024;
// Not a type any HTTP stack compresses or converts: the body goes as set.
constexpr char kContentType[] = "application/octet-stream";

// Responses that never carry a body.
bool WithoutBody(int status) { return status / 100 == 1 || status == 204 || status == 304; }

}  // namespace

WebServer::WebServer() : server_(std::make_unique<httplib::Server>()) {
  server_->set_keep_alive_max_count(1);  // one request per connection
  server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    Answer(request, response);
  });
  const int port = server_->bind_to_any_port("127.0.0.1");
  if (port <= 0) throw std::runtime_error("web server: cannot listen on 127.0.0.1");
  port_ = static_cast<uint16_t>(port);
  thread_ = std::thread([this] {
    server_->listen_after_bind();
    ended_ = true;
  });
  // stop() acts only on a server that runs: do not hand out one that does
  // not run yet.
  while (!server_->is_running() && !ended_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (!server_->is_running()) {
    thread_.join();
    throw std::runtime_error("web server: cannot serve on 127.0.0.1");
  }
  activePort = port_;
}

WebServer::~WebServer() {
  Refuse();
  activePort = 0;
}

void WebServer::Refuse() {
  if (stopped_) return;
  stopped_ = true;
  ReleaseAll();  // held answers go out, so the server's threads can end
  server_->stop();
  thread_.join();
}

void WebServer::Mount(const std::string& prefix, const std::string& folder) {
  std::lock_guard guard(lock_);
  mounts_.emplace_back(prefix, folder);
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

WebResponse WebServer::ResponseFor(const std::string& target, std::string* key) {
  std::lock_guard guard(lock_);
  requests_.push_back(target);
  changed_.notify_all();
  auto it = responses_.find(target);
  if (it == responses_.end()) it = responses_.find(target.substr(0, target.find('?')));
  if (it != responses_.end()) {
    *key = it->first;
    WebResponse answer = it->second;
    if (answer.shortOnce) {
      it->second.shortBy = 0;
      it->second.shortOnce = false;
    }
    return answer;
  }
  const std::string path = target.substr(0, target.find('?'));
  for (auto mount = mounts_.rbegin(); mount != mounts_.rend(); ++mount) {
    if (!path.starts_with(mount->first)) continue;
    const std::string name = path.substr(mount->first.size());
    if (name.empty() || name.find("..") != std::string::npos) continue;
    const std::filesystem::path file = std::filesystem::path(mount->second) / name;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) continue;
    std::ifstream in(file, std::ios::binary);
    std::ostringstream body;
    body << in.rdbuf();
    if (in) return {200, body.str()};
  }
  return {404, "Not Found"};
}

void WebServer::WaitForRelease(const std::string& key) {
  std::unique_lock guard(lock_);
  const uint64_t arrivedAt = releases_[key];
  ++heldAnswers_;
  changed_.wait(guard, [&] { return stopping_ || releases_[key] != arrivedAt; });
  --heldAnswers_;
}

int WebServer::HeldAnswers() {
  std::lock_guard guard(lock_);
  return heldAnswers_;
}

void WebServer::Release(const std::string& path) {
  {
    std::lock_guard guard(lock_);
    ++releases_[path];
    auto it = responses_.find(path);
    if (it != responses_.end()) it->second.held = false;
  }
  changed_.notify_all();
}

void WebServer::ReleaseAll() {
  {
    std::lock_guard guard(lock_);
    stopping_ = true;
  }
  changed_.notify_all();
}

bool WebServer::AwaitRequests(const std::string& target, size_t count, int timeoutMs) {
  std::unique_lock guard(lock_);
  return changed_.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] {
    return static_cast<size_t>(std::count(requests_.begin(), requests_.end(), target)) >= count;
  });
}

void WebServer::Answer(const httplib::Request& request, httplib::Response& response) {
  std::string key;
  const WebResponse answer = ResponseFor(request.target, &key);
  if (answer.held) WaitForRelease(key);
  response.status = answer.status;
  if (WithoutBody(answer.status)) return;
  // The providers run after this returns, while the connection is written.
  const auto body = std::make_shared<const std::string>(answer.body);
  if (answer.chunked) {
    response.set_chunked_content_provider(
        kContentType, [body](size_t offset, httplib::DataSink& sink) {
          if (offset >= body->size()) {
            sink.done();
            return true;
          }
          const size_t n = std::min(kChunkSize, body->size() - offset);
          return sink.write(body->data() + offset, n);
        });
  } else if (answer.shortBy > 0) {
    response.set_content_provider(body->size() + answer.shortBy, kContentType,
                                  [body](size_t offset, size_t length, httplib::DataSink& sink) {
                                    // Past the body: cancelled, the connection closes short of the
                                    // length.
                                    if (offset >= body->size()) return false;
                                    return sink.write(body->data() + offset, body->size() - offset);
                                  });
  } else {
    response.set_content(*body, kContentType);
  }
}

uint16_t WebServerPort() { return activePort.load(); }

}  // namespace sim
