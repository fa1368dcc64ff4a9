#include "sim/dll_host/site_contracts.h"

#include <array>

namespace sim::dll_host {
namespace {

using enum SiteKind;

// clang-format off
constexpr auto kContracts = std::to_array<SiteContract>({
    // The host's button construction (0x47C650) on the new button, eight
    // arguments: a member call.
    {0x42D9ED, Member, "button capture B"},
    {0x4332EA, Member, "button capture C"},
    {0x43334D, Member, "button capture A"},
    {0x4333AD, Member, "button capture D"},
    {0x4914EE, Member, "button capture E"},
    // The side panel's add-child member call; entries 163 to 167 make the
    // host push its caller's first argument (the panel's parent) in front
    // of the child and jump around the rest, to 0x431FA8.
    {0x431D16, MemberFramed, "side panel creation", 0x431D13, 0x431FA8},
    // Context-menu entries: host add menu entry on the menu (command, text, hint).
    {0x452E57, Member, "wrap menu entry"},
    {0x453283, Member, "mount menu entry"},
    // The login dialog's add-child member call (child).
    {0x485A27, Member, "login dialog child"},
    // The renderer's frame operation (virtual slot 16): a member call with
    // ten arguments; the object is the renderer.
    {0x4D3AC8, Member, "renderer frame call"},
    // CreateWindowExA through the host's import slot: the Win32 API's stdcall.
    {0x5B8574, Stdcall, "CreateWindowExA slot"},
});
// clang-format on

}  // namespace

const SiteContract* ContractAt(uint32_t siteOrSlot) {
  for (const SiteContract& c : kContracts) {
    if (c.site == siteOrSlot) return &c;
  }
  return nullptr;
}

}  // namespace sim::dll_host
