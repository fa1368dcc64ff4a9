// The toolkit's hover tooltip: a grey box with a black frame and its lines
// of text, shown near the mouse once it has rested on something long enough.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace gui {

// Draws `text`, one line per '\n', in a box as wide as the widest line and
// 14 pixels high per line (plus 4). The box ends at the mouse's height (a
// one-line box starts 18 pixels above it), or starts 10 pixels below it
// when it would come closer than 5 pixels to the top; it is moved left so
// it stays on screen.
void DrawTooltip(int32_t mouseX, int32_t mouseY, const std::string& text);

// The same, drawn once the library's windows of this pass have been drawn:
// after the current dialog and the feature windows (the frame tick's
// drawing), and after every dialog of the login dialog list (the frame
// draw's), so no window drawn after the one asking can cover the box.
void DrawTooltipOnTop(int32_t mouseX, int32_t mouseY, const std::string& text);
// Any other box that must not be covered (a hint of its own shape); `draw`
// keeps copies of what it draws, as its element may be gone by then.
void DrawOnTop(std::function<void()> draw);
// Draws and forgets what was asked for above (the end of the tick's and of
// the login list's drawing).
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
