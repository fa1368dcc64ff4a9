// The base of the item slots: an item id and the host's object drawing call.
// Ids below 100 are not items; their slots show empty.
#pragma once

#include <array>
#include <cstdint>

#include "gui/element.h"

namespace gui {

// The display arguments of an item drawn untinted: the host's colour and
// light arguments at full white.
inline constexpr std::array<int32_t, 14> kUntintedItem = {0,     255, 255, 255, 0,   0, 65535,
                                                         65535, 0,   255, 255, 255, 0, 0};

// HostDrawObject on surface 1 at (x, y) with this size, the item id, data 0
// and the display arguments. Nothing for ids below 100 (not items).
void DrawItem(int32_t x, int32_t y, int32_t size, uint16_t itemId,
              const std::array<int32_t, 14>& display = kUntintedItem);

// The 34 x 34 frame of an item slot.
void DrawItemFrame(int32_t x, int32_t y);

}  // namespace gui

class GUI_ItemSlot : public GUI_Element {
 public:
  static constexpr uint16_t kFirstItemId = 100;

  GUI_ItemSlot(int32_t x, int32_t y, int32_t w, int32_t h, uint16_t itemId, int32_t id)
      : GUI_Element(x, y, w, h, id), itemId(itemId) {}

  uint16_t itemId;

 protected:
  // HostDrawObject on surface 1 at (x + 1, y + 1) with this size, the item
  // id, data 0 and the fourteen display arguments that follow it. Nothing
  // for ids below kFirstItemId.
  void DrawItem(int32_t size, const std::array<int32_t, 14>& display) const;
};
