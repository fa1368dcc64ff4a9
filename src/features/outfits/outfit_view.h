// GUI_Outfit_View: the preview of the chosen look: a floor when "Show
// Floor" is on, the mount under it when the "Mount" box is on and a mount is
// chosen, and the outfit when "Show Outfit" is on, facing the preview's
// direction and, with "Movement", walking (a frame every kFrameMs).
#pragma once

#include <cstdint>

#include "gui/element.h"

class GUI_Outfit_View : public GUI_Element {
 public:
  static constexpr uint32_t kFrameMs = 150;
  static constexpr int32_t kPictureSize = 128;

  GUI_Outfit_View(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_Element(x, y, w, h, id) {}
  void Draw() override;
};
