#include "protocol/outfit_field.h"

#include "host/host_functions.h"

gui::Outfit ReadOutfit() {
  gui::Outfit outfit;
  outfit.lookType = HostReadU16();
  outfit.head = HostReadU8();
  outfit.body = HostReadU8();
  outfit.legs = HostReadU8();
  outfit.feet = HostReadU8();
  outfit.addons = HostReadU8();
  return outfit;
}
