// Expectations about what the user sees (texts, windows) and pictures of the
// last frame.
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "host/host_memory.h"
#include "sim/scenario/command_table.h"
#include "sim/scenario/fields.h"
#include "sim/scenario/picture_files.h"
#include "sim/scenario/screen_queries.h"

namespace sim::scenario {
namespace {

// The host variable that names the renderer kind in use (0 DirectDraw, 1
// OpenGL, 2 Direct3D 9).
constexpr uint32_t kRendererKindVariable = 0x79DA6C;

std::string Joined(const std::vector<TextSeen>& texts) {
  std::string out;
  for (const TextSeen& t : texts) {
    if (!out.empty()) out += " ";
    out += QuotedText(t.text);
  }
  return out.empty() ? "no text" : out;
}

std::string WindowsText(Simulator& simulator) {
  std::string out;
  for (const WindowSeen& w : OpenWindows(simulator)) {
    if (!out.empty()) out += ", ";
    out += QuotedText(w.title);
  }
  return out.empty() ? "no window" : out;
}

void ExpectText(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& text = StringArg(line, 0).text;
  const auto& draws = c.Sim().Host().Draws();
  c.Expect(FindText(draws, text, 1).has_value(), line.line, "text " + QuotedText(text),
           Joined(TextsOf(draws)));
}

// The pictures (textures) the last frame drew: `expect-picture "NAME" N`
// counts those that show a file named NAME (one of the scenario's files of
// that name as it is now, as the host's renderer kind shows it);
// `expect-picture "NAME" X Y W H` asks for one drawn into that rectangle.
// `expect-picture file FIXTURE ...` does the same for the file FIXTURE
// beside the scenario. A picture replaced on disk no longer counts until the
// draw shows the new pixels.
void ExpectPicture(Context& c, const ScriptLine& line) {
  const bool fixture = !line.args.empty() && line.args[0].kind == Token::Kind::Word &&
                       line.args[0].text == "file";
  const size_t first = fixture ? 1 : 0;  // the argument after the picture's name
  if (line.args.size() != first + 2) RequireArgs(line, first + 5, first + 5);
  const std::string& name = StringArg(line, first).text;
  const Folders& folders = c.Sim().folders();
  const uint32_t kind = host::Read<uint32_t>(kRendererKindVariable);
  std::vector<DrawnPicture> shown;
  const std::vector<std::string> files =
      fixture ? std::vector<std::string>{c.ScenarioRelativePath(line.args[first], line.line)}
              : FilesNamed({folders.user, folders.data, folders.appdata}, name);
  for (const std::string& file : files) {
    if (std::optional<DrawnPicture> picture = ShownPictureOfFile(file, kind)) {
      shown.push_back(std::move(*picture));
    }
  }
  std::vector<std::vector<int32_t>> places;
  std::string seen;
  for (const DrawCall& call : c.Sim().Host().Draws()) {
    if (call.name != kTextureDraw || call.args.size() < 6 || call.picture == nullptr) continue;
    const DrawnPicture drawn = Normalized(*call.picture);
    const bool showsName = std::any_of(shown.begin(), shown.end(), [&](const DrawnPicture& p) {
      return p.width == drawn.width && p.height == drawn.height && p.rgba == drawn.rgba;
    });
    const std::string rect = std::to_string(call.args[2]) + " " + std::to_string(call.args[3]) +
                             " " + std::to_string(call.args[4]) + " " +
                             std::to_string(call.args[5]);
    seen += (seen.empty() ? "" : ", ") +
            (showsName ? QuotedText(name) : "a picture " + std::to_string(drawn.width) + "x" +
                                                 std::to_string(drawn.height)) +
            " at " + rect;
    if (showsName) places.push_back({call.args[2], call.args[3], call.args[4], call.args[5]});
  }
  if (seen.empty()) seen = "no picture";
  if (line.args.size() == first + 2) {
    const auto expected =
        static_cast<size_t>(ParseInteger(line.args[first + 1], line.line, 0, INT32_MAX));
    c.Expect(places.size() == expected, line.line,
             QuotedText(name) + " drawn " + std::to_string(expected) + " times", seen);
    return;
  }
  std::vector<int32_t> wanted;
  for (size_t i = first + 1; i < first + 5; ++i) {
    wanted.push_back(
        static_cast<int32_t>(ParseInteger(line.args[i], line.line, INT32_MIN, INT32_MAX)));
  }
  bool found = false;
  for (const auto& place : places) found = found || place == wanted;
  c.Expect(found, line.line,
           QuotedText(name) + " drawn at " + line.args[first + 1].text + " " +
               line.args[first + 2].text + " " + line.args[first + 3].text + " " +
               line.args[first + 4].text,
           seen);
}

void ExpectNoText(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& text = StringArg(line, 0).text;
  c.Expect(!FindText(c.Sim().Host().Draws(), text, 1).has_value(), line.line,
           "no text " + QuotedText(text), "it was drawn");
}

void ExpectTextAt(Context& c, const ScriptLine& line) {
  RequireArgs(line, 3, 3);
  const auto x = static_cast<int32_t>(ParseInteger(line.args[0], line.line, INT32_MIN, INT32_MAX));
  const auto y = static_cast<int32_t>(ParseInteger(line.args[1], line.line, INT32_MIN, INT32_MAX));
  const std::string& text = StringArg(line, 2).text;
  std::string places;
  bool found = false;
  for (const TextSeen& t : TextsOf(c.Sim().Host().Draws())) {
    if (t.text != text) continue;
    found = found || (t.x == x && t.y == y);
    if (!places.empty()) places += ", ";
    places += std::to_string(t.x) + " " + std::to_string(t.y);
  }
  c.Expect(found, line.line,
           QuotedText(text) + " at " + std::to_string(x) + " " + std::to_string(y),
           places.empty() ? "not drawn" : "drawn at " + places);
}

// expect-text-colour R G B "T": the last frame drew exactly T in that colour
// (somewhere; other places of T may have other colours).
void ExpectTextColour(Context& c, const ScriptLine& line) {
  RequireArgs(line, 4, 4);
  int32_t rgb[3];
  for (int i = 0; i < 3; ++i) rgb[i] = static_cast<int32_t>(ParseInteger(line.args[i], line.line, 0, 255));
  const std::string& text = StringArg(line, 3).text;
  std::string colours;
  bool found = false;
  for (const TextSeen& t : TextsOf(c.Sim().Host().Draws())) {
    if (t.text != text) continue;
    found = found || (t.red == rgb[0] && t.green == rgb[1] && t.blue == rgb[2]);
    if (!colours.empty()) colours += ", ";
    colours += std::to_string(t.red) + " " + std::to_string(t.green) + " " + std::to_string(t.blue);
  }
  c.Expect(found, line.line,
           QuotedText(text) + " in " + line.args[0].text + " " + line.args[1].text + " " +
               line.args[2].text,
           colours.empty() ? "not drawn" : "drawn in " + colours);
}

// expect-skin SRCX SRCY [X Y]: the last frame copied a region of sheet 4
// whose corner is (SRCX, SRCY) (to (X, Y) when given): which picture of the
// sheet a control chose.
void ExpectSkin(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 4);
  if (line.args.size() == 3) RequireArgs(line, 4, 4);
  std::vector<int32_t> wanted;
  for (const Token& arg : line.args) {
    wanted.push_back(static_cast<int32_t>(ParseInteger(arg, line.line, INT32_MIN, INT32_MAX)));
  }
  constexpr int32_t kToolkitSheet = 4;
  std::string places;
  bool found = false;
  for (const DrawCall& call : c.Sim().Host().Draws()) {
    if (call.name != "HostDrawSkin" || call.args.size() < 8 || call.args[3] != kToolkitSheet) continue;
    if (call.args[4] != wanted[0] || call.args[5] != wanted[1]) continue;
    found = found || wanted.size() == 2 || (call.args[1] == wanted[2] && call.args[2] == wanted[3]);
    if (!places.empty()) places += ", ";
    places += std::to_string(call.args[1]) + " " + std::to_string(call.args[2]);
  }
  std::string what = "sheet 4 at " + line.args[0].text + " " + line.args[1].text + " copied";
  if (wanted.size() == 4) what += " to " + line.args[2].text + " " + line.args[3].text;
  c.Expect(found, line.line, what, places.empty() ? "not copied" : "copied to " + places);
}

}  // namespace

std::string ShotPath(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 2);
  const std::string& name = line.args[0].text;
  if (name.empty() || name.find('/') != std::string::npos) {
    throw ScriptError(line.line, "shot: a plain file name is needed, got " + name);
  }
  std::filesystem::create_directories(c.Options().shotsFolder);
  return c.Options().shotsFolder + "/" + name;
}

std::string ShotCaption(const ScriptLine& line) {
  return line.args.size() > 1 ? StringArg(line, 1).text : "";
}

namespace {

void ExpectWindow(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& title = StringArg(line, 0).text;
  c.Expect(FindWindow(c.Sim(), title).has_value(), line.line, "window " + QuotedText(title), WindowsText(c.Sim()));
}

void ExpectNoWindow(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& title = StringArg(line, 0).text;
  c.Expect(!FindWindow(c.Sim(), title).has_value(), line.line, "no window " + QuotedText(title),
           WindowsText(c.Sim()));
}

}  // namespace

void RegisterViewCommands(CommandTable& table) {
  table.Add("expect-text", &ExpectText);
  table.Add("expect-no-text", &ExpectNoText);
  table.Add("expect-text-at", &ExpectTextAt);
  table.Add("expect-text-colour", &ExpectTextColour);
  table.Add("expect-picture", &ExpectPicture);
  table.Add("expect-skin", &ExpectSkin);
  table.Add("expect-window", &ExpectWindow);
  table.Add("expect-no-window", &ExpectNoWindow);
  RegisterShotCommand(table);
}

}  // namespace sim::scenario
