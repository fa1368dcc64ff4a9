#include "features/hotkeys/object_preview.h"

#include <algorithm>

#include "gui/draw.h"
#include "gui/widgets/item_slot.h"
#include "host/host_functions.h"

void GUI_HotkeyItemPreview::Draw() {
  HostFillRectRGB(x, y, w, h, 36, 36, 36);
  gui::ThinFrame(x, y, w, h);
  if (objectId == 0) return;
  host::ObjectDrawArgs args;
  args.x = x + 1;
  args.y = y + 1;
  args.size = kObjectSize;
  args.objectId = static_cast<int32_t>(objectId);
  args.data = 0;
  std::copy(gui::kUntintedItem.begin(), gui::kUntintedItem.end(), args.display);
  HostDrawObject(args);
}
