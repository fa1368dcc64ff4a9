// Setup and time: screen, start, state, wait, time, frame, settle, host,
// file, http, file-fault.
#include <filesystem>
#include <cstring>
#include <fstream>

#include "host/host_memory.h"
#include "sim/scenario/command_table.h"
#include "sim/scenario/fields.h"
#include "sim/os/sim_os.h"

namespace sim::scenario {
namespace {

constexpr int kSettleTimeoutMs = 10000;

int32_t Int32Arg(const ScriptLine& line, size_t index, int64_t minimum = INT32_MIN) {
  return static_cast<int32_t>(ParseInteger(line.args.at(index), line.line, minimum, INT32_MAX));
}

void Screen(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  c.Sim().SetScreen(Int32Arg(line, 0, 1), Int32Arg(line, 1, 1));
}

void Start(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  c.EnsureStarted();
}

void State(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  c.Sim().SetGameState(Int32Arg(line, 0));
}

void Wait(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  c.Sim().Os().AdvanceClock(static_cast<uint64_t>(ParseInteger(line.args[0], line.line, 0, INT64_MAX)));
}

void Time(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  c.Sim().Os().SetCalendar(ParseInteger(line.args[0], line.line, 0, INT64_MAX / 1000));
}

void Frame(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 1);
  c.Sim().Frame(line.args.empty() ? 1 : Int32Arg(line, 0, 0));
}

// settle [N]: N workers may go on running (those the scenario keeps
// waiting on a held web answer).
void Settle(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 1);
  const int remaining = line.args.empty() ? 0 : Int32Arg(line, 0, 0);
  if (!c.Sim().WaitForWorkers(kSettleTimeoutMs, remaining)) {
    c.Fail(line.line,
           remaining == 0 ? std::string("every worker thread to end within 10 s")
                          : "at most " + std::to_string(remaining) + " workers within 10 s",
           std::to_string(c.Sim().Os().RunningThreads()) + " still running");
  }
  // Every worker has ended (or waits on a held answer): what they did is
  // done on both hosts (the frame may start new ones).
  c.RecordWorkersEnded();
  c.Sim().Frame(1);
}

void Host(Context& c, const ScriptLine& line) {
  RequireArgs(line, 3, 3);
  // host ADDR text "STRING": a NUL-terminated text of the host.
  if (line.args[1].kind == Token::Kind::Word && line.args[1].text == "text") {
    const std::string& text = line.args[2].text;
    const uint32_t address = HostAddressArg(c, line, 0, static_cast<int>(text.size() + 1));
    std::memcpy(host::Pointer(address), text.c_str(), text.size() + 1);
    return;
  }
  const int width = ParseWidth(line.args[1], line.line);
  const uint32_t address = HostAddressArg(c, line, 0, width);
  const uint32_t value = ParseSized(line.args[2], line.line, width);
  switch (width) {
    case 1: host::Write<uint8_t>(address, static_cast<uint8_t>(value)); break;
    case 2: host::Write<uint16_t>(address, static_cast<uint16_t>(value)); break;
    default: host::Write<uint32_t>(address, value); break;
  }
}

void File(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 3);
  const std::string path = c.FolderPath(line.args[0], line.line);
  const std::string content = ContentArg(c, line, 1);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out.flush()) throw ScriptError(line.line, "cannot write " + path);
}

// http PATH STATUS [no-length | short N | short-once N] [hold] ["body" | file PATH]
void Http(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 6);
  WebResponse response;
  response.status = static_cast<int>(ParseInteger(line.args[1], line.line, 100, 599));
  size_t next = 2;
  const auto isWord = [&](size_t i, const char* word) {
    return i < line.args.size() && line.args[i].kind == Token::Kind::Word &&
           line.args[i].text == word;
  };
  if (isWord(next, "no-length")) {
    response.chunked = true;
    ++next;
  } else if ((isWord(next, "short") || isWord(next, "short-once")) && next + 1 < line.args.size()) {
    response.shortOnce = isWord(next, "short-once");
    response.shortBy =
        static_cast<uint32_t>(ParseInteger(line.args[next + 1], line.line, 1, INT32_MAX));
    next += 2;
  }
  if (isWord(next, "hold")) {
    response.held = true;
    ++next;
  }
  if (next < line.args.size() && line.args[next].kind == Token::Kind::String) {
    response.body = line.args[next++].text;
  } else if (isWord(next, "file") && next + 1 < line.args.size()) {
    response.body = ScenarioFileContent(c, line.args[next + 1], line.line);
    next += 2;
  }
  if (next != line.args.size()) {
    throw ScriptError(line.line,
                      "http PATH STATUS [no-length | short N | short-once N] [hold] "
                      "[\"body\" | file PATH]");
  }
  c.Web().SetResponse(line.args[0].text, std::move(response));
}

// release-http PATH: the answers held for PATH go out.
void ReleaseHttp(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  c.Web().Release(line.args[0].text);
}

// await-fetched "TARGET" N: waits until the web server was asked for TARGET
// N times (so a held request has surely arrived).
void AwaitFetched(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  const std::string& target = line.args[0].text;
  const auto count = static_cast<size_t>(ParseInteger(line.args[1], line.line, 0, INT32_MAX));
  if (!c.Web().AwaitRequests(target, count, kSettleTimeoutMs)) {
    c.Fail(line.line, "\"" + target + "\" fetched " + std::to_string(count) + " times within 10 s",
           "fewer");
  }
}

// threads refuse|allow: whether the machine starts new threads (a worker
// that cannot be started).
void Threads(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& word = line.args[0].text;
  if (word != "refuse" && word != "allow") throw ScriptError(line.line, "threads refuse|allow");
  c.Sim().Os().threadStartsFail = word == "refuse";
}

// file-fault write-halfway [PATH] | disk-full BYTES | kill-at-rename [PATH]
// | none: the fault the machine's disk shows from now on (sim/os/file_faults.h),
// replacing the one armed before. PATH selects a file by its scenario name,
// or every file below a folder when it ends in ':' or '/'; without it every
// file.
void FileFault(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 2);
  const std::string& kind = line.args[0].text;
  const std::string path = line.args.size() > 1 ? line.args[1].text : "";
  FileFaults& faults = c.Sim().Os().fileFaults;
  if (kind == "none" && line.args.size() == 1) {
    faults.Clear();
  } else if (kind == "write-halfway") {
    faults.ArmWriteHalfway(path);
  } else if (kind == "kill-at-rename") {
    faults.ArmKillAtRename(path);
  } else if (kind == "disk-full" && line.args.size() == 2) {
    faults.ArmDiskFull(static_cast<uint64_t>(ParseInteger(line.args[1], line.line, 0, INT64_MAX)));
  } else {
    throw ScriptError(line.line,
                      "file-fault write-halfway [PATH] | disk-full BYTES | kill-at-rename [PATH] | none");
  }
}

// serve PREFIX FOLDER: the files of FOLDER (beside the scenario) answer the
// paths below PREFIX.
void Serve(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  if (!line.args[0].text.starts_with("/")) throw ScriptError(line.line, "serve /PREFIX/ FOLDER");
  const std::string folder = c.ScenarioRelativePath(line.args[1], line.line);
  if (!std::filesystem::is_directory(folder)) {
    throw ScriptError(line.line, "no folder " + folder);
  }
  c.Web().Mount(line.args[0].text, folder);
}

// web-down: the web server stops; connections are refused from now on.
void WebDown(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  c.Web().Refuse();
}

// load-gate: the host reaches the call before it loads its data files.
void LoadGate(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  c.Sim().ReachLoadGate();
}

}  // namespace

void RegisterSetupCommands(CommandTable& table) {
  table.Add("screen", &Screen);
  table.Add("start", &Start);
  table.Add("state", &State);
  table.Add("wait", &Wait);
  table.Add("time", &Time);
  table.Add("frame", &Frame, Needs::Library);
  table.Add("settle", &Settle, Needs::Library);
  table.Add("host", &Host);
  table.Add("file", &File, Needs::Nothing, Block::WithOneArgument);
  table.Add("http", &Http);
  table.Add("release-http", &ReleaseHttp);
  table.Add("await-fetched", &AwaitFetched);
  table.Add("threads", &Threads);
  table.Add("file-fault", &FileFault);
  table.Add("serve", &Serve);
  table.Add("web-down", &WebDown);
  table.Add("load-gate", &LoadGate, Needs::Library);
}

}  // namespace sim::scenario
