// The cursor shown while the player picks an object for a hotkey: 32 x 32,
// monochrome, four white triangles outlined in black that point inward at
// the hot spot from above, below, left and right.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace hotkeys {

inline constexpr int32_t kPickCursorSize = 32;
inline constexpr int32_t kPickCursorHotSpot = 15;
inline constexpr size_t kPickCursorPlaneBytes = 128;  // 32 rows of 4 bytes

// CreateCursor's planes: AND 1 keeps the screen, AND 0 with XOR 1 is white
// and with XOR 0 black. Bit 7 of a row's first byte is its leftmost pixel.
const std::array<uint8_t, kPickCursorPlaneBytes>& PickCursorAndPlane();
const std::array<uint8_t, kPickCursorPlaneBytes>& PickCursorXorPlane();

}  // namespace hotkeys
