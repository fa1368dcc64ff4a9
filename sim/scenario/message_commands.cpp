// Server and client: server, expect-sent, expect-no-sent, clear-sent,
// expect-host-opcodes.
#include "sim/scenario/command_table.h"
#include "sim/scenario/fields.h"

namespace sim::scenario {
namespace {

std::string OpcodeList(const std::vector<int>& opcodes) {
  if (opcodes.empty()) return "none";
  std::string text;
  for (int opcode : opcodes) {
    if (!text.empty()) text += ' ';
    text += std::to_string(opcode);
  }
  return text;
}

// The message enters the host's own parsing loop, which reaches the library
// only through the patched call site.
void Server(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, SIZE_MAX);
  c.RecordHostOpcodes(c.Sim().ServerMessage(EncodeFields(line.args, 0, line.line)));
}

void ExpectSent(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, SIZE_MAX);
  if (WordArg(line, 0) != "u8") throw ScriptError(line.line, "a packet starts with its opcode (u8)");
  const std::vector<uint8_t> expected = EncodeFields(line.args, 0, line.line);
  const std::optional<Packet> sent = c.TakeSent();
  c.Expect(sent == expected, line.line, "packet " + HexText(expected),
           sent ? HexText(*sent) : "no packet");
}

void ExpectNoSent(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  const std::vector<Packet> left = c.UncheckedSent();
  c.Expect(left.empty(), line.line, "no unchecked packet",
           left.empty() ? "" : std::to_string(left.size()) + " packet(s)");
}

void ClearSent(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  c.ClearSent();
}

void ExpectHostOpcodes(Context& c, const ScriptLine& line) {
  std::vector<int> expected;
  for (const Token& token : line.args) {
    expected.push_back(static_cast<int>(ParseInteger(token, line.line, -1, 255)));
  }
  const std::vector<int>& got = c.Sim().LastHostOpcodes();
  c.Expect(got == expected, line.line, "host opcodes " + OpcodeList(expected), OpcodeList(got));
}

}  // namespace

void RegisterMessageCommands(CommandTable& table) {
  table.Add("server", &Server, Needs::Library);
  table.Add("expect-sent", &ExpectSent);
  table.Add("expect-no-sent", &ExpectNoSent);
  table.Add("clear-sent", &ClearSent);
  table.Add("expect-host-opcodes", &ExpectHostOpcodes);
}

}  // namespace sim::scenario
