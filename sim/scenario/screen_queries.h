// What a scenario can see on the simulated screen: the texts of the last
// frame with their places, and the library's open windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/library_link.h"
#include "sim/sim_host.h"
#include "sim/simulator.h"

namespace sim::scenario {

struct TextSeen {
  std::string text;
  int32_t x, y;  // the call's position (as drawn, before alignment)
  int32_t centerX, centerY;
  int32_t red = 0, green = 0, blue = 0;  // the text's colour (tooltips and menus: 0 0 0)
};

// Every text the last frame drew, in drawing order.
std::vector<TextSeen> TextsOf(const std::vector<DrawCall>& draws);
// The centre of the `n`-th (1-based) place where exactly `text` was drawn.
std::optional<TextSeen> FindText(const std::vector<DrawCall>& draws, const std::string& text,
                                 int n);

// The centre of the `n`-th host button the last frame drew with this
// tooltip / this picture.
std::optional<TextSeen> FindHostButtonTooltip(const std::vector<DrawCall>& draws,
                                              const std::string& tooltip, int n);
std::optional<TextSeen> FindHostButtonImage(const std::vector<DrawCall>& draws, int32_t image,
                                            int n);

// The library's windows and dialogs as a frame's draw calls show them:
// every title in font 4, 20 pixels right of and 5 below the corner of its
// 17-pixel title bar, with the window's size from the bar and the
// background drawn from the same corner (set "drawn").
std::vector<WindowSeen> DrawnWindows(const std::vector<DrawCall>& draws);

// The library's windows and dialogs that are open now, as the library link
// sees them (sim/library_link.h).
std::vector<WindowSeen> OpenWindows(Simulator& simulator);
std::optional<WindowSeen> FindWindow(Simulator& simulator, const std::string& title);

}  // namespace sim::scenario
