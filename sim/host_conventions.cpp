#include "sim/host_conventions.h"

#include <algorithm>
#include <array>

namespace sim {
namespace {

using enum CallKind;

// clang-format off
constexpr auto kConventions = std::to_array<HostConvention>({
    {0x401865, "creature drawing (rebuilt start)", Cdecl, 4, 0},
    {0x404B00, "opcode-10 notice", Cdecl, 0, 0},
    {0x415C70, "load routine 6", Cdecl, 1, 4},
    {0x44E960, "menu command", Cdecl, 1, 0},
    {0x452320, "add menu entry", Member, 3, 0},
    {0x458200, "character handler", Cdecl, 1, 0},
    {0x45A000, "main-loop work", Cdecl, 0, 0},
    {0x45CFE0, "data-file load continuation", Cdecl, 1, 4},
    {0x45E720, "creature by id", Cdecl, 1, 4},
    {0x47C310, "button construction", Member, 8, 4},
    {0x47C650, "own button construction", Member, 8, 4},
    {0x47CFB0, "check box set checked", Member, 1, 0},
    {0x47CFC0, "check box checked", Member, 0, 1},
    {0x47CFF0, "check box construction", Member, 1, 4},
    {0x4AB610, "load routine 2", Cdecl, 1, 4},
    {0x4AB620, "load routine 1", Cdecl, 1, 4},
    {0x4AB720, "sprite file rewind continuation", Cdecl, 0, 4},
    {0x4AE000, "sprite drawing A", Cdecl, 0, 4},
    {0x4AE100, "sprite drawing B", Cdecl, 0, 4},
    {0x4AE200, "sprite drawing C", Cdecl, 0, 4},
    {0x4B1310, "HostDrawCreature", Cdecl, 18, 0},
    {0x4B1B10, "HostDrawSkin", Cdecl, 8, 0},
    {0x4B2BF0, "HostTextWidth", Cdecl, 4, 4},
    {0x4B4BE0, "HostDrawTextBox", Cdecl, 13, 0},
    {0x4B4DD0, "HostDrawText", Cdecl, 9, 0},
    {0x4B5990, "HostDrawObject", Cdecl, 20, 0},
    {0x4B5E90, "group reset continuation", Cdecl, 0, 4},
    {0x4B96E0, "HostFillRect", Cdecl, 8, 0},
    {0x4C0C60, "add child", Member, 1, 0},
    {0x4C4110, "check box placement", Member, 5, 0},
    {0x4CA7A0, "store inbox container", Cdecl, 0, 1},
    {0x4D3000, "renderer frame call (original)", Member, 10, 4},
    {0x4D4EA0, "panel command", Cdecl, 1, 0},
    {0x4D7A10, "leave the game", Cdecl, 0, 0},
    {0x4F8290, "HostPacketBegin", Cdecl, 1, 0},
    {0x4F8560, "HostPacketAddU8", Cdecl, 1, 0},
    {0x4F8700, "HostPacketAddU16", Cdecl, 1, 0},
    {0x4F88A0, "HostPacketAddU32", Cdecl, 1, 0},
    {0x4F8A40, "HostPacketAddString", Cdecl, 1, 0},
    {0x4F8E40, "HostPacketSend", Cdecl, 1, 0},
    {0x4F98A0, "HostNextOpcode", Cdecl, 0, 4},
    {0x4F9A60, "HostReadU8", Cdecl, 0, 1},
    {0x4F9C00, "HostReadU16", Cdecl, 0, 2},
    {0x4F9DA0, "HostReadU32", Cdecl, 0, 4},
    {0x4FECF0, "load routine 3", Cdecl, 1, 4},
    {0x507000, "sprite reader continuation", Cdecl, 0, 4},
    {0x5084B0, "HostSetConfigFile", Cdecl, 1, 0},
    {0x508870, "HostDataFilePath", Cdecl, 2, 4},
    {0x51D610, "load routine 5", Cdecl, 1, 4},
    {0x51D620, "load routine 4", Cdecl, 1, 4},
    {0x51F650, "HostGuiCommand", Cdecl, 3, 0},
    {0x51FF30, "HostLogin", Cdecl, 2, 0},
    {0x522A90, "HostRenderer", Cdecl, 0, 4},
    {kRendererPrepareFunction, "renderer prepare surface", Member, 1, 0},
    {kRendererFillFunction, "renderer fill", Member, 8, 0},
    {kRendererFrameFunction, "renderer frame", Member, 10, 4},
    {kRendererUnusedFunction, "renderer operation", Member, 0, 0},
    {0x534650, "Direct3D 9 render states", Cdecl, 10, 0},
    {0x544A90, "HostStatusMessage", Cdecl, 2, 0},
    {0x560081, "load error (raises)", Cdecl, 2, 0},
    {0x571000, "formatted print", Cdecl, 3, 4},
    {0x5719E2, "HostAlloc", Cdecl, 1, 4},
    {0x571A12, "doubled-argument continuation", Cdecl, 1, 4},
    {0x5FF000, "CreateWindowExA import", Stdcall, 12, 4},
    {0x5FF010, "host clock", Cdecl, 0, 4},
});
// clang-format on

static_assert(std::is_sorted(kConventions.begin(), kConventions.end(),
                             [](const HostConvention& a, const HostConvention& b) {
                               return a.address < b.address;
                             }));

}  // namespace

std::span<const HostConvention> HostConventions() { return kConventions; }

const HostConvention* ConventionAt(uint32_t address) {
  auto it = std::lower_bound(
      kConventions.begin(), kConventions.end(), address,
      [](const HostConvention& c, uint32_t a) { return c.address < a; });
  return it != kConventions.end() && it->address == address ? &*it : nullptr;
}

}  // namespace sim
