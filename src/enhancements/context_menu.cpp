#include "enhancements/context_menu.h"

#include "enhancements/commands.h"
#include "host/context_menu.h"
#include "host/creature.h"
#include "host/hook_points.h"
#include "host/host_functions.h"
#include "host/host_texts.h"
#include "input/input_state.h"

namespace enhancements {
namespace {

constexpr int32_t kWrappableFlag = 35;
constexpr int32_t kUnwrappableFlag = 36;

// The object the last wrap entry was offered for. It is copied when the menu
// is built: the host owns the menu object, and a command must not depend on
// how long the host keeps it.
struct MenuObject {
  uint16_t x = 0, y = 0;
  uint8_t z = 0;
  uint16_t itemId = 0;
  uint8_t stackPosition = 0;
};
MenuObject wrapObject;

void AddEntry(uint32_t menu, int32_t command, const char* text, const char* hint) {
  HostAddMenuEntry(menu, command, host::HostText(text), host::HostText(hint));
}

void OnMountEntry(uint32_t menu) {
  const uint32_t creature = HostCreatureById(host::context_menu::CreatureId(menu));
  if (creature == 0) return;
  if (host::creature::MountLookType(creature) == 0) {
    AddEntry(menu, kMountCommand, "Mount", "(Ctrl+M)");
  } else {
    AddEntry(menu, kDismountCommand, "Dismount", "(Ctrl+M)");
  }
}

void OnWrapEntry(uint32_t menu) {
  namespace m = host::context_menu;
  const uint16_t item = m::ItemId(menu);
  const bool wrappable = HostItemTypeFlag(item, kWrappableFlag);
  if (!wrappable && !HostItemTypeFlag(item, kUnwrappableFlag)) return;
  wrapObject = {m::PositionX(menu), m::PositionY(menu), m::PositionZ(menu), item,
                m::StackPosition(menu)};
  if (wrappable) {
    AddEntry(menu, kWrapCommand, "Wrap", "");
  } else {
    AddEntry(menu, kUnwrapCommand, "Unwrap", "");
  }
}

// Ctrl+M alternates between mounting and dismounting; a choice made in the
// menu sets where that alternation continues.
void SendMount(bool mount) {
  input::MountRequested = mount;
  HostPacketBegin(0xD4);
  HostPacketAddU8(mount ? 1 : 0);
  HostPacketSend(1);
}

void SendWrap() {
  HostPacketBegin(0x8B);
  HostPacketAddU16(wrapObject.x);
  HostPacketAddU16(wrapObject.y);
  HostPacketAddU8(wrapObject.z);
  HostPacketAddU16(wrapObject.itemId);
  HostPacketAddU8(wrapObject.stackPosition);
  HostPacketSend(1);
}

}  // namespace

void InstallContextMenu() {
  host::hooks::mountMenuEntry = &OnMountEntry;
  host::hooks::wrapMenuEntry = &OnWrapEntry;
  RegisterMenuCommand(kMountCommand, [] { SendMount(true); });
  RegisterMenuCommand(kDismountCommand, [] { SendMount(false); });
  RegisterMenuCommand(kWrapCommand, &SendWrap);
  RegisterMenuCommand(kUnwrapCommand, &SendWrap);
}

}  // namespace enhancements
