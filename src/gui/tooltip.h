// The toolkit's hover tooltip: a grey box with a black frame and its lines
// of text, shown near the mouse once it has rested on something long enough.
#pragma once

#include <cstdint>
#include <string>

namespace gui {

// Draws `text`, one line per '\n', in a box as wide as the widest line and
// 14 pixels high per line (plus 4). The box ends at the mouse's height (a
// one-line box starts 18 pixels above it), or starts 10 pixels below it
// when it would come closer than 5 pixels to the top; it is moved left so
// it stays on screen.
void DrawTooltip(int32_t mouseX, int32_t mouseY, const std::string& text);

// The same, drawn once every dialog of the login dialog list has been
// drawn, so a dialog drawn after the one asking cannot cover the box.
void DrawTooltipOnTop(int32_t mouseX, int32_t mouseY, const std::string& text);
// Draws and forgets the tooltips asked for above (the login list's draw).
void DrawTooltipsOnTop();

// When the mouse came to rest on an element, and whether it has rested
// there longer than a delay. Elements feed it their mouse moves.
class HoverTimer {
 public:
  // `inside` is whether the mouse is over the thing the tooltip is about.
  void Track(bool inside, int32_t px, int32_t py);
  void Leave() { Track(false, mouseX, mouseY); }
  // True once the mouse has rested longer than `delayMs`.
  bool Due(uint32_t delayMs) const;

  int32_t mouseX = 0, mouseY = 0;

 private:
  bool hovered_ = false;
  uint32_t since_ = 0;
};

}  // namespace gui
