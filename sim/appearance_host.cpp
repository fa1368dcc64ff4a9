#include "sim/appearance_host.h"

#include "host/creature.h"
#include "host/host_memory.h"

namespace sim {
namespace {

constexpr uint32_t kHostDrawCreature = 0x401865;
constexpr uint32_t kWalkPhaseSite = 0x4F1379;
constexpr uint32_t kOutfitWidth = 0x5036A0;
constexpr uint32_t kOutfitHeight = 0x503A00;
constexpr uint32_t kOutfitSprite = 0x504440;

constexpr uint8_t kCallOpcode = 0xE8;
constexpr uint8_t kJumpOpcode = 0xE9;

// Until the library is attached these host functions are the host's own,
// which the simulator does not model: the drawing then knows nothing.
uint32_t AskLibrary(SimHost& host, uint32_t function, std::vector<uint32_t> args) {
  if (host::Read<uint8_t>(function) != kJumpOpcode) return 0;
  return host.Execute(function, std::move(args));
}

}  // namespace

void DefineAppearanceHostFunctions(SimHost& h) {
  h.DefineFunction(kHostDrawCreature, [&h](const uint32_t* args, int count) -> uint32_t {
    if (count < 4 || args[3] == 0) return 0;
    const uint32_t creature = args[3];
    const uint32_t look = host::creature::LookType(creature);
    const uint32_t phase = host::Read<uint8_t>(kWalkPhaseSite) == kCallOpcode
                               ? h.ExecuteCallSite(kWalkPhaseSite, {creature})
                               : 1;
    host::CreatureDrawArgs draw;
    draw.x = static_cast<int32_t>(args[0]);
    draw.y = static_cast<int32_t>(args[1]);
    draw.width = static_cast<int32_t>(AskLibrary(h, kOutfitWidth, {look}));
    draw.height = static_cast<int32_t>(AskLibrary(h, kOutfitHeight, {look}));
    draw.outfit[0] = static_cast<int32_t>(look);
    draw.display[0] =
        static_cast<int32_t>(AskLibrary(h, kOutfitSprite, {look, 1, 1, 1, 1, 1, phase}));
    draw.display[1] = static_cast<int32_t>(phase);
    draw.display[2] = static_cast<int32_t>(args[2]);
    h.DrawCreature(draw);
    return 0;
  });
}

}  // namespace sim
