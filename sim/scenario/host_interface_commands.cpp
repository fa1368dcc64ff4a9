// The host's own world as a scenario sets it up and sees it: creatures, its
// context menu, its login dialog, its appearance data, its main window's
// visibility, and the message boxes and web pages the library showed.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/creature.h"
#include "sim/address_space.h"
#include "sim/appearance_writer.h"
#include "sim/scenario/command_table.h"
#include "sim/scenario/fields.h"

namespace sim::scenario {
namespace {

constexpr uint32_t kCreatureSize = 0x100;
constexpr uint32_t kLoadDataSite = 0x4CC244;  // the host's data-file load
constexpr char kLoadContinuation[] = "host:0x45CFE0(0)";

uint32_t Number(const ScriptLine& line, size_t index, int64_t maximum = 0xFFFFFFFF) {
  return static_cast<uint32_t>(ParseInteger(line.args.at(index), line.line, 0, maximum));
}

// creature ID LOOKTYPE [MOUNT]: a creature the host knows by its id.
void Creature(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 3);
  namespace cr = host::creature;
  const uint32_t address = AddressSpace::Allocate(kCreatureSize);
  host::Write<uint32_t>(address + cr::kId, Number(line, 0));
  host::Write<uint32_t>(address + cr::kLookType, Number(line, 1));
  host::Write<uint32_t>(address + cr::kMountLookType, line.args.size() > 2 ? Number(line, 2) : 0);
  c.Sim().Host().AddCreature(Number(line, 0), address);
}

// open-menu creature ID | open-menu item ID X Y Z STACK: the host's context
// menu, opened where the mouse last was.
void OpenMenu(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 6);
  const std::string& kind = WordArg(line, 0);
  MenuTarget target;
  if (kind == "creature") {
    RequireArgs(line, 2, 2);
    target.creatureId = Number(line, 1);
  } else if (kind == "item") {
    RequireArgs(line, 6, 6);
    target.itemId = static_cast<uint16_t>(Number(line, 1, 0xFFFF));
    target.x = static_cast<uint16_t>(Number(line, 2, 0xFFFF));
    target.y = static_cast<uint16_t>(Number(line, 3, 0xFFFF));
    target.z = static_cast<uint8_t>(Number(line, 4, 0xFF));
    target.stackPosition = static_cast<uint8_t>(Number(line, 5, 0xFF));
  } else {
    throw ScriptError(line.line, "open-menu takes creature or item");
  }
  c.Sim().Interface().OpenMenu(target);
}

// Main window visibility, as the process's main-window search sees it.
template <bool Visible>
void ShowWindow(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  c.Sim().Os().mainWindowVisible = Visible;
}

// "market CATEGORY TRADEID "NAME"": the record's attribute 33, its first
// value the market category, its second the trade id, then the name (a
// quoted string with \" and \\); the attribute's other values are 0.
sim::appearance_file::Attribute MarketAttribute(std::istringstream& words, int at) {
  uint32_t category = 0, tradeId = 0;
  if (!(words >> category >> tradeId) || category > 0xFFFF || tradeId > 0xFFFF) {
    throw ScriptError(at, "expected market CATEGORY TRADEID \"NAME\"");
  }
  char c = 0;
  if (!(words >> c) || c != '"') throw ScriptError(at, "expected the market name in quotes");
  std::string name;
  while (true) {
    if (!words.get(c)) throw ScriptError(at, "the market name has no closing quote");
    if (c == '"') break;
    if (c == '\\' && !words.get(c)) throw ScriptError(at, "the market name has no closing quote");
    name.push_back(c);
  }
  if (name.size() > 0xFFFF) throw ScriptError(at, "the market name is too long");
  return sim::appearance_file::Market(static_cast<uint16_t>(category),
                                      static_cast<uint16_t>(tradeId), 0, std::move(name), 0, 0);
}

// appearance + block: the host's appearance file, one record a line
// ("item ID", "outfit ID", "effect ID" or "missile ID", then "flag N"
// any number of times, and the shape of its first frame group: "tiles W H",
// "layers N", "facings N" (pattern X), "addons N" (pattern Y), and its
// market attribute, "market CATEGORY TRADEID "NAME""; its sprites are
// numbered 1, 2, ... in file order), loaded by the host's data-file load.
void Appearance(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  namespace af = sim::appearance_file;
  af::AppearanceFileWriter writer;
  std::istringstream block(line.block.value_or(""));
  std::string text;
  int offset = 0;
  while (std::getline(block, text)) {
    ++offset;
    std::istringstream words(text);
    std::string category;
    uint32_t id = 0;
    if (!(words >> category)) continue;
    const int at = line.line + offset;
    static const std::pair<const char*, af::Category> kCategories[] = {
        {"item", af::Category::Item}, {"outfit", af::Category::Outfit},
        {"effect", af::Category::Effect}, {"missile", af::Category::Missile}};
    const af::Category* found = nullptr;
    for (const auto& [name, value] : kCategories) {
      if (category == name) found = &value;
    }
    if (found == nullptr || !(words >> id) || id > 0xFFFF) {
      throw ScriptError(at, "expected CATEGORY ID [flag N]...");
    }
    af::RecordSpec& record = writer.Set(*found, static_cast<uint16_t>(id));
    af::Group& group = record.groups.front();
    std::string word;
    uint32_t value = 0;
    // A byte-sized count of the first frame group, at least 1.
    const auto count = [&](uint8_t* field) {
      uint32_t n = 0;
      if (!(words >> n) || n == 0 || n > 255) throw ScriptError(at, "expected a count from 1 to 255");
      *field = static_cast<uint8_t>(n);
    };
    while (words >> word) {
      if (word == "flag") {
        if (!(words >> value) || value > 37) throw ScriptError(at, "expected flag N (0 to 37)");
        record.attributes.push_back(af::Flag(static_cast<uint8_t>(value)));
      } else if (word == "tiles") {
        count(&group.width);
        count(&group.height);
      } else if (word == "layers") {
        count(&group.layers);
      } else if (word == "facings") {
        count(&group.patternX);
      } else if (word == "addons") {
        count(&group.patternY);
      } else if (word == "market") {
        record.attributes.push_back(MarketAttribute(words, at));
      } else {
        throw ScriptError(at,
                          "expected flag N, tiles W H, layers N, facings N, addons N or "
                          "market CATEGORY TRADEID \"NAME\"");
      }
    }
  }
  Simulator& sim = c.Sim();
  const std::string folder = sim.folders().data;
  writer.WriteTo(folder + "/Quorlan.dat");
  if (!std::filesystem::exists(folder + "/Quorlan.spr")) {
    std::ofstream(folder + "/Quorlan.spr", std::ios::binary) << std::string(4, '\0');
  }
  sim.Host().ExecuteCallSite(kLoadDataSite, {0});
  // The library continues in the host's own rest of loading once it has
  // the data; that call is of no interest to a scenario.
  auto& calls = sim.Host().HostCalls();
  const bool loaded = !calls.empty() && calls.back() == kLoadContinuation;
  if (loaded) calls.pop_back();
  if (!loaded) throw ScriptError(line.line, "the host could not load the appearance file");
}

// host-login-dialog: the host opens its own login dialog.
void HostLoginDialog(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  c.Sim().Interface().OpenLoginDialog();
}

// host-login-check / host-login-uncheck: the player sets the check box the
// library added to the host's login dialog.
template <bool Checked>
void HostLoginCheck(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  HostInterface& ui = c.Sim().Interface();
  if (ui.LoginDialog() == 0) throw ScriptError(line.line, "the host's login dialog is not open");
  for (uint32_t child : ui.Children(ui.LoginDialog())) {
    if (HostCheckBox* box = ui.CheckBox(child)) {
      box->checked = Checked;
      return;
    }
  }
  throw ScriptError(line.line, "the host's login dialog has no check box");
}

// host-login "ACCOUNT" "PASSWORD": the host logs in from its login dialog.
void HostLogin(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  HostInterface& ui = c.Sim().Interface();
  if (ui.LoginDialog() == 0) throw ScriptError(line.line, "the host's login dialog is not open");
  ui.LoginFromDialog(StringArg(line, 0).text, StringArg(line, 1).text);
}

void ExpectMessageBox(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  const std::string& caption = StringArg(line, 0).text;
  const std::string& text = StringArg(line, 1).text;
  const std::optional<Os::MessageBoxShown> box = c.TakeMessageBox();
  if (!box) {
    c.Fail(line.line, "message box " + QuotedText(caption) + " " + QuotedText(text), "none");
    return;
  }
  c.Expect(box->caption == caption && box->text == text, line.line,
           "message box " + QuotedText(caption) + " " + QuotedText(text),
           QuotedText(box->caption) + " " + QuotedText(box->text));
}

void ExpectOpened(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& url = StringArg(line, 0).text;
  const std::optional<std::string> page = c.TakeOpenedPage();
  if (!page) {
    c.Fail(line.line, "page " + QuotedText(url) + " opened", "none");
    return;
  }
  c.Expect(page == url, line.line, "page " + QuotedText(url) + " opened", QuotedText(*page));
}

}  // namespace

void RegisterHostInterfaceCommands(CommandTable& table) {
  table.Add("creature", &Creature);
  table.Add("open-menu", &OpenMenu, Needs::Library);
  table.Add("hide-window", &ShowWindow<false>, Needs::Library);
  table.Add("show-window", &ShowWindow<true>, Needs::Library);
  table.Add("appearance", &Appearance, Needs::Library, Block::Always);
  table.Add("host-login-dialog", &HostLoginDialog, Needs::Library);
  table.Add("host-login-check", &HostLoginCheck<true>, Needs::Library);
  table.Add("host-login-uncheck", &HostLoginCheck<false>, Needs::Library);
  table.Add("host-login", &HostLogin, Needs::Library);
  table.Add("expect-message-box", &ExpectMessageBox);
  table.Add("expect-opened", &ExpectOpened);
}

}  // namespace sim::scenario
