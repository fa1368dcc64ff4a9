#include "features/outfits/outfits.h"

#include <utility>

#include "features/outfits/state.h"
#include "features/outfits/window.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_reader.h"

namespace outfits {
namespace {

constexpr int32_t kWindowOpcode = 0xC8;

// The fewest bytes an entry takes on the wire: its look type, an empty
// name and, for an outfit, its addons.
constexpr uint64_t kOutfitEntryBytes = 2 + 2 + 1;
constexpr uint64_t kMountEntryBytes = 2 + 2;

// The look the player wears. A look type of 0 is an item look: one u16
// follows instead of the colours and addons, and is not used.
gui::Outfit ReadCurrentLook() {
  gui::Outfit look;
  look.lookType = HostReadU16();
  if (look.lookType == 0) {
    HostReadU16();
    return look;
  }
  look.head = HostReadU8();
  look.body = HostReadU8();
  look.legs = HostReadU8();
  look.feet = HostReadU8();
  look.addons = HostReadU8();
  return look;
}

// The window's lists go with the window: leaving the game frees them.
void LeaveGame() { Window() = OutfitWindowState{}; }

}  // namespace

// The whole message is read into a state of its own; the window shows it
// only once nothing is missing.
void ParseOutfitWindow() {
  protocol::RunQuietly([] {
    OutfitWindowState state;
    state.look = ReadCurrentLook();
    state.mount = HostReadU16();
    const uint8_t outfitCount = HostReadU8();
    RequireRoom(outfitCount, kOutfitEntryBytes, "outfits");
    state.outfitList.resize(outfitCount);
    for (OutfitEntry& entry : state.outfitList) {
      entry.lookType = HostReadU16();
      entry.name = ReadString();
      entry.addons = HostReadU8();
    }
    const uint8_t mountCount = HostReadU8();
    RequireRoom(mountCount, kMountEntryBytes, "mounts");
    state.mountList.resize(mountCount);
    for (MountEntry& entry : state.mountList) {
      entry.lookType = HostReadU16();
      entry.name = ReadString();
    }

    state.mountBox = Mounted();
    Window() = std::move(state);
    OpenOutfitWindow();
  });
}

void Install() {
  protocol::RegisterOpcode(kWindowOpcode, &ParseOutfitWindow);
  host::RegisterGameLeftReset(&LeaveGame);
}

}  // namespace outfits
