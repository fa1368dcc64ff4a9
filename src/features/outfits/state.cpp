#include "features/outfits/state.h"

namespace outfits {

OutfitWindowState& Window() {
  static OutfitWindowState state;
  return state;
}

bool& Mounted() {
  static bool mounted = false;
  return mounted;
}

uint8_t& PartColour(gui::Outfit& look, Part part) {
  switch (part) {
    case Part::Head: return look.head;
    case Part::Primary: return look.body;
    case Part::Secondary: return look.legs;
    case Part::Detail: break;
  }
  return look.feet;
}

}  // namespace outfits
