#include "sim/render/backdrop.h"

#include <algorithm>

#include "sim/render/shapes.h"

namespace sim {
namespace {

using Pixel = std::optional<Rgba>;

constexpr int kTile = 32;  // the game view's ground tiles

// Muted ground tiles: each tile its own shade of dim green-grey, a darker
// seam between tiles, and a little grain.
void GameView(Framebuffer& fb, const Rect& r) {
  fb.Paint(r, [](int64_t u, int64_t v) -> Pixel {
    const int64_t tu = u / kTile, tv = v / kTile;
    if (u % kTile == 0 || v % kTile == 0) return Rgba{20, 24, 20, 255};
    const int tone = static_cast<int>(NoiseAt(tu, tv, 7) % 3);
    const Rgba ground = tone == 0   ? Rgba{40, 50, 38, 255}
                        : tone == 1 ? Rgba{46, 54, 42, 255}
                                    : Rgba{52, 52, 44, 255};
    return Jitter(ground, u / 2, v / 2, 11, 3);
  });
}

// The host's side panel: brownish stone with a few inset boxes where the
// host keeps its map, equipment and containers.
void SidePanel(Framebuffer& fb, const Rect& r) {
  fb.Paint(r, [](int64_t u, int64_t v) -> Pixel {
    if (u < 2) return Rgba{16, 14, 12, 255};
    return Jitter({66, 58, 48, 255}, u / 3, v / 3, 13, 4);
  });
  const Rect insets[] = {
      {r.x + 12, r.y + 12, r.w - 24, std::min<int64_t>(r.w - 24, 110)},  // map
      {r.x + 12, r.y + 134, r.w - 24, 150},                              // equipment
      {r.x + 12, r.y + 296, r.w - 24, r.h - 308},                        // containers
  };
  for (const Rect& inset : insets) {
    if (inset.Empty()) continue;
    fb.Fill(inset, {34, 30, 26, 255});
    fb.Outline(inset, {18, 16, 14, 255});
  }
}

}  // namespace

void DrawGameBackdrop(Framebuffer& fb) {
  const int64_t panel = std::min<int64_t>(kHostSidePanelWidth, fb.Width());
  GameView(fb, {0, 0, fb.Width() - panel, fb.Height()});
  SidePanel(fb, {fb.Width() - panel, 0, panel, fb.Height()});
}

}  // namespace sim
