#include "gui/widgets/item_slot.h"

#include <algorithm>

#include "gui/draw.h"
#include "host/host_functions.h"

namespace gui {

void DrawItem(int32_t x, int32_t y, int32_t size, uint16_t itemId,
              const std::array<int32_t, 14>& display) {
  if (itemId < GUI_ItemSlot::kFirstItemId) return;
  host::ObjectDrawArgs args;
  args.surface = kSurface;
  args.x = x;
  args.y = y;
  args.size = size;
  args.objectId = itemId;
  args.data = 0;
  std::copy(display.begin(), display.end(), args.display);
  HostDrawObject(args);
}

void DrawItemFrame(int32_t x, int32_t y) { Skin(x, y, kSheet, 186, 64, 34, 34); }

}  // namespace gui

void GUI_ItemSlot::DrawItem(int32_t size, const std::array<int32_t, 14>& display) const {
  gui::DrawItem(x + 1, y + 1, size, itemId, display);
}
