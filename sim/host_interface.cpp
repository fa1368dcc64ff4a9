#include "sim/host_interface.h"

#include <algorithm>

#include "host/context_menu.h"
#include "host/host_functions.h"
#include "sim/address_space.h"
#include "sim/simulator.h"

namespace sim {
namespace {

constexpr uint32_t kButtonConstruct = 0x47C310;       // what the library calls
constexpr uint32_t kOwnButtonConstruct = 0x47C650;    // what the capture sites called
constexpr uint32_t kAddChild = 0x4C0C60;
constexpr uint32_t kCheckBoxConstruct = 0x47CFF0;
constexpr uint32_t kCheckBoxSetChecked = 0x47CFB0;
constexpr uint32_t kCheckBoxChecked = 0x47CFC0;
constexpr uint32_t kCheckBoxPlace = 0x4C4110;
constexpr uint32_t kLogin = 0x51FF30;
constexpr uint32_t kLoginDialogChildSite = 0x485A27;  // adds a child to the login dialog
constexpr uint32_t kLoginDialogLoginSite = 0x485FF5;  // the dialog's HostLogin
constexpr uint32_t kInboxContainer = 0x4CA7A0;
constexpr uint32_t kPanelCreationSite = 0x431D16;
constexpr uint32_t kPanelParentPush = 0x431D13;       // FF 75 08 once the library patched it
constexpr uint32_t kMountEntrySite = 0x453283;
constexpr uint32_t kWrapEntrySite = 0x452E57;
constexpr uint32_t kObjectSize = 72;
constexpr uint32_t kMenuSize = 64;

constexpr uint32_t kWmLButtonDown = 0x0201, kWmLButtonUp = 0x0202;

// The host's own buttons built at the five capture sites, before the
// library's ones: (site, x, y, image, pressed image, command, tooltip).
struct OwnButton {
  uint32_t site;
  int32_t x, y, image, pressedImage, command;
  const char* tooltip;
};
constexpr OwnButton kOwnButtons[] = {
    {0x43334D, 0, 146, 311, 312, 7, "Spells"},
    {0x42D9ED, 139, 146, 313, 314, 2, "Logout"},
    {0x4332EA, 44, 124, 315, 316, 9, "Trades"},
    {0x4333AD, 66, 146, 320, 321, 12, "Party"},
    {0x4914EE, 88, 146, 322, 323, 18, "Hotkeys"},
};

// The host's own entries around the one at each patched entry site.
struct OwnEntry {
  int32_t command;
  const char* text;
};
constexpr OwnEntry kCreatureEntries[] = {{0x2000, "Look"}, {0x2001, "Attack"}, {0x2002, "Follow"}};
constexpr OwnEntry kItemEntries[] = {{0x2000, "Look"}, {0x2003, "Use"}, {0x2004, "Rotate"}};

bool Inside(int32_t px, int32_t py, int32_t x, int32_t y, int32_t w, int32_t h) {
  return px >= x && px < x + w && py >= y && py < y + h;
}

std::string HostString(uint32_t address) {
  return address == 0 ? std::string() : std::string(static_cast<const char*>(host::Pointer(address)));
}

}  // namespace

void HostInterface::DefineFunctions() {
  // Construction (object, x, y, image, pressed image, parent, command,
  // tooltip, 0): the host keeps a copy of the tooltip.
  auto construct = [this](const uint32_t* a, int count) -> uint32_t {
    if (count < 8 || a[0] == 0) return 0;
    buttons_[a[0]] = {static_cast<int32_t>(a[1]), static_cast<int32_t>(a[2]),
                      static_cast<int32_t>(a[3]), static_cast<int32_t>(a[4]), a[5],
                      static_cast<int32_t>(a[6]), HostString(a[7])};
    return a[0];
  };
  host_.DefineFunction(kButtonConstruct, construct);
  host_.DefineFunction(kOwnButtonConstruct, construct);
  host_.DefineFunction(kAddChild, [this](const uint32_t* a, int count) -> uint32_t {
    if (count >= 2) AddChild(a[0], a[1]);
    return 0;
  });
  // Check boxes, called on the object: construction (text; the host keeps
  // a copy), set and get the check mark, placement (0, x, y, width, height).
  host_.DefineFunction(kCheckBoxConstruct, [this](const uint32_t* a, int count) -> uint32_t {
    if (count < 2 || a[0] == 0) return 0;
    checkBoxes_[a[0]] = {HostString(a[1])};
    return a[0];
  });
  host_.DefineFunction(kCheckBoxSetChecked, [this](const uint32_t* a, int count) -> uint32_t {
    if (count < 2) return 0;
    if (HostCheckBox* box = CheckBox(a[0])) box->checked = (a[1] & 0xFF) != 0;
    return 0;
  });
  host_.DefineFunction(kCheckBoxChecked, [this](const uint32_t* a, int count) -> uint32_t {
    const HostCheckBox* box = count >= 1 ? CheckBox(a[0]) : nullptr;
    return box != nullptr && box->checked ? 1 : 0;
  });
  host_.DefineFunction(kCheckBoxPlace, [this](const uint32_t* a, int count) -> uint32_t {
    HostCheckBox* box = count >= 6 ? CheckBox(a[0]) : nullptr;
    if (box == nullptr) return 0;
    box->x = static_cast<int32_t>(a[2]);
    box->y = static_cast<int32_t>(a[3]);
    box->width = static_cast<int32_t>(a[4]);
    box->height = static_cast<int32_t>(a[5]);
    return 0;
  });
  // The host's login routine (account, password).
  host_.DefineFunction(kLogin, [this](const uint32_t* a, int count) -> uint32_t {
    if (count < 2 || a[0] == 0 || a[1] == 0) throw SimError("HostLogin without its two texts");
    host_.Login(HostString(a[0]).c_str(), HostString(a[1]).c_str());
    return 0;
  });
  // The container slot the store inbox opens in: a host variable a scenario
  // may set (see docs/scenarios.md).
  host_.DefineFunction(kInboxContainer, [](const uint32_t*, int) -> uint32_t {
    return host::Read<uint8_t>(site::kInboxContainerVariable);
  });
}

void HostInterface::LayOutCallSites() {
  for (const OwnButton& b : kOwnButtons) WriteCall(b.site, kOwnButtonConstruct);
  WriteCall(kPanelCreationSite, kAddChild);
  WriteCall(kLoginDialogChildSite, kAddChild);
  WriteCall(kLoginDialogLoginSite, kLogin);
  WriteCall(kMountEntrySite, 0x452320);
  WriteCall(kWrapEntrySite, 0x452320);
}

void HostInterface::BuildSidePanel() {
  panel_ = AddressSpace::Allocate(kObjectSize);
  const uint32_t parent = AddressSpace::Allocate(kObjectSize);
  for (const OwnButton& b : kOwnButtons) {
    const uint32_t object = AddressSpace::Allocate(kObjectSize);
    const uint32_t built = host_.ExecuteCallSite(
        b.site, {object, static_cast<uint32_t>(b.x), static_cast<uint32_t>(b.y),
                 static_cast<uint32_t>(b.image), static_cast<uint32_t>(b.pressedImage), parent,
                 static_cast<uint32_t>(b.command), AddressSpace::String(b.tooltip), 0});
    if (built != 0) AddChild(panel_, built);
  }
  // The panel's last own child (its frame, which draws nothing), added at
  // the site that also hands the panel's parent over once patched.
  const uint32_t frame = AddressSpace::Allocate(kObjectSize);
  if (host::Read<uint8_t>(kPanelParentPush) == 0xFF) {
    host_.ExecuteCallSite(kPanelCreationSite, {panel_, parent, frame});
  } else {
    host_.ExecuteCallSite(kPanelCreationSite, {panel_, frame});
  }
}

uint32_t HostInterface::OpenLoginDialog() {
  loginDialog_ = AddressSpace::Allocate(kObjectSize);
  // The dialog's own child (its text boxes' frame, which draws nothing),
  // added at the site the library takes over.
  const uint32_t child = AddressSpace::Allocate(kObjectSize);
  host_.ExecuteCallSite(kLoginDialogChildSite, {loginDialog_, child});
  return loginDialog_;
}

void HostInterface::LoginFromDialog(const std::string& account, const std::string& password) {
  host_.ExecuteCallSite(kLoginDialogLoginSite,
                        {AddressSpace::String(account), AddressSpace::String(password)});
}

const std::vector<uint32_t>& HostInterface::Children(uint32_t parent) const {
  static const std::vector<uint32_t> kNone;
  auto it = children_.find(parent);
  return it == children_.end() ? kNone : it->second;
}

HostCheckBox* HostInterface::CheckBox(uint32_t object) {
  auto it = checkBoxes_.find(object);
  return it == checkBoxes_.end() ? nullptr : &it->second;
}

void HostInterface::AddChild(uint32_t parent, uint32_t child) { children_[parent].push_back(child); }

void HostInterface::AddMenuEntry(uint32_t menu, int32_t command, const char* text,
                                 const char* hint) {
  menuEntries_[menu].push_back({command, text != nullptr ? text : "", hint != nullptr ? hint : ""});
}

void HostInterface::OpenMenu(const MenuTarget& target) {
  namespace m = host::context_menu;
  menu_ = AddressSpace::Allocate(kMenuSize);
  // Where the right click was; a scenario that never moved the mouse gets
  // the menu in the game view.
  menuX_ = mouseX_ >= 0 ? mouseX_ : 200;
  menuY_ = mouseY_ >= 0 ? mouseY_ : 150;
  host::Write<uint32_t>(menu_ + m::kCreatureId, target.creatureId);
  host::Write<uint16_t>(menu_ + m::kPositionX, target.x);
  host::Write<uint16_t>(menu_ + m::kPositionY, target.y);
  host::Write<uint8_t>(menu_ + m::kPositionZ, target.z);
  host::Write<uint16_t>(menu_ + m::kItemId, target.itemId);
  host::Write<uint8_t>(menu_ + m::kStackPosition, target.stackPosition);
  const bool onCreature = target.creatureId != 0;
  const OwnEntry* entries = onCreature ? kCreatureEntries : kItemEntries;
  // The middle entry is added at the patched site (a member call on the
  // menu), the others directly.
  for (int i = 0; i < 3; ++i) {
    const OwnEntry& e = entries[i];
    if (i != 1) {
      AddMenuEntry(menu_, e.command, e.text, "");
      continue;
    }
    host_.ExecuteCallSite(onCreature ? kMountEntrySite : kWrapEntrySite,
                          {menu_, static_cast<uint32_t>(e.command), AddressSpace::String(e.text),
                           AddressSpace::String("")});
  }
}

void HostInterface::RunMenuCommand(int32_t command) {
  menu_ = 0;
  host_.ExecutePointer(site::kMenuCommandSlot, {static_cast<uint32_t>(command)});
}

const std::vector<uint32_t>& HostInterface::PanelChildren() const { return Children(panel_); }

const HostButton* HostInterface::Button(uint32_t object) const {
  auto it = buttons_.find(object);
  return it == buttons_.end() ? nullptr : &it->second;
}

uint32_t HostInterface::ButtonAt(int32_t x, int32_t y) const {
  if (HostGameState() != host::kGameStateInGame) return 0;
  const std::vector<uint32_t>& children = PanelChildren();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const HostButton* b = Button(*it);
    if (b != nullptr && Inside(x, y, PanelX() + b->x, PanelY() + b->y, kButtonSize, kButtonSize)) {
      return *it;
    }
  }
  return 0;
}

int HostInterface::MenuEntryAt(int32_t x, int32_t y) const {
  if (menu_ == 0) return -1;
  auto it = menuEntries_.find(menu_);
  if (it == menuEntries_.end() || x < menuX_ || x >= menuX_ + kMenuWidth || y < menuY_) return -1;
  const int index = (y - menuY_) / kMenuLineHeight;
  return index < static_cast<int>(it->second.size()) ? index : -1;
}

void HostInterface::Draw(int32_t screenWidth, int32_t screenHeight) {
  screenWidth_ = screenWidth;
  screenHeight_ = screenHeight;
  auto& draws = host_.Draws();
  if (HostGameState() == host::kGameStateInGame) {
    for (uint32_t child : PanelChildren()) {
      const HostButton* b = Button(child);
      if (b == nullptr) continue;
      const bool down = child == pressed_;
      draws.push_back({"HostButton",
                       {PanelX() + b->x, PanelY() + b->y, kButtonSize, kButtonSize,
                        down ? b->pressedImage : b->image, down ? 1 : 0},
                       b->tooltip});
    }
    const HostButton* hovered = Button(ButtonAt(mouseX_, mouseY_));
    if (hovered != nullptr && !hovered->tooltip.empty() && menu_ == 0) {
      // Below and right of the pointer, kept on the screen.
      const auto width = static_cast<int32_t>(hovered->tooltip.size()) * FontAdvance(1);
      const int32_t x = std::max(4, std::min(mouseX_ + 12, screenWidth - width - 4));
      draws.push_back({"HostTooltip", {x, mouseY_ + 16}, hovered->tooltip});
    }
  }
  auto entries = menuEntries_.find(menu_);
  if (menu_ == 0 || entries == menuEntries_.end()) return;
  const auto count = static_cast<int32_t>(entries->second.size());
  draws.push_back({"HostMenu", {menuX_, menuY_, kMenuWidth, count * kMenuLineHeight}, ""});
  int32_t y = menuY_;
  for (const HostMenuEntry& e : entries->second) {
    draws.push_back({"HostMenuText", {menuX_ + 4, y + 2, 0}, e.text});
    if (!e.hint.empty()) draws.push_back({"HostMenuText", {menuX_ + kMenuWidth - 4, y + 2, 2}, e.hint});
    y += kMenuLineHeight;
  }
}

void HostInterface::OnMouse(uint32_t message, int32_t x, int32_t y) {
  mouseX_ = x;
  mouseY_ = y;
  if (message == kWmLButtonDown) {
    pressed_ = 0;
    if (menu_ != 0) {
      if (MenuEntryAt(x, y) < 0) menu_ = 0;  // a click elsewhere closes the menu
      return;
    }
    pressed_ = ButtonAt(x, y);
    return;
  }
  if (message != kWmLButtonUp) return;
  if (menu_ != 0) {
    const int index = MenuEntryAt(x, y);
    if (index >= 0) RunMenuCommand(menuEntries_[menu_][index].command);
    return;
  }
  const uint32_t released = ButtonAt(x, y);
  const bool clicked = released != 0 && released == pressed_;
  pressed_ = 0;
  const HostButton* b = Button(released);
  if (clicked && b->command != 0) {
    host_.ExecutePointer(site::kPanelCommandSlot, {static_cast<uint32_t>(b->command)});
  }
}

}  // namespace sim
