// A button whose action may be refused: it wears the enabled look (grey
// 70 / 174 / 100: fill, text, border) while its check passes and the
// disabled look (60 / 112 / 90) otherwise. The check runs on every draw, so
// the look follows the gold and the selection as they change. A click is
// delivered either way; the owner checks again before it acts.
#pragma once

#include <cstdint>
#include <string>

#include "gui/widgets/button_color.h"

class GUI_ImbuementActionButton : public GUI_ButtonColor {
 public:
  GUI_ImbuementActionButton(int32_t x, int32_t y, int32_t w, int32_t h, std::string caption,
                            bool (*allowed)(), int32_t id);
  void Draw() override;

  // The look of the last draw (false before the first).
  bool ShowsEnabled() const { return enabled_; }

 private:
  bool (*allowed_)();
  bool enabled_ = false;
};
