// The library's extra buttons on the host's side panel: built once when the
// host creates the panel, each a host button the host then owns, draws and
// reports through its command slot (OnActionButton).
#pragma once

#include <cstdint>
#include <string_view>

namespace enhancements {

// The host panel that holds the buttons and its parent, or 0 before the
// host created them.
extern uint32_t SidePanel;
extern uint32_t SidePanelParent;
// The host button that shows the blessings state, or 0.
extern uint32_t BlessingsButton;

// Builds one host button (HostAlloc and the host's construction) and adds it
// to the side panel. Returns the button, or 0 when the host could not build
// it (then nothing was added).
uint32_t AddPanelButton(int32_t x, int32_t y, int32_t image, int32_t pressedImage,
                        int32_t command, std::string_view tooltip);

// Takes over the side panel's creation. Called once at attach.
void InstallSidePanel();

}  // namespace enhancements
