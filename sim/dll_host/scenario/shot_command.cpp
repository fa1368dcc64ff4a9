// `shot NAME.png` in quorlan-host32: this host has no software renderer, so
// the picture of the frame is its draw calls, one line each as the record
// writes them, in NAME.png.draws beside where the simulator writes NAME.png.
#include <fstream>

#include "sim/record/record_text.h"
#include "sim/scenario/command_table.h"
#include "sim/simulator.h"

namespace sim::scenario {
namespace {

void Shot(Context& c, const ScriptLine& line) {
  const std::string path = ShotPath(c, line) + ".draws";
  ShotCaption(line);  // a caption that is not a quoted string is a broken line here too
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const DrawCall& call : c.Sim().Host().Draws()) out << record::DrawLine(call) << "\n";
  out.flush();
  c.Expect(static_cast<bool>(out), line.line, "picture " + path, "it could not be written");
}

}  // namespace

void RegisterShotCommand(CommandTable& table) { table.Add("shot", &Shot); }

}  // namespace sim::scenario
