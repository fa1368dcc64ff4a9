// Writes the fuzz targets' seed inputs, made from what the tests know:
//   fuzz_seeds OUT SCENARIOS
// - OUT/appearance_fuzz: appearance files built with sim/appearance_writer.h,
//   together using every attribute of both encodings, outfits of one and two
//   groups (and one type twice), animators and market names, and a file
//   cut short.
// - OUT/server_message_fuzz: the `server` lines of each scenario file in
//   SCENARIOS as one input, and for every opcode registered with the
//   dispatcher after attach one input with that opcode and a zero payload,
//   so a feature's opcodes are seeded as soon as it registers them.
// - OUT/status_document_fuzz: the status documents the scenarios serve
//   (their `http /api/status.php` bodies and the .json files beside them).
// - OUT/saved_accounts_fuzz: a Chars.acc with both line ends, a line too
//   long and an account without its password, and those the scenarios
//   leave in the user folder.
// - OUT/png_fuzz, OUT/png_file_fuzz: the pictures beside the scenarios.
// - OUT/window_state_fuzz: the WindowState.dat files the scenarios leave in
//   the user folder, an empty file and one with a byte after its first.
// - OUT/json_find_value_fuzz: the status documents as they are (scanned for
//   both keys), and each behind the key "online" and a NUL.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "message_framing.h"
#include "protocol/dispatcher.h"
#include "features/hotkeys/presets_file.h"
#include "sim/appearance_writer.h"
#include "sim/scenario/fields.h"
#include "sim/scenario/script.h"
#include "sim/simulator.h"

namespace {

namespace fs = std::filesystem;
using appearance::Category;
using namespace sim::appearance_file;

void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

// ---- appearance files -------------------------------------------------------

std::vector<std::vector<uint8_t>> AppearanceFiles() {
  std::vector<std::vector<uint8_t>> files;

  // Every attribute number of the table once, raw bytes of both sections.
  AppearanceFileWriter attributes;
  std::vector<Attribute> all;
  for (uint8_t n = 0; n <= 37; ++n) {
    if (n == 0 || n == 8 || n == 9 || n == 25 || n == 28 || n == 29 || n == 32 || n == 34) {
      all.push_back(Values(n, {static_cast<uint16_t>(n * 3)}));
    } else if (n == 21 || n == 24) {
      all.push_back(Values(n, {1, 2}));
    } else if (n == 33) {
      all.push_back(Market(1, 2, 3, "blue robe", 4, 5));
    } else {
      all.push_back(Flag(n));
    }
  }
  attributes.Set(Category::Item, 100, {.attributes = all});
  attributes.Set(Category::Item, 101,
                 {.attributes = {Raw(16), Raw(200), Raw(253), Raw(254)},
                  .section1Attributes = {{Raw(36), Raw(38), Raw(254), Raw(34, {7})}}});
  files.push_back(attributes.Bytes());

  // Groups: sizes, exact size, animators, outfits of one and two groups.
  AppearanceFileWriter groups;
  groups.Set(Category::Item, 100,
             {.groups = {Group{.width = 2, .height = 2, .exactSize = 64, .patternX = 2,
                               .frames = 3,
                               .animation = Animation{.mode = 0, .loops = 2, .start = -1,
                                                      .durations = {{100, 300}, {0xFFFFFF9C, 50},
                                                                    {400, 200}}}}}});
  groups.Set(Category::Outfit, 1,
             {.attributes = {Values(24, {8, 6})},
              .groups = {Group{.type = 0, .patternZ = 2},
                         Group{.type = 1, .width = 2, .exactSize = 64, .frames = 2}}});
  groups.Set(Category::Outfit, 2, {.groups = {Group{.type = 1, .frames = 4}}});
  groups.Set(Category::Outfit, 3,
             {.groups = {Group{.type = 1, .frames = 2}, Group{.type = 1, .patternY = 2}}});
  groups.Set(Category::Effect, 13,
             {.groups = {Group{.frames = 3, .animation = Animation{.loops = 1, .start = 2}}}});
  groups.Set(Category::Missile, 1, {.groups = {Group{.patternX = 3, .patternY = 3}}});
  files.push_back(groups.Bytes());
  files.push_back(std::vector<uint8_t>(files.back().begin(),
                                       files.back().begin() + files.back().size() / 2));

  // The smallest file: every category empty but the 99 default items.
  files.push_back(AppearanceFileWriter().Bytes());
  return files;
}

// ---- server messages ----------------------------------------------------------

std::string ReadText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Calls `take` with the tokens and the number of each command line of a
// scenario file; the lines of content blocks, which are no commands, are
// passed over.
template <typename Take>
void ForEachCommandLine(const fs::path& path, Take take) {
  std::istringstream lines(ReadText(path));
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    try {
      take(sim::scenario::Tokenize(line, number), number);
    } catch (const sim::scenario::ScriptError&) {
      // a line of a content block, not a command
    }
  }
}

// The `server` lines of a scenario file, as one input.
std::vector<uint8_t> ScenarioMessages(const fs::path& path) {
  std::vector<uint8_t> input;
  ForEachCommandLine(path, [&](const auto& tokens, int number) {
    if (tokens.empty() || tokens[0].text != "server") return;
    fuzz::AppendMessage(input, sim::scenario::EncodeFields(tokens, 1, number));
  });
  return input;
}

// The bodies a scenario's `http /api/status.php ... "BODY"` lines serve.
std::vector<std::string> StatusBodies(const fs::path& path) {
  std::vector<std::string> bodies;
  ForEachCommandLine(path, [&](const auto& tokens, int) {
    if (tokens.size() < 3 || tokens[0].text != "http" || tokens[1].text != "/api/status.php") {
      return;
    }
    if (tokens.back().kind == sim::scenario::Token::Kind::String) {
      bodies.push_back(tokens.back().text);
    }
  });
  return bodies;
}

// The inline contents ("STRING" or hex BYTES) a scenario's `file` lines
// leave at a path ending in `name`.
std::vector<std::string> ScenarioFileContents(const fs::path& path, const std::string& name) {
  std::vector<std::string> contents;
  ForEachCommandLine(path, [&](const auto& tokens, int number) {
    if (tokens.size() < 3 || tokens[0].text != "file" || !tokens[1].text.ends_with(name)) {
      return;
    }
    if (tokens.size() == 3 && tokens[2].kind == sim::scenario::Token::Kind::String) {
      contents.push_back(tokens[2].text);
    } else if (tokens.size() == 4 && tokens[2].text == "hex") {
      const std::vector<uint8_t> bytes = sim::scenario::ParseHexBytes(tokens[3], number);
      contents.emplace_back(bytes.begin(), bytes.end());
    }
  });
  return contents;
}

// The opcodes the dispatcher has owners for once the library is attached.
std::vector<int> RegisteredOpcodes() {
  sim::Simulator simulator;
  simulator.Start();
  std::vector<int> opcodes;
  for (int opcode = protocol::kFirstTableOpcode; opcode <= protocol::kLastTableOpcode; ++opcode) {
    if (protocol::OpcodeOwner(opcode) != nullptr) opcodes.push_back(opcode);
  }
  return opcodes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_seeds OUT SCENARIOS\n");
    return 2;
  }
  try {
    const fs::path out = argv[1];
    const fs::path appearance = out / "appearance_fuzz";
    const fs::path messages = out / "server_message_fuzz";
    fs::create_directories(appearance);
    fs::create_directories(messages);
    const fs::path hotkeyFiles = out / "hotkeys_files_fuzz";
    fs::create_directories(hotkeyFiles);
    const std::string defaults = hotkeys::JoinLines(hotkeys::DefaultPresetsFile());
    Write(hotkeyFiles / "default", std::vector<uint8_t>(defaults.begin(), defaults.end()));
    const std::string sample =
        "AutoSwitch = 1\r\n[Knight]\r\nHotkey = (0,\"say \\\"x\\\")\\n\",3031,7,2)\r\n"
        "ConfineFramerate = 1\nHotkeyUseOnSelf=1\n[]\n";
    Write(hotkeyFiles / "sample", std::vector<uint8_t>(sample.begin(), sample.end()));
    // The version files the updater scenarios serve.
    const fs::path versionFiles = out / "version_file_fuzz";
    fs::create_directories(versionFiles);
    for (const char* folder : {"new", "old"}) {
      std::ifstream in(fs::path(argv[2]) / "updater_files" / folder / "version.php", std::ios::binary);
      const std::string text((std::istreambuf_iterator<char>(in)), {});
      if (!text.empty()) {
        Write(versionFiles / folder, std::vector<uint8_t>(text.begin(), text.end()));
      }
    }
    const std::string lineEnd = "1 22 333 4444 4294967295\r\n";
    Write(versionFiles / "line_end", std::vector<uint8_t>(lineEnd.begin(), lineEnd.end()));

    // Status documents: the scenarios' bodies of /api/status.php and the
    // files beside them, so every member the scans know is seeded.
    // The same documents seed the status bar's scan, as they are and
    // behind a key of their own.
    const fs::path statusDocuments = out / "status_document_fuzz";
    const fs::path jsonValues = out / "json_find_value_fuzz";
    fs::create_directories(statusDocuments);
    fs::create_directories(jsonValues);
    const auto writeDocument = [&](const std::string& name, const std::string& text) {
      Write(statusDocuments / name, std::vector<uint8_t>(text.begin(), text.end()));
      Write(jsonValues / name, std::vector<uint8_t>(text.begin(), text.end()));
      const std::string keyed = std::string("online", 7) + text;  // the key and its NUL
      Write(jsonValues / (name + "_keyed"), std::vector<uint8_t>(keyed.begin(), keyed.end()));
    };
    for (const auto& entry : fs::recursive_directory_iterator(argv[2])) {
      if (entry.path().extension() == ".json") {
        writeDocument(entry.path().stem().string(), ReadText(entry.path()));
      }
      if (entry.path().extension() == ".scn") {
        int n = 0;
        for (const std::string& body : StatusBodies(entry.path())) {
          writeDocument(entry.path().stem().string() + std::to_string(n++), body);
        }
      }
    }

    // WindowState.dat: what the scenarios leave, an empty file, and a byte
    // after the first.
    const fs::path windowStates = out / "window_state_fuzz";
    fs::create_directories(windowStates);
    Write(windowStates / "empty", {});
    Write(windowStates / "two_bytes", {0, 1});
    for (const auto& entry : fs::directory_iterator(argv[2])) {
      if (entry.path().extension() != ".scn") continue;
      int n = 0;
      for (const std::string& content : ScenarioFileContents(entry.path(), "WindowState.dat")) {
        Write(windowStates / (entry.path().stem().string() + std::to_string(n++)),
              std::vector<uint8_t>(content.begin(), content.end()));
      }
    }

    // Saved accounts: both line ends, a line longer than a field holds, and
    // an account left without its password.
    const fs::path accountFiles = out / "saved_accounts_fuzz";
    fs::create_directories(accountFiles);
    const std::string accounts =
        "mira\nsecret\r\naldric\n" + std::string(70, 'x') + "\nlone account\n";
    Write(accountFiles / "sample", std::vector<uint8_t>(accounts.begin(), accounts.end()));
    for (const auto& entry : fs::directory_iterator(argv[2])) {
      if (entry.path().extension() != ".scn") continue;
      int n = 0;
      for (const std::string& content : ScenarioFileContents(entry.path(), "Chars.acc")) {
        Write(accountFiles / (entry.path().stem().string() + std::to_string(n++)),
              std::vector<uint8_t>(content.begin(), content.end()));
      }
    }

    // Pictures: every PNG file beside the scenarios (the store's pictures,
    // a broken one among them).
    for (const char* target : {"png_fuzz", "png_file_fuzz"}) {
      const fs::path pictures = out / target;
      fs::create_directories(pictures);
      for (const auto& entry : fs::recursive_directory_iterator(argv[2])) {
        if (entry.path().extension() != ".png") continue;
        const std::string bytes = ReadText(entry.path());
        Write(pictures / entry.path().stem(), std::vector<uint8_t>(bytes.begin(), bytes.end()));
      }
    }

    int written = 0;
    for (const auto& file : AppearanceFiles()) {
      Write(appearance / ("file" + std::to_string(written++)), file);
    }
    for (const auto& entry : fs::directory_iterator(argv[2])) {
      if (entry.path().extension() != ".scn") continue;
      const std::vector<uint8_t> input = ScenarioMessages(entry.path());
      if (!input.empty()) Write(messages / entry.path().stem(), input);
    }
    for (const int opcode : RegisteredOpcodes()) {
      std::vector<uint8_t> message(33, 0);
      message[0] = static_cast<uint8_t>(opcode);
      Write(messages / ("opcode" + std::to_string(opcode)), message);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "fuzz_seeds: %s\n", error.what());
    return 1;
  }
  return 0;
}
