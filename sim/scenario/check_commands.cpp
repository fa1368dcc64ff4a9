// Expectations about host memory, files, debugger output and host calls,
// and `dump`.
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "host/host_memory.h"
#include "sim/scenario/command_table.h"
#include "sim/scenario/fields.h"
#include "sim/scenario/screen_queries.h"

namespace sim::scenario {
namespace {

std::string ValueText(uint32_t value) {
  std::ostringstream text;
  text << value << " (0x" << std::hex << value << ")";
  return text.str();
}

uint32_t ReadHost(uint32_t address, int width) {
  switch (width) {
    case 1: return host::Read<uint8_t>(address);
    case 2: return host::Read<uint16_t>(address);
    default: return host::Read<uint32_t>(address);
  }
}

void ExpectHost(Context& c, const ScriptLine& line) {
  RequireArgs(line, 3, 3);
  const int width = ParseWidth(line.args[1], line.line);
  const uint32_t address = HostAddressArg(c, line, 0, width);
  const uint32_t expected = ParseSized(line.args[2], line.line, width);
  const uint32_t got = ReadHost(address, width);
  c.RecordMemory(address, width, got);
  c.Expect(got == expected, line.line,
           line.args[0].text + " " + line.args[1].text + " = " + ValueText(expected),
           ValueText(got));
}

// expect-layout N X Y W H: the N-th (1-based) rectangle of the host's
// interface layout table, which the library writes into the host's layout
// block (its address at 0x79CDE4, the table 4,784 bytes in, 16 bytes a
// rectangle: x, y, width, height).
void ExpectLayout(Context& c, const ScriptLine& line) {
  RequireArgs(line, 5, 5);
  constexpr uint32_t kBlockPointer = 0x79CDE4, kTableOffset = 4784, kRectangleSize = 16;
  constexpr int64_t kRectangles = 51;
  const int64_t index = ParseInteger(line.args[0], line.line, 1, kRectangles);
  std::string expected = "layout rectangle " + line.args[0].text + " =";
  std::vector<int32_t> wanted;
  for (size_t i = 1; i <= 4; ++i) {
    wanted.push_back(static_cast<int32_t>(ParseInteger(line.args[i], line.line, INT32_MIN, INT32_MAX)));
    expected += " " + line.args[i].text;
  }
  const uint32_t block = host::Read<uint32_t>(kBlockPointer);
  if (block == 0) {
    c.Fail(line.line, expected, "no layout block");
    return;
  }
  const uint32_t rect = block + kTableOffset + static_cast<uint32_t>(index - 1) * kRectangleSize;
  std::vector<int32_t> got;
  std::string gotText;
  for (uint32_t i = 0; i < 4; ++i) {
    got.push_back(host::Read<int32_t>(rect + 4 * i));
    gotText += (i ? " " : "") + std::to_string(got.back());
  }
  c.Expect(got == wanted, line.line, expected, gotText);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void ExpectFile(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 3);
  const std::string path = c.FolderPath(line.args[0], line.line);
  const std::string expected = ContentArg(c, line, 1);
  const std::optional<std::string> got = ReadWholeFile(path);
  c.RecordFiles();
  c.Expect(got == expected, line.line, line.args[0].text + " = " + QuotedText(expected),
           got ? QuotedText(*got) : "no file");
}

void ExpectNoFile(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string path = c.FolderPath(line.args[0], line.line);
  const bool exists = std::filesystem::exists(path);
  c.RecordFiles();
  c.Expect(!exists, line.line, "no file " + line.args[0].text, "the file exists");
}

void ExpectDebug(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& expected = StringArg(line, 0).text;
  const std::optional<std::string> got = c.TakeDebugLine();
  c.Expect(got == expected, line.line, "debugger output " + QuotedText(expected),
           got ? QuotedText(*got) : "none");
}

void ExpectHostCall(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& expected = StringArg(line, 0).text;
  const std::optional<std::string> got = c.TakeHostCall();
  c.Expect(got == expected, line.line, "host call " + expected, got ? *got : "none");
}

void ExpectNoHostCall(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  const std::vector<std::string> left = c.UncheckedHostCalls();
  c.Expect(left.empty(), line.line, "no unchecked host call", left.empty() ? "" : left.front());
}

// For writing scenarios: what the simulator holds right now.
void Dump(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  std::ostream& out = c.Out();
  out << c.File() << ":" << line.line << ": dump\n";
  out << "  draw calls of the last frame:\n";
  for (const DrawCall& draw : c.Sim().Host().Draws()) {
    out << "    " << draw.name << "(";
    for (size_t i = 0; i < draw.args.size(); ++i) out << (i ? ", " : "") << draw.args[i];
    if (!draw.text.empty()) out << (draw.args.empty() ? "" : ", ") << QuotedText(draw.text);
    out << ")\n";
  }
  out << "  unchecked packets:\n";
  for (const Packet& p : c.UncheckedSent()) out << "    " << HexText(p) << "\n";
  out << "  unchecked host calls:\n";
  for (const std::string& call : c.UncheckedHostCalls()) out << "    " << call << "\n";
  out << "  unchecked debugger output:\n";
  for (const std::string& text : c.UncheckedDebugLines()) out << "    " << QuotedText(text) << "\n";
  out << "  host opcodes of the last message:";
  for (int opcode : c.Sim().LastHostOpcodes()) out << " " << opcode;
  out << "\n  open windows:\n";
  for (const WindowSeen& w : OpenWindows(c.Sim())) {
    out << "    " << QuotedText(w.title) << " " << w.set << " at " << w.x << " " << w.y << " size "
        << w.w << " " << w.h << "\n";
  }
  out << "  web requests:";
  for (const std::string& target : c.Web().Requests()) out << " " << target;
  out << "\n  unchecked message boxes:\n";
  for (const auto& box : c.UncheckedMessageBoxes()) {
    out << "    " << QuotedText(box.caption) << " " << QuotedText(box.text) << "\n";
  }
  out << "  unchecked opened pages:\n";
  for (const std::string& page : c.UncheckedOpenedPages())
    out << "    " << QuotedText(page) << "\n";
}

// How often the web server was asked for TARGET (its path with any query)
// since the scenario began.
void ExpectFetched(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  const std::string& target = StringArg(line, 0).text;
  const auto expected = static_cast<size_t>(ParseInteger(line.args[1], line.line, 0, INT32_MAX));
  size_t got = 0;
  std::string all;
  for (const std::string& request : c.Web().Requests()) {
    if (request == target) ++got;
    all += " " + request;
  }
  c.Expect(got == expected, line.line,
           QuotedText(target) + " fetched " + std::to_string(expected) + " times",
           std::to_string(got) + " times; requests:" + (all.empty() ? " none" : all));
}

}  // namespace

void RegisterCheckCommands(CommandTable& table) {
  table.Add("expect-host", &ExpectHost);
  table.Add("expect-layout", &ExpectLayout);
  table.Add("expect-file", &ExpectFile, Needs::Nothing, Block::WithOneArgument);
  table.Add("expect-no-file", &ExpectNoFile);
  table.Add("expect-debug", &ExpectDebug);
  table.Add("expect-host-call", &ExpectHostCall);
  table.Add("expect-no-host-call", &ExpectNoHostCall);
  table.Add("expect-fetched", &ExpectFetched);
  table.Add("dump", &Dump);
}

}  // namespace sim::scenario
