// `shot NAME.png` in quorlan-host32: this host has no software renderer, so
// the picture of the frame is its draw calls, one line each as the record
// writes them, in NAME.png.draws beside where the simulator writes NAME.png.
#include <filesystem>
#include <fstream>

#include "sim/record/record_text.h"
#include "sim/scenario/command_table.h"
#include "sim/simulator.h"

namespace sim::scenario {
namespace {

void Shot(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& name = line.args[0].text;
  if (name.empty() || name.find('/') != std::string::npos) {
    throw ScriptError(line.line, "shot: a plain file name is needed, got " + name);
  }
  std::filesystem::create_directories(c.Options().shotsFolder);
  const std::string path = c.Options().shotsFolder + "/" + name + ".draws";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const DrawCall& call : c.Sim().Host().Draws()) out << record::DrawLine(call) << "\n";
  out.flush();
  c.Expect(static_cast<bool>(out), line.line, "picture " + path, "it could not be written");
}

}  // namespace

void RegisterShotCommand(CommandTable& table) { table.Add("shot", &Shot); }

}  // namespace sim::scenario
