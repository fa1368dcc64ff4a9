// What the outfit window works on: the outfits and mounts the server lets
// the player choose from, the look being chosen, and the preview's options.
// The lists live while the window is open; the "Mount" box's state is kept
// from one window to the next.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/outfit_picture.h"

namespace outfits {

// Addon bits: bit 0 the first addon, bit 1 the second.
inline constexpr uint8_t kFirstAddon = 1, kSecondAddon = 2;

struct OutfitEntry {
  std::string name;
  uint16_t lookType = 0;
  uint8_t addons = 0;  // the addons available with this outfit
};

struct MountEntry {
  std::string name;
  uint16_t lookType = 0;
};

enum class ListView : uint8_t { Outfits, Mounts };

// Which colour the palette edits.
enum class Part : uint8_t { Head, Primary, Secondary, Detail };

struct OutfitWindowState {
  std::vector<OutfitEntry> outfitList;
  std::vector<MountEntry> mountList;
  gui::Outfit look;    // the chosen look type, colours and addons
  uint16_t mount = 0;  // 0 = none
  ListView view = ListView::Outfits;
  Part part = Part::Head;
  uint8_t direction = 1;  // 0 .. 3; 1 faces the viewer
  bool movement = true, showOutfit = true, showFloor = true;
  bool mountBox = false;  // the "Mount" box while the window is open
  std::string filter;
};

OutfitWindowState& Window();

// The "Mount" box: remembered when the window closes, shown again by the
// next one.
bool& Mounted();

// The colour of `part` in `look`.
uint8_t& PartColour(gui::Outfit& look, Part part);

}  // namespace outfits
