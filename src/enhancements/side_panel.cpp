#include "enhancements/side_panel.h"

#include "enhancements/blessings.h"
#include "enhancements/captured_buttons.h"
#include "host/hook_points.h"
#include "host/host_functions.h"
#include "host/host_texts.h"

namespace enhancements {

uint32_t SidePanel = 0;
uint32_t SidePanelParent = 0;
uint32_t BlessingsButton = 0;

namespace {

constexpr uint32_t kHostButtonSize = 72;
constexpr int32_t kLogoutFromCapture = -1;  // the command recorded for the logout button

struct PanelButton {
  int32_t x, y, image, pressedImage, command;
  const char* tooltip;  // null: a picture without a tooltip
};

constexpr PanelButton kButtons[] = {
    {116, 0, 305, 306, 1003, "Disable/Enable chat mode, allow to walk using WASD (Ctrl+X)"},
    {74, 0, 303, 304, 1001, "Open the Store Inbox"},
    {0, 168, 327, 328, 1000, "Open the Store"},
    {111, 193, 329, 329, 0, nullptr},
    {116, 168, 299, 300, 1010, "Hide shortcuts"},
    {116, 193, 309, 310, 1011, "Open options"},
    {0, 215, 307, 308, 1004, "Open analyzer"},
    {22, 215, 338, 339, 1012, "Open quest log"},
    {44, 215, 340, 341, 1013, "Open exaltation forge"},
    {88, 215, 342, 343, 1017, "Open cyclopedia"},
    {0, 237, 348, 349, 1018, "Open bestiary tracker"},
    {66, 215, 345, 346, 1015, "Open imbuements tracker"},
    {66, 193, 325, 326, 1005, "Open prey dialog (Ctrl+Y)"},
    {88, 193, 323, 324, 1006, "Open prey creature"},
    {0, 193, 330, 331, 1007, "Open skills window (Ctrl+S)"},
    {22, 193, 332, 333, 1008, "Open battle window (Ctrl+B)"},
    {44, 193, 336, 337, 1009, "Open VIP window (Ctrl+P)"},
    {139, 193, 334, 335, kLogoutFromCapture, "Leave the game (Ctrl+Q or Ctrl+L)"},
};

constexpr PanelButton kInitialBlessings = {14, 0, 317, 317, 0, kAllBlessingsTooltip};

void OnSidePanelCreated(uint32_t panel, uint32_t panelParent) {
  SidePanel = panel;
  SidePanelParent = panelParent;
  for (const PanelButton& b : kButtons) {
    const int32_t command = b.command == kLogoutFromCapture ? CapturedLogoutCommand() : b.command;
    AddPanelButton(b.x, b.y, b.image, b.pressedImage, command, b.tooltip ? b.tooltip : "");
  }
  const PanelButton& b = kInitialBlessings;
  BlessingsButton = AddPanelButton(b.x, b.y, b.image, b.pressedImage, b.command, b.tooltip);
}

}  // namespace

uint32_t AddPanelButton(int32_t x, int32_t y, int32_t image, int32_t pressedImage,
                        int32_t command, std::string_view tooltip) {
  if (SidePanel == 0) return 0;
  const uint32_t memory = HostAlloc(kHostButtonSize);
  if (memory == 0) return 0;
  const uint32_t button = HostButtonConstruct(memory, x, y, image, pressedImage, SidePanelParent,
                                              command, host::HostText(tooltip));
  if (button == 0) return 0;
  HostAddChild(SidePanel, button);
  return button;
}

void InstallSidePanel() { host::hooks::actionBarCreated = &OnSidePanelCreated; }

}  // namespace enhancements
