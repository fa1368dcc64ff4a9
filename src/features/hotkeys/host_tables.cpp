#include "features/hotkeys/host_tables.h"

#include <algorithm>
#include <cstring>

#include "host/host_memory.h"

namespace hotkeys {

void CopyToHostTables(const HotkeySlots& slots) {
  constexpr uint32_t kTextSize = 256;
  for (uint32_t i = 0; i < kSlotCount; ++i) {
    const HotkeySlot& slot = slots[i];
    const size_t length = std::min(slot.text.size(), kMaxTextLength);
    char* text = static_cast<char*>(host::Pointer(kHostHotkeyTexts + kTextSize * i));
    std::memcpy(text, slot.text.data(), length);
    text[length] = '\0';
    host::Write<uint32_t>(kHostHotkeyObjects + 4 * i, slot.objectId);
    host::Write<uint32_t>(kHostHotkeyData + 4 * i, slot.objectData);
    host::Write<uint32_t>(kHostHotkeyModes + 4 * i, static_cast<uint32_t>(slot.useMode));
    host::Write<uint8_t>(kHostHotkeySendAuto + i, slot.sendAutomatically ? 1 : 0);
  }
}

}  // namespace hotkeys
