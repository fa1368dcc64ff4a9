#include "features/outfits/requests.h"

#include "host/host_functions.h"

namespace outfits {
namespace {
constexpr uint8_t kOutfitOpcode = 0xD3;
}  // namespace

void RequestOutfit(const gui::Outfit& look, uint16_t mount) {
  HostPacketBegin(kOutfitOpcode);
  HostPacketAddU16(look.lookType);
  HostPacketAddU8(look.head);
  HostPacketAddU8(look.body);
  HostPacketAddU8(look.legs);
  HostPacketAddU8(look.feet);
  HostPacketAddU8(look.addons);
  HostPacketAddU16(mount);
  HostPacketSend(1);
}

}  // namespace outfits
