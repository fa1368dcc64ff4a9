// The forge's buttons: the three tabs, the Forge and Transfer buttons that
// show whether the action is possible, and the store button.
#pragma once

#include <cstdint>
#include <string>

#include "gui/widgets/button_color.h"
#include "gui/widgets/tab_button.h"

// The open tab is lit.
class GUI_ExaltationTabButton : public GUI_TabButton {
 public:
  using GUI_TabButton::GUI_TabButton;
};

// Reads `readyCaption` with the enabled look while `ready()` holds, else
// `unavailableCaption` with the disabled look; decided anew on every draw,
// so it always agrees with the latest balance and selection.
class GUI_ExaltationActionButton : public GUI_ButtonColor {
 public:
  GUI_ExaltationActionButton(int32_t x, int32_t y, int32_t w, int32_t h, std::string readyCaption,
                             std::string unavailableCaption, bool (*ready)(), int32_t id);
  void Draw() override;

 private:
  std::string readyCaption_;
  std::string unavailableCaption_;
  bool (*ready_)();
};

class GUI_ExaltationStoreButton : public GUI_ButtonColor {
 public:
  GUI_ExaltationStoreButton(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
};
