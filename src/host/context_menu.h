// The fields of the host's context-menu object that the library reads. The
// object belongs to the host and lives while its menu is open; these offsets
// are the host's layout.
#pragma once

#include <cstdint>

#include "host/host_memory.h"

namespace host::context_menu {

inline constexpr uint32_t kCreatureId = 0x10;    // u32: the creature clicked, 0 for none
inline constexpr uint32_t kPositionX = 0x14;     // u16: map position of the object clicked
inline constexpr uint32_t kPositionY = 0x16;     // u16
inline constexpr uint32_t kPositionZ = 0x18;     // u8
inline constexpr uint32_t kItemId = 0x1A;        // u16: the item clicked, 0 for none
inline constexpr uint32_t kStackPosition = 0x1C; // u8: its place in the tile's stack

inline uint32_t CreatureId(uint32_t menu) { return Read<uint32_t>(menu + kCreatureId); }
inline uint16_t PositionX(uint32_t menu) { return Read<uint16_t>(menu + kPositionX); }
inline uint16_t PositionY(uint32_t menu) { return Read<uint16_t>(menu + kPositionY); }
inline uint8_t PositionZ(uint32_t menu) { return Read<uint8_t>(menu + kPositionZ); }
inline uint16_t ItemId(uint32_t menu) { return Read<uint16_t>(menu + kItemId); }
inline uint8_t StackPosition(uint32_t menu) { return Read<uint8_t>(menu + kStackPosition); }

}  // namespace host::context_menu
