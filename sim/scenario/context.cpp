#include "sim/scenario/context.h"

#include "sim/scenario/screen_queries.h"

#include <algorithm>
#include <ostream>

#include "sim/scenario/fields.h"

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

// The items of `sink` after the first `checked`.
template <typename T>
std::vector<T> After(const std::vector<T>& sink, size_t checked) {
  if (checked >= sink.size()) return {};
  return {sink.begin() + static_cast<std::ptrdiff_t>(checked), sink.end()};
}

// The oldest item of `sink` after the first `checked`, which it counts.
template <typename T>
std::optional<T> Next(const std::vector<T>& sink, size_t& checked) {
  if (checked >= sink.size()) return std::nullopt;
  return sink[checked++];
}

}  // namespace

Context::Context(const std::string& file, const RunOptions& options, std::ostream& out)
    : file_(file), options_(options), out_(out) {
  simulator_ = std::make_unique<Simulator>();
  web_ = std::make_unique<WebServer>();
  simulator_->Library().PointWebAt(web_->BaseUrl());
  if (options_.record == nullptr) return;
  const Folders& folders = simulator_->folders();
  record_ = std::make_unique<record::ScenarioRecord>(
      *options_.record, file_, web_->BaseUrl(),
      std::vector<record::RecordedFolder>{
          {"user", folders.user}, {"data", folders.data}, {"appdata", folders.appdata}});
  simulator_->afterFrame = [this](const std::vector<DrawCall>& draws) { record_->Frame(draws); };
}

Context::~Context() {
  simulator_->afterFrame = nullptr;
  // The library's workers may still use the web server: the simulator (which
  // waits for them) goes first, once no answer is held back from them.
  web_->ReleaseAll();
  simulator_.reset();
  web_.reset();
}

void Context::EnsureStarted() {
  if (simulator_->Started()) return;
  simulator_->Start();
  // A real client's start-up outlasts a fetch from the loopback server: the
  // workers the start began (the login screen's status and news fetches)
  // have answered before the first frame, so what the first frames show does
  // not depend on how fast a host runs them. Those the scenario holds at the
  // web server go on waiting.
  simulator_->WaitForWorkers(10000, [this] { return web_->HeldAnswers(); });
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

std::optional<Packet> Context::TakeSent() { return Next(simulator_->Host().Sent(), sentChecked_); }

std::vector<Packet> Context::UncheckedSent() { return After(simulator_->Host().Sent(), sentChecked_); }

void Context::ClearSent() { sentChecked_ = simulator_->Host().Sent().size(); }

void Context::CollectDebugOutput() {
  for (std::string& line : simulator_->Os().TakeDebugOutput()) {
    debugLines_.push_back(std::move(line));
  }
}

std::optional<std::string> Context::TakeDebugLine() {
  CollectDebugOutput();
  return Next(debugLines_, debugLinesChecked_);
}

std::vector<std::string> Context::UncheckedDebugLines() {
  CollectDebugOutput();
  return After(debugLines_, debugLinesChecked_);
}

std::optional<Os::MessageBoxShown> Context::TakeMessageBox() {
  return Next(simulator_->Os().MessageBoxes(), messageBoxesChecked_);
}

std::vector<Os::MessageBoxShown> Context::UncheckedMessageBoxes() {
  return After(simulator_->Os().MessageBoxes(), messageBoxesChecked_);
}

std::optional<std::string> Context::TakeOpenedPage() {
  return Next(simulator_->Os().OpenedPages(), openedPagesChecked_);
}

std::vector<std::string> Context::UncheckedOpenedPages() {
  return After(simulator_->Os().OpenedPages(), openedPagesChecked_);
}

std::string Context::TakeHostCharacters() {
  const std::string& all = simulator_->HostCharacters();
  const size_t from = std::min(hostCharactersChecked_, all.size());
  hostCharactersChecked_ = all.size();
  return all.substr(from);
}

std::vector<std::pair<uint8_t, bool>> Context::TakeSyntheticKeys() {
  const auto& all = simulator_->Os().SyntheticKeys();
  std::vector<std::pair<uint8_t, bool>> keys = After(all, keysChecked_);
  keysChecked_ = all.size();
  return keys;
}

// ---- the record ----------------------------------------------------------------------

record::HostSinks Context::Sinks() {
  CollectDebugOutput();
  SimHost& host = simulator_->Host();
  sim::Os& os = simulator_->Os();
  return {.sent = host.Sent(),
          .hostCalls = host.HostCalls(),
          .debugLines = debugLines_,
          .messageBoxes = os.MessageBoxes(),
          .openedPages = os.OpenedPages(),
          .windowMessages = simulator_->HostWindowMessages(),
          .hostCharacters = simulator_->HostCharacters(),
          .keys = os.SyntheticKeys(),
          .exited = os.Exited(),
          .exitCode = os.ExitCode(),
          .cursor = os.CursorSeen()};
}

void Context::BeginRecordLine(const ScriptLine& line) {
  if (record_) record_->BeginLine(line.line, line.command);
}

void Context::EndRecordLine() {
  if (record_) record_->EndLine(Sinks());
}

void Context::EndRecord() {
  if (!record_) return;
  // What the workers did belongs to the end of the block, after them.
  web_->ReleaseAll();
  simulator_->WaitForWorkers();
  record_->ListUrls(simulator_->Os().UrlsOpened());
  record_->End(Sinks());
}

void Context::RecordMemory(uint32_t address, int width, uint32_t value) {
  if (record_) record_->Memory(address, width, value);
}

void Context::RecordHostOpcodes(const std::vector<int>& opcodes) {
  if (record_) record_->HostOpcodes(opcodes);
}

void Context::RecordFiles() {
  if (record_) record_->ListFiles();
}

void Context::RecordWorkersEnded() {
  if (!record_) return;
  record_->ListFiles();
  record_->ListUrls(simulator_->Os().UrlsOpened());
}

std::optional<std::string> Context::TakeHostCall() {
  return Next(simulator_->Host().HostCalls(), hostCallsChecked_);
}

std::vector<std::string> Context::UncheckedHostCalls() {
  return After(simulator_->Host().HostCalls(), hostCallsChecked_);
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
