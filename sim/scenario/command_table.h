// The scenario commands by name. Each command is one function; a group of
// commands registers itself in one Register...Commands function, and a new
// command needs nothing but its function and one Add line.
#pragma once

#include <map>
#include <string>

#include "sim/scenario/context.h"
#include "sim/scenario/script.h"

namespace sim::scenario {

using CommandFunction = void (*)(Context& context, const ScriptLine& line);

enum class Needs {
  Nothing,  // runs on the host whether or not the library is attached
  Library,  // attaches the library first (an implicit `start`)
};

// Whether the command reads a content block after its line.
enum class Block {
  Never,
  WithOneArgument,  // `file PATH` + block, but `file PATH "STRING"` has none
  Always,           // the command's content is its block
};

struct CommandSpec {
  CommandFunction run = nullptr;
  Needs needs = Needs::Nothing;
  Block block = Block::Never;
};

class CommandTable {
 public:
  // Every command the runner knows.
  static const CommandTable& All();

  void Add(const std::string& name, CommandFunction run, Needs needs = Needs::Nothing,
           Block block = Block::Never);
  // Throws ScriptError for an unknown command.
  const CommandSpec& Find(const ScriptLine& line) const;
  bool TakesBlock(const ScriptLine& line) const;

 private:
  std::map<std::string, CommandSpec> commands_;
};

// The groups, one file each.
void RegisterSetupCommands(CommandTable& table);
void RegisterMessageCommands(CommandTable& table);
void RegisterCheckCommands(CommandTable& table);
void RegisterViewCommands(CommandTable& table);
// `shot NAME.png ["CAPTION"]`: the simulator renders the frame into a
// picture (a caption also lists it in the folder's index.html),
// quorlan-host32 writes its draw calls (NAME.png.draws).
void RegisterShotCommand(CommandTable& table);
// Where `shot NAME` writes (the shots folder, made if missing), the name
// checked to be a plain file name.
std::string ShotPath(Context& c, const ScriptLine& line);
// The caption of `shot NAME "CAPTION"`, "" when none is given.
std::string ShotCaption(const ScriptLine& line);
void RegisterInputCommands(CommandTable& table);
void RegisterHostInterfaceCommands(CommandTable& table);

// Argument helpers for command functions: each throws ScriptError naming
// the line when the arguments are not as the command needs them.
void RequireArgs(const ScriptLine& line, size_t minimum, size_t maximum);
const Token& StringArg(const ScriptLine& line, size_t index);
const std::string& WordArg(const ScriptLine& line, size_t index);
// File content written after a path at args[index - 1]: the content block,
// a "STRING" (escapes kept), `hex BYTES` or `file PATH` (a file beside the
// scenario, read whole).
std::string ContentArg(const Context& context, const ScriptLine& line, size_t index);
// The whole content of a file named relative to the scenario's folder.
std::string ScenarioFileContent(const Context& context, const Token& path, int line);
// A host address that `width` bytes at it may be read or written at;
// anything outside the simulated host's memory is refused.
uint32_t HostAddressArg(Context& c, const ScriptLine& line, size_t index, int width);

}  // namespace sim::scenario
