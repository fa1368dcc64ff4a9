#include "sim/scenario/context.h"

#include "sim/scenario/screen_queries.h"

#include <ostream>

#include "sim/scenario/fields.h"
#include "web/endpoints.h"

namespace sim::scenario {
namespace {

// A path inside a simulator folder must stay inside it.
bool EscapesFolder(const std::string& relative) {
  if (relative.empty() || relative[0] == '/') return true;
  size_t start = 0;
  while (start <= relative.size()) {
    const size_t end = std::min(relative.find('/', start), relative.size());
    if (relative.compare(start, end - start, "..") == 0 && end - start == 2) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

Context::Context(const std::string& file, const RunOptions& options, std::ostream& out)
    : file_(file), options_(options), out_(out) {
  simulator_ = std::make_unique<Simulator>();
  web_ = std::make_unique<WebServer>();
  web::UseEndpointsBelow(web_->BaseUrl());
}

Context::~Context() {
  // The library's workers may still use the web server: the simulator (which
  // waits for them) goes first.
  simulator_.reset();
  web_.reset();
}

void Context::EnsureStarted() {
  if (!simulator_->Started()) simulator_->Start();
}

void Context::Fail(int line, const std::string& expected, const std::string& got) {
  ++failed_;
  out_ << file_ << ":" << line << ": expected " << expected << " got " << got << "\n";
  const std::vector<Packet> packets = UncheckedSent();
  if (!packets.empty()) {
    out_ << "  unchecked packets:\n";
    for (const Packet& p : packets) out_ << "    " << HexText(p) << "\n";
  }
  const std::vector<std::string> texts = TextsDrawn();
  if (!texts.empty()) {
    out_ << "  texts drawn in the last frame:";
    for (const std::string& t : texts) out_ << " " << QuotedText(t);
    out_ << "\n";
  }
}

void Context::Expect(bool ok, int line, const std::string& expected, const std::string& got) {
  if (ok) {
    Pass();
  } else {
    Fail(line, expected, got);
  }
}

std::optional<Packet> Context::TakeSent() {
  const std::vector<Packet>& sent = simulator_->Host().Sent();
  if (sentChecked_ >= sent.size()) return std::nullopt;
  return sent[sentChecked_++];
}

std::vector<Packet> Context::UncheckedSent() {
  const std::vector<Packet>& sent = simulator_->Host().Sent();
  if (sentChecked_ >= sent.size()) return {};
  return {sent.begin() + static_cast<std::ptrdiff_t>(sentChecked_), sent.end()};
}

void Context::ClearSent() { sentChecked_ = simulator_->Host().Sent().size(); }

void Context::CollectDebugOutput() {
  for (std::string& line : simulator_->Os().TakeDebugOutput()) {
    debugLines_.push_back(std::move(line));
  }
}

std::optional<std::string> Context::TakeDebugLine() {
  CollectDebugOutput();
  if (debugLines_.empty()) return std::nullopt;
  std::string line = std::move(debugLines_.front());
  debugLines_.pop_front();
  return line;
}

std::vector<std::string> Context::UncheckedDebugLines() {
  CollectDebugOutput();
  return {debugLines_.begin(), debugLines_.end()};
}

std::optional<std::string> Context::TakeHostCall() {
  const std::vector<std::string>& calls = simulator_->Host().HostCalls();
  if (hostCallsChecked_ >= calls.size()) return std::nullopt;
  return calls[hostCallsChecked_++];
}

std::vector<std::string> Context::UncheckedHostCalls() {
  const std::vector<std::string>& calls = simulator_->Host().HostCalls();
  if (hostCallsChecked_ >= calls.size()) return {};
  return {calls.begin() + static_cast<std::ptrdiff_t>(hostCallsChecked_), calls.end()};
}

std::vector<std::string> Context::TextsDrawn() {
  std::vector<std::string> texts;
  for (const TextSeen& seen : TextsOf(simulator_->Host().Draws())) texts.push_back(seen.text);
  return texts;
}

std::string Context::FolderPath(const Token& path, int line) const {
  const std::string& text = path.text;
  const size_t colon = text.find(':');
  const std::string folder = colon == std::string::npos ? "" : text.substr(0, colon);
  const std::string relative = colon == std::string::npos ? "" : text.substr(colon + 1);
  const Folders& folders = simulator_->folders();
  const std::string* base = folder == "user"      ? &folders.user
                            : folder == "data"    ? &folders.data
                            : folder == "appdata" ? &folders.appdata
                                                  : nullptr;
  if (base == nullptr) {
    throw ScriptError(line, "a file path starts with user:, data: or appdata:, got " + text);
  }
  if (EscapesFolder(relative)) throw ScriptError(line, "path leaves its folder: " + text);
  return *base + "/" + relative;
}

std::string Context::ScenarioRelativePath(const Token& path, int line) const {
  if (path.text.empty()) throw ScriptError(line, "empty path");
  if (path.text[0] == '/') return path.text;
  const size_t slash = file_.rfind('/');
  return slash == std::string::npos ? path.text : file_.substr(0, slash + 1) + path.text;
}

}  // namespace sim::scenario
