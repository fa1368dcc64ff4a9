#include "features/hotkeys/pick_cursor.h"

namespace hotkeys {
namespace {

enum class Pixel : uint8_t { Clear, Black, White };

// The triangle above the hot spot, pointing down at it: its apex two
// pixels above the hot spot, its base 11 pixels wide at row 2. The other
// three are this one turned about the hot spot.
constexpr bool InUpperTriangle(int x, int y) {
  constexpr int kApexY = kPickCursorHotSpot - 2, kBaseY = 2, kHalfBase = 5;
  if (y < kBaseY || y > kApexY) return false;
  const int dx = x > kPickCursorHotSpot ? x - kPickCursorHotSpot : kPickCursorHotSpot - x;
  return dx * (kApexY - kBaseY) <= kHalfBase * (kApexY - y);
}

constexpr bool Inside(int x, int y) {
  constexpr int c = kPickCursorHotSpot;
  return InUpperTriangle(x, y) || InUpperTriangle(x, 2 * c - y) || InUpperTriangle(y, x) ||
         InUpperTriangle(y, 2 * c - x);
}

// Inside pixels with a neighbour outside make the black outline.
constexpr Pixel PixelAt(int x, int y) {
  if (!Inside(x, y)) return Pixel::Clear;
  const bool edge = !Inside(x - 1, y) || !Inside(x + 1, y) || !Inside(x, y - 1) ||
                    !Inside(x, y + 1);
  return edge ? Pixel::Black : Pixel::White;
}

struct Planes {
  std::array<uint8_t, kPickCursorPlaneBytes> andPlane{}, xorPlane{};
};

constexpr Planes MakePlanes() {
  Planes planes;
  for (int y = 0; y < kPickCursorSize; ++y) {
    for (int x = 0; x < kPickCursorSize; ++x) {
      const size_t byte = static_cast<size_t>(y * kPickCursorSize / 8 + x / 8);
      const auto bit = static_cast<uint8_t>(0x80 >> (x % 8));
      const Pixel pixel = PixelAt(x, y);
      if (pixel == Pixel::Clear) planes.andPlane[byte] |= bit;
      if (pixel == Pixel::White) planes.xorPlane[byte] |= bit;
    }
  }
  return planes;
}

constexpr Planes kPlanes = MakePlanes();

}  // namespace

const std::array<uint8_t, kPickCursorPlaneBytes>& PickCursorAndPlane() { return kPlanes.andPlane; }
const std::array<uint8_t, kPickCursorPlaneBytes>& PickCursorXorPlane() { return kPlanes.xorPlane; }

}  // namespace hotkeys
