// What the Fusion and Transfer pages show about the selected items: the
// item before and after fusion, what a fusion or a transfer needs, and the
// hint of a window opened away from the forge. Each reads the forge state
// when it is drawn, so it always shows the latest message.
#pragma once

#include <cstdint>

#include "gui/element.h"
#include "gui/tooltip.h"

namespace forge {

// The exaltation core's picture.
inline constexpr uint16_t kCoreItemId = 37110;
inline constexpr uint32_t kHintDelayMs = 999;
inline constexpr char kHintText[] = "Go to the Exaltation Forge to load items";

}  // namespace forge

// The selected fusion item, with its tier badge on the left and the next
// tier's badge on the right (none beyond tier 10), an arrow between.
class GUI_ExaltationSelectedDisplay : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;  // (x, y, w, h, id)
  void Draw() override;
};

// The fusion's needs: the item count "2/n", the cores, the gold, each grey
// when met and red when not, and the success rate in green.
class GUI_ExaltationRequirementsDisplay : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;
  void Draw() override;
};

// The transfer's source ("1/1"), target ("1") and the cores it needs.
class GUI_TransferRequirementsDisplay : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;
  void Draw() override;
};

// The transfer's gold cost, grouped, grey when affordable and red when not.
class GUI_TransferCostBox : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;
  void Draw() override;
};

// Shown on the Fusion page of a window opened by command while it has no
// items; resting the mouse on it explains where items come from.
class GUI_ExaltationArrowHint : public GUI_Element {
 public:
  using GUI_Element::GUI_Element;
  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;

  // Whether the hint is showing at all.
  static bool Wanted();

 private:
  gui::HoverTimer hover_;
};
