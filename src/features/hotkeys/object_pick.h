// Picking the object of a hotkey from the inventory: a cross-hair cursor
// replaces the system's arrow, the hotkey window steps aside, and the next
// left release takes the object the host noted under the mouse, if it is
// equipped or lies in an open container. Escape ends the pick unchanged.
#pragma once

#include <cstdint>

namespace hotkeys {

void StartObjectPick();
bool Picking();
// The window procedure's points while picking.
void CancelObjectPick();   // Escape
void FinishObjectPick();   // the left release
// Ends a pick without bringing back a window (leaving the game).
void AbandonObjectPick();

// The object the host noted: the item id at 0x79CFC8 (data byte at
// 0x79CFCC), else the one at 0x79CFD4 (0x79CFD8). Id 0 = none.
struct PickedObject {
  uint32_t id = 0;
  uint32_t data = 0;
};
PickedObject NotedObject();
// Whether the id is in an equipment slot or an open container.
bool InInventory(uint32_t itemId);

}  // namespace hotkeys
