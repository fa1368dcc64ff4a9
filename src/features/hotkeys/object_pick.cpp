#include "features/hotkeys/object_pick.h"

#include <utility>

#include "features/hotkeys/pick_cursor.h"
#include "features/hotkeys/window.h"
#include "features/hotkeys/window_state.h"
#include "gui/screen.h"
#include "gui/dialog.h"
#include "gui/window_sets.h"
#include "host/host_functions.h"
#include "platform/platform.h"

namespace hotkeys {
namespace {

constexpr uint32_t kNotedItem = 0x79CFC8, kNotedItemData = 0x79CFCC;
constexpr uint32_t kNotedOther = 0x79CFD4, kNotedOtherData = 0x79CFD8;
constexpr uint32_t kEquipment = 0x64CC98;  // 10 slots, 12 bytes apart
constexpr int kEquipmentSlots = 10;
constexpr uint32_t kContainers = 0x64CD10;  // 16 records, 492 bytes apart
constexpr int kContainerCount = 16;
constexpr uint32_t kContainerSize = 492;
constexpr int kContainerItems = 100;

constexpr const char* kNotInInventory = "Please select an object in your inventory.";

bool picking = false;
bool steppedAside = false;
// Made at the first pick and kept: each pick gives the system a copy.
uintptr_t pickCursor = 0;

void Begin() {
  platform::Platform& os = platform::Get();
  if (pickCursor == 0) {
    pickCursor = os.CreateMonochromeCursor(kPickCursorHotSpot, kPickCursorHotSpot,
                                           kPickCursorSize, kPickCursorSize,
                                           PickCursorAndPlane().data(), PickCursorXorPlane().data());
  }
  if (pickCursor != 0) os.ReplaceSystemArrow(pickCursor);
  os.SetCapture(os.ActiveWindow());
  picking = true;
}

// Every pick ends here: the cursors and the capture go back, and a window
// that stepped aside becomes current again, unless another window took the
// screen meanwhile (it then waits, set aside, for Ctrl+K).
void End(bool bringBack) {
  if (!picking) return;
  picking = false;
  platform::Platform& os = platform::Get();
  os.RestoreSystemCursors();
  os.ReleaseCapture();
  const bool wasAside = std::exchange(steppedAside, false);
  GUI_Dialog* window = Window().dialog;
  if (!bringBack || !wasAside || window == nullptr || gui::SetAsideDialog() != window) return;
  if (gui::ModalDialog() != nullptr) return;
  gui::RestoreSetAsideDialog();
  window->open = 1;
  window->Place(ClientWidth, ClientHeight);
}

}  // namespace

void StartObjectPick() {
  if (picking) return;
  Begin();
  GUI_Dialog* window = Window().dialog;
  if (window != nullptr && gui::ModalDialog() == window) {
    gui::StackModalDialog(nullptr);  // the slot empties; the window waits set aside
    steppedAside = true;
  }
}

bool Picking() { return picking; }

void CancelObjectPick() { End(true); }

void AbandonObjectPick() { End(false); }

PickedObject NotedObject() {
  PickedObject object{host::Read<uint16_t>(kNotedItem), host::Read<uint8_t>(kNotedItemData)};
  if (object.id == 0) object = {host::Read<uint16_t>(kNotedOther), host::Read<uint8_t>(kNotedOtherData)};
  return object;
}

bool InInventory(uint32_t itemId) {
  if (itemId == 0) return false;
  for (uint32_t slot = 0; slot < kEquipmentSlots; ++slot) {
    if (host::Read<uint16_t>(kEquipment + 12 * slot) == itemId) return true;
  }
  for (uint32_t c = 0; c < kContainerCount; ++c) {
    const uint32_t container = kContainers + kContainerSize * c;
    if (host::Read<uint32_t>(container) == 0) continue;  // not open
    for (uint32_t item = 0; item < kContainerItems; ++item) {
      const uint16_t id = host::Read<uint16_t>(container + 12 * (item + 5));
      if (id == 0) break;
      if (id == itemId) return true;
    }
  }
  return false;
}

void FinishObjectPick() {
  if (!picking) return;
  const PickedObject object = NotedObject();
  if (!InInventory(object.id)) {
    HostStatusMessage(kNotInInventory, 0);
  } else {
    OnObjectPicked(object.id, object.data);
  }
  End(true);
}

}  // namespace hotkeys
