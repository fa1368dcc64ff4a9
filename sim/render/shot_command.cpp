// `shot NAME.png ["CAPTION"]`: the last frame as a picture, drawn by the
// software renderer (the simulator; quorlan-host32 draws no pictures). A
// captioned picture is also listed in the shots folder's index.html.
#include "sim/render/png_writer.h"
#include "sim/render/renderer.h"
#include "sim/render/shot_index.h"
#include "sim/scenario/command_table.h"

namespace sim::scenario {
namespace {

void Shot(Context& c, const ScriptLine& line) {
  const std::string path = ShotPath(c, line);
  const Framebuffer frame = RenderFrame(c.Sim().Host().Draws(), c.Sim().Width(), c.Sim().Height());
  c.Expect(WritePng(frame, path), line.line, "picture " + path, "it could not be written");
  const std::string caption = ShotCaption(line);
  if (caption.empty()) return;
  const std::string& folder = c.Options().shotsFolder;
  c.Expect(AddToShotIndex(folder, {line.args[0].text, caption}), line.line,
           "index " + folder + "/index.html", "it could not be written");
}

}  // namespace

void RegisterShotCommand(CommandTable& table) { table.Add("shot", &Shot); }

}  // namespace sim::scenario
