// The host's in-memory hotkey tables (36 entries each, by slot number), so
// an applied or switched preset takes effect without a restart.
#pragma once

#include "features/hotkeys/slots.h"

namespace hotkeys {

inline constexpr uint32_t kHostHotkeyTexts = 0x799F08;     // 256 bytes each, NUL-terminated
inline constexpr uint32_t kHostHotkeyObjects = 0x799E50;   // 32-bit each
inline constexpr uint32_t kHostHotkeyData = 0x799DC0;      // 32-bit each
inline constexpr uint32_t kHostHotkeyModes = 0x799D30;     // 32-bit each, the use-mode number
inline constexpr uint32_t kHostHotkeySendAuto = 0x799EE0;  // one byte each, 1 or 0

// Copies all 36 slots in; texts are cut to 255 characters.
void CopyToHostTables(const HotkeySlots& slots);

}  // namespace hotkeys
