// Expectations about what the user sees (texts, windows) and pictures of the
// last frame.
#include <filesystem>
#include <ostream>

#include "sim/scenario/command_table.h"
#include "sim/scenario/fields.h"
#include "sim/scenario/screen_queries.h"

namespace sim::scenario {
namespace {

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
// counts those whose file is NAME; `expect-picture "NAME" X Y W H` asks for
// one drawn into that rectangle.
void ExpectPicture(Context& c, const ScriptLine& line) {
  if (line.args.size() != 2) RequireArgs(line, 5, 5);
  const std::string& name = StringArg(line, 0).text;
  std::vector<std::vector<int32_t>> places;
  std::string seen;
  for (const DrawCall& call : c.Sim().Host().Draws()) {
    if (call.name != kTextureDraw || call.args.size() < 6) continue;
    // The library builds its paths the Windows way.
    const std::string file = call.text.substr(call.text.find_last_of("/\\") + 1);
    const std::string rect = std::to_string(call.args[2]) + " " + std::to_string(call.args[3]) +
                             " " + std::to_string(call.args[4]) + " " +
                             std::to_string(call.args[5]);
    seen += (seen.empty() ? "" : ", ") + QuotedText(file) + " at " + rect;
    if (file == name) places.push_back({call.args[2], call.args[3], call.args[4], call.args[5]});
  }
  if (seen.empty()) seen = "no picture";
  if (line.args.size() == 2) {
    const auto expected = static_cast<size_t>(ParseInteger(line.args[1], line.line, 0, INT32_MAX));
    c.Expect(places.size() == expected, line.line,
             QuotedText(name) + " drawn " + std::to_string(expected) + " times", seen);
    return;
  }
  std::vector<int32_t> wanted;
  for (size_t i = 1; i < 5; ++i) {
    wanted.push_back(
        static_cast<int32_t>(ParseInteger(line.args[i], line.line, INT32_MIN, INT32_MAX)));
  }
  bool found = false;
  for (const auto& place : places) found = found || place == wanted;
  c.Expect(found, line.line,
           QuotedText(name) + " drawn at " + line.args[1].text + " " + line.args[2].text + " " +
               line.args[3].text + " " + line.args[4].text,
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
  table.Add("expect-picture", &ExpectPicture);
  table.Add("expect-window", &ExpectWindow);
  table.Add("expect-no-window", &ExpectNoWindow);
  RegisterShotCommand(table);
}

}  // namespace sim::scenario
