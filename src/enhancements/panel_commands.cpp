#include "enhancements/panel_commands.h"

#include <cstdint>

#include "enhancements/commands.h"
#include "host/host_functions.h"
#include "input/input_state.h"
#include "platform/platform.h"
#include "protocol/store_request.h"

namespace enhancements {

bool ShortcutsShown = true;

namespace {

constexpr uint32_t kHostAction = 0x4D4EA0;
constexpr uint32_t kHostInboxContainer = 0x4CA7A0;
constexpr uint32_t kPanelWidthA = 0x64AC64;
constexpr uint32_t kPanelWidthB = 0x64AC7C;
constexpr int32_t kNarrowPanel = 194, kWidePanel = 263;
constexpr uint32_t kWmSysCommand = 0x0112;
constexpr uintptr_t kScMinimize = 0xF020;
constexpr uint32_t kMbIconError = 0x10;
// "Main window not found for this process." in the host's own language,
// in the ANSI code page the host runs in ("ã" is 0xE3).
constexpr char kNoMainWindowText[] = "Janela principal n\xE3o encontrada para este processo.";
constexpr char kNoMainWindowCaption[] = "Erro";

void HostAction(int32_t action) { HostCall(kHostAction, {static_cast<uint32_t>(action)}); }

void OpenStoreInbox() {
  const auto container = static_cast<uint8_t>(HostCall(kHostInboxContainer) & 0xFF);
  HostPacketBegin(0x82);
  HostPacketAddU16(0xFFFF);
  HostPacketAddU16(11);
  HostPacketAddU8(0);
  HostPacketAddU16(23396);
  HostPacketAddU8(0);
  HostPacketAddU8(container);
  HostPacketSend(1);
}

void MinimizeClient() {
  platform::Platform& os = platform::Get();
  const uintptr_t window = os.FindProcessMainWindow();
  if (window == 0) {
    os.ShowMessageBox(kNoMainWindowText, kNoMainWindowCaption, kMbIconError);
    return;
  }
  os.PostWindowMessage(window, kWmSysCommand, kScMinimize, 0);
}

// The shortcut bar: both host width values follow the first, the layout
// makes room for the bar (or takes it back), and the host lays out again.
void ToggleShortcutBar() {
  const int32_t width = host::Read<int32_t>(kPanelWidthA) == kNarrowPanel ? kWidePanel : kNarrowPanel;
  host::Write<int32_t>(kPanelWidthA, width);
  host::Write<int32_t>(kPanelWidthB, width);
  ShortcutsShown = !ShortcutsShown;
  constexpr int kShortcutRectangle = 1, kShortcutAreaRectangle = 30;
  input::SetLayoutRectangle(kShortcutRectangle, 0, ShortcutsShown ? 340 : 320, 43, 20);
  input::SetLayoutRectangleHeight(kShortcutAreaRectangle, ShortcutsShown ? 64 : 20);
  HostAction(23);
  HostAction(24);
}

}  // namespace

void InstallPanelCommands() {
  RegisterPanelCommand(1000, &protocol::RequestStoreOpen);
  RegisterPanelCommand(1001, &OpenStoreInbox);
  RegisterPanelCommand(1002, &MinimizeClient);
  RegisterPanelCommand(1003, &input::ToggleWalkMode);
  RegisterPanelCommand(1007, [] { HostAction(14); });  // skills
  RegisterPanelCommand(1008, [] { HostAction(15); });  // battle
  RegisterPanelCommand(1009, [] { HostAction(22); });  // VIP
  RegisterPanelCommand(1010, &ToggleShortcutBar);
  RegisterPanelCommand(1011, [] { HostAction(8); });   // options
  RegisterPanelCommand(1012, [] { HostAction(39); });  // quest log
}

}  // namespace enhancements
