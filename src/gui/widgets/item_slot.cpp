#include "gui/widgets/item_slot.h"

#include <algorithm>

#include "gui/draw.h"
#include "host/host_functions.h"

void GUI_ItemSlot::DrawItem(int32_t size, const std::array<int32_t, 14>& display) const {
  if (itemId < kFirstItemId) return;
  host::ObjectDrawArgs args;
  args.surface = gui::kSurface;
  args.x = x + 1;
  args.y = y + 1;
  args.size = size;
  args.objectId = itemId;
  args.data = 0;
  std::copy(display.begin(), display.end(), args.display);
  HostDrawObject(args);
}
