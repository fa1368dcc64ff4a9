// The simulated host's own interface that the library adds to: its side
// panel of buttons (with the host's tooltips), its context menu, its login
// dialog, and the host button, check box and menu functions the library
// calls. The host draws them as part
// of its frame and handles the mouse messages that reach its own window
// procedure, running panel and menu commands through the slots the patch
// table redirected.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/sim_host.h"

namespace sim {

struct HostButton {
  int32_t x = 0, y = 0, image = 0, pressedImage = 0;  // x, y relative to the panel
  uint32_t parent = 0;
  int32_t command = 0;
  std::string tooltip;
};

struct HostCheckBox {
  std::string text;
  bool checked = false;
  int32_t x = 0, y = 0, width = 0, height = 0;  // as last placed, relative to its parent
};

struct HostMenuEntry {
  int32_t command = 0;
  std::string text, hint;
};

// What the context menu was opened on.
struct MenuTarget {
  uint32_t creatureId = 0;
  uint16_t itemId = 0, x = 0, y = 0;
  uint8_t z = 0, stackPosition = 0;
};

class HostInterface {
 public:
  static constexpr int32_t kButtonSize = 20;
  static constexpr int32_t kMenuLineHeight = 14;
  static constexpr int32_t kMenuWidth = 150;

  explicit HostInterface(SimHost& host) : host_(host) {}

  // The host's button construction functions, its store-inbox query and its
  // add-child and add-menu-entry functions.
  void DefineFunctions();
  // The call sites the host runs while it builds its interface, with their
  // original targets.
  void LayOutCallSites();
  // The host builds its side panel: its own five buttons through their call
  // sites, then the panel's last child through the site the library takes
  // over to add its buttons.
  void BuildSidePanel();

  void AddChild(uint32_t parent, uint32_t child);
  void AddMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint);

  // The host opens its own login dialog: it builds the dialog and adds its
  // child at the site the library takes over. Returns the dialog object.
  uint32_t OpenLoginDialog();
  // 0 until the host opened its login dialog.
  uint32_t LoginDialog() const { return loginDialog_; }
  // The host logs in from its login dialog (through the site the library
  // takes over).
  void LoginFromDialog(const std::string& account, const std::string& password);
  const std::vector<uint32_t>& Children(uint32_t parent) const;
  // A check box the host constructed, or null.
  HostCheckBox* CheckBox(uint32_t object);

  // The host's context menu on a creature or an item, where the mouse last
  // was; it closes on a choice or a click elsewhere.
  void OpenMenu(const MenuTarget& target);
  bool MenuOpen() const { return menu_ != 0; }
  // The host runs a menu command: it closes the menu and calls its command
  // slot.
  void RunMenuCommand(int32_t command);

  // The host's frame: the panel's buttons, the tooltip of the button under
  // the mouse, the open menu.
  void Draw(int32_t screenWidth, int32_t screenHeight);
  // Mouse messages that reached the host's own window procedure.
  void OnMouse(uint32_t message, int32_t x, int32_t y);

  uint32_t Panel() const { return panel_; }
  const std::vector<uint32_t>& PanelChildren() const;
  const HostButton* Button(uint32_t object) const;

 private:
  // The topmost button under (x, y) in client coordinates, or 0.
  uint32_t ButtonAt(int32_t x, int32_t y) const;
  // Index of the menu entry under (x, y), or -1.
  int MenuEntryAt(int32_t x, int32_t y) const;
  int32_t PanelX() const { return screenWidth_ - 220; }
  int32_t PanelY() const { return screenHeight_ - 280; }

  SimHost& host_;
  std::map<uint32_t, HostButton> buttons_;
  std::map<uint32_t, HostCheckBox> checkBoxes_;
  uint32_t loginDialog_ = 0;
  std::map<uint32_t, std::vector<uint32_t>> children_;
  uint32_t panel_ = 0;
  uint32_t menu_ = 0;
  int32_t menuX_ = 0, menuY_ = 0;
  std::map<uint32_t, std::vector<HostMenuEntry>> menuEntries_;
  int32_t mouseX_ = -1, mouseY_ = -1;
  uint32_t pressed_ = 0;
  int32_t screenWidth_ = 800, screenHeight_ = 600;
};

}  // namespace sim
