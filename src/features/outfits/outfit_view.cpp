#include "features/outfits/outfit_view.h"

#include "features/outfits/state.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "host/handlers.h"

namespace {

constexpr int32_t kFloorTile = 32;
constexpr uint8_t kStanding = 0, kWalking = 1;

// A checkered stone floor under the picture.
void DrawFloor(int32_t x, int32_t y, int32_t w, int32_t h) {
  for (int32_t ty = 0; ty < h; ty += kFloorTile) {
    for (int32_t tx = 0; tx < w; tx += kFloorTile) {
      const bool dark = ((tx + ty) / kFloorTile) % 2 == 1;
      const uint8_t level = dark ? 58 : 74;
      const int32_t tw = tx + kFloorTile > w ? w - tx : kFloorTile;
      const int32_t th = ty + kFloorTile > h ? h - ty : kFloorTile;
      HostFillRectRGB(x + tx, y + ty, tw, th, level, level - 4, level - 10);
    }
  }
}

}  // namespace

void GUI_Outfit_View::Draw() {
  const outfits::OutfitWindowState& state = outfits::Window();
  HostFillRectRGB(x, y, w, h, 24, 24, 24);
  if (state.showFloor) DrawFloor(x + 1, y + 1, w - 2, h - 2);
  gui::OutfitPose pose;
  pose.patternX = state.direction + 1;
  pose.group = state.movement ? kWalking : kStanding;
  const int32_t left = x + (w - kPictureSize) / 2, top = y + (h - kPictureSize) / 2;
  const bool riding = state.mountBox && state.mount != 0;
  if (riding) {
    gui::Outfit mount;
    mount.lookType = state.mount;
    const int32_t frames = gui::OutfitFrameCount(mount.lookType, pose.group);
    pose.frame = state.movement ? 1 + static_cast<int32_t>(ClockMillis() / kFrameMs) % frames : 1;
    gui::DrawOutfitPicture(mount, left, top, kPictureSize, pose);
  }
  if (!state.showOutfit) return;
  const int32_t frames = gui::OutfitFrameCount(state.look.lookType, pose.group);
  pose.frame = state.movement ? 1 + static_cast<int32_t>(ClockMillis() / kFrameMs) % frames : 1;
  // A rider sits higher than a walker.
  gui::DrawOutfitPicture(state.look, left, riding ? top - kPictureSize / 8 : top, kPictureSize,
                         pose);
}
