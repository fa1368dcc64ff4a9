#include "sim/scenario/command_table.h"

#include <fstream>
#include <sstream>

#include "host/host_memory.h"
#include "sim/address_space.h"
#include "sim/scenario/fields.h"

namespace sim::scenario {

const CommandTable& CommandTable::All() {
  static const CommandTable table = [] {
    CommandTable t;
    RegisterSetupCommands(t);
    RegisterMessageCommands(t);
    RegisterCheckCommands(t);
    RegisterViewCommands(t);
    RegisterInputCommands(t);
    RegisterHostInterfaceCommands(t);
    return t;
  }();
  return table;
}

void CommandTable::Add(const std::string& name, CommandFunction run, Needs needs, Block block) {
  commands_[name] = {run, needs, block};
}

const CommandSpec& CommandTable::Find(const ScriptLine& line) const {
  auto it = commands_.find(line.command);
  if (it == commands_.end()) throw ScriptError(line.line, "unknown command: " + line.command);
  return it->second;
}

bool CommandTable::TakesBlock(const ScriptLine& line) const {
  const Block block = Find(line).block;
  return block == Block::Always || (block == Block::WithOneArgument && line.args.size() == 1);
}

void RequireArgs(const ScriptLine& line, size_t minimum, size_t maximum) {
  const size_t count = line.args.size();
  if (count >= minimum && count <= maximum) return;
  std::string wanted = std::to_string(minimum);
  if (maximum != minimum) {
    wanted += maximum == SIZE_MAX ? " or more" : " to " + std::to_string(maximum);
  }
  throw ScriptError(line.line, line.command + " takes " + wanted + " argument(s), got " +
                                   std::to_string(count));
}

const Token& StringArg(const ScriptLine& line, size_t index) {
  const Token& token = line.args.at(index);
  if (token.kind != Token::Kind::String) {
    throw ScriptError(line.line, line.command + ": expected a quoted string, got " + token.text);
  }
  return token;
}

const std::string& WordArg(const ScriptLine& line, size_t index) {
  const Token& token = line.args.at(index);
  if (token.kind != Token::Kind::Word) {
    throw ScriptError(line.line, line.command + ": expected a word, got \"" + token.text + "\"");
  }
  return token.text;
}


std::string ContentArg(const Context& context, const ScriptLine& line, size_t index) {
  if (line.block) return *line.block;
  const size_t count = line.args.size();
  if (count == index + 1) return StringArg(line, index).text;
  if (count == index + 2 && WordArg(line, index) == "hex") {
    const std::vector<uint8_t> bytes = ParseHexBytes(line.args[index + 1], line.line);
    return std::string(bytes.begin(), bytes.end());
  }
  if (count == index + 2 && WordArg(line, index) == "file") {
    return ScenarioFileContent(context, line.args[index + 1], line.line);
  }
  throw ScriptError(line.line,
                    line.command + ": expected a content block, \"STRING\", hex BYTES or file PATH");
}

std::string ScenarioFileContent(const Context& context, const Token& path, int line) {
  const std::string full = context.ScenarioRelativePath(path, line);
  std::ifstream in(full, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  if (!in) throw ScriptError(line, "cannot read " + full);
  return content.str();
}

uint32_t HostAddressArg(Context& c, const ScriptLine& line, size_t index, int width) {
  const auto address =
      static_cast<uint32_t>(ParseInteger(line.args.at(index), line.line, 0, 0xFFFFFFFF));
  const bool inLibraryData = c.Sim().Library().IsLibraryData(address, static_cast<uint32_t>(width));
  if (!AddressSpace::Contains(address, width) && !inLibraryData) {
    throw ScriptError(line.line, line.command + ": address outside the host's memory: " +
                                     line.args[index].text);
  }
  return address;
}

}  // namespace sim::scenario
