#include "sim/record/scenario_record.h"

#include <algorithm>
#include <ostream>

#include "sim/record/record_text.h"

namespace sim::record {
namespace {

// The items of `sink` from `cursor` on; moves the cursor to the end. A sink
// that shrank (nothing should take from one) restarts where it now ends.
template <typename T>
std::span<const T> Unwritten(std::span<const T> sink, size_t& cursor) {
  if (cursor > sink.size()) cursor = sink.size();
  std::span<const T> fresh = sink.subspan(cursor);
  cursor = sink.size();
  return fresh;
}

const char* WidthName(int width) {
  switch (width) {
    case 1: return "u8";
    case 2: return "u16";
    default: return "u32";
  }
}

}  // namespace

ScenarioRecord::ScenarioRecord(std::ostream& out, const std::string& scenarioFile,
                               std::string server, std::vector<RecordedFolder> folders)
    : out_(out), server_(std::move(server)), files_(std::move(folders)) {
  const size_t slash = scenarioFile.find_last_of('/');
  out_ << "scenario " << (slash == std::string::npos ? scenarioFile : scenarioFile.substr(slash + 1))
       << "\n";
}

std::string ScenarioRecord::Q(const std::string& text) const { return Quoted(text, server_); }

void ScenarioRecord::BeginLine(int line, const std::string& word) {
  out_ << "line " << line << " " << word << "\n";
}

void ScenarioRecord::Frame(const std::vector<DrawCall>& draws) {
  out_ << "frame\n";
  for (const DrawCall& call : draws) out_ << DrawLine(call, server_) << "\n";
}

void ScenarioRecord::Memory(uint32_t address, int width, uint32_t value) {
  reported_.push_back("memory 0x" + Hex32(address) + " " + WidthName(width) + " " +
                      std::to_string(value));
}

void ScenarioRecord::HostOpcodes(const std::vector<int>& opcodes) {
  std::string text = "host-opcodes";
  for (int opcode : opcodes) text += " " + std::to_string(opcode);
  reported_.push_back(std::move(text));
}

void ScenarioRecord::ListFiles() {
  for (std::string& line : files_.Update()) fileLines_.push_back(std::move(line));
}

void ScenarioRecord::ListUrls(std::span<const Os::UrlOpened> urls) {
  std::vector<std::string> lines;
  for (const Os::UrlOpened& url : Unwritten(urls, urls_)) {
    lines.push_back("url " + Q(url.agent) + " " + std::to_string(url.accessType) + " " +
                    Q(url.url) + " " + std::to_string(url.flags));
  }
  std::sort(lines.begin(), lines.end());
  urlLines_.insert(urlLines_.end(), lines.begin(), lines.end());
}

void ScenarioRecord::EndLine(const HostSinks& sinks) {
  WriteSinks(sinks);
  for (const std::string& line : fileLines_) out_ << line << "\n";
  fileLines_.clear();
  out_.flush();
}

void ScenarioRecord::End(const HostSinks& sinks) {
  out_ << "end\n";
  ListFiles();
  EndLine(sinks);
}

void ScenarioRecord::WriteSinks(const HostSinks& s) {
  for (const Packet& packet : Unwritten(s.sent, sent_)) out_ << "sent " << HexBytes(packet) << "\n";
  for (const std::string& call : Unwritten(s.hostCalls, hostCalls_)) {
    out_ << "host-call " << call << "\n";
  }
  for (const std::string& text : Unwritten(s.debugLines, debugLines_)) {
    out_ << "debug " << Q(text) << "\n";
  }
  for (const Os::MessageBoxShown& box : Unwritten(s.messageBoxes, messageBoxes_)) {
    out_ << "message-box " << Q(box.caption) << " " << Q(box.text) << " " << box.flags << "\n";
  }
  for (const std::string& page : Unwritten(s.openedPages, openedPages_)) {
    out_ << "opened " << Q(page) << "\n";
  }
  for (const std::string& line : urlLines_) out_ << line << "\n";
  urlLines_.clear();
  if (const auto messages = Unwritten(s.windowMessages, windowMessages_); !messages.empty()) {
    out_ << "window-messages";
    for (uint32_t message : messages) out_ << " " << message;
    out_ << "\n";
  }
  if (hostCharacters_ > s.hostCharacters.size()) hostCharacters_ = s.hostCharacters.size();
  if (hostCharacters_ < s.hostCharacters.size()) {
    out_ << "host-chars " << Q(std::string(s.hostCharacters.substr(hostCharacters_))) << "\n";
    hostCharacters_ = s.hostCharacters.size();
  }
  if (const auto keys = Unwritten(s.keys, keys_); !keys.empty()) {
    out_ << "keys";
    for (const auto& [key, up] : keys) out_ << " " << int{key} << (up ? "/up" : "/down");
    out_ << "\n";
  }
  if (s.cursor != cursor_) {
    out_ << "cursor " << s.cursor << "\n";
    cursor_ = s.cursor;
  }
  for (const std::string& line : reported_) out_ << line << "\n";
  reported_.clear();
  if (s.exited && !exitWritten_) {
    out_ << "exit " << s.exitCode << "\n";
    exitWritten_ = true;
  }
}

}  // namespace sim::record
