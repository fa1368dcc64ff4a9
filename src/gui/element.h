// The toolkit's element: the base of every widget and feature control.
//
// Coordinates are absolute pixels of the host client area. A container
// (GUI_Window, GUI_Dialog) owns its elements, draws the visible ones and
// forwards input to them; every operation has an empty default so a class
// implements only what it reacts to.
#pragma once

#include <cstdint>

class GUI_Element {
 public:
  GUI_Element() = default;
  GUI_Element(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : id(id), x(x), y(y), w(w), h(h) {}
  virtual ~GUI_Element() = default;
  GUI_Element(const GUI_Element&) = delete;
  GUI_Element& operator=(const GUI_Element&) = delete;

  virtual void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
    x = newX;
    y = newY;
    w = newW;
    h = newH;
  }
  virtual void OnFocus() { focused = 1; }
  virtual void OnBlur() { focused = 0; }
  virtual void Reserved() {}
  virtual void Draw() {}
  virtual void OnChar(int32_t code, int32_t data) {}
  virtual void OnKeyDown(int32_t key, int32_t data) {}
  virtual void OnKeyUp(int32_t key, int32_t data) {}
  virtual void OnMouseMove(int32_t px, int32_t py) {}
  virtual void OnMouseDown(int32_t px, int32_t py) {}
  virtual void OnMouseUp(int32_t px, int32_t py) {}
  virtual void OnRightDown(int32_t px, int32_t py) {}
  virtual void OnRightUp(int32_t px, int32_t py) {}
  virtual void OnWheel(int32_t px, int32_t py, uint8_t up) {}

  // Inclusive on all four sides: x <= px <= x + w and y <= py <= y + h.
  bool Contains(int32_t px, int32_t py) const {
    return px >= x && px <= x + w && py >= y && py <= y + h;
  }

  int32_t id = 0;
  int32_t x = 0, y = 0, w = 0, h = 0;
  uint8_t focused = 0;
  uint8_t interactive = 0;
  uint8_t visible = 1;
};

// A handler of toolkit events: (code, value). One function may serve many
// controls; the code tells which.
using GUI_Handler = void (*)(int32_t code, int32_t value);

// Reserved child ids the containers honour.
namespace gui::ids {
inline constexpr int32_t kDefaultButton = 2000;  // Enter clicks it
inline constexpr int32_t kCancelButton = 2001;   // Escape clicks it
inline constexpr int32_t kTabFirst = 3000;       // Tab order 3000 .. 3500
inline constexpr int32_t kTabLast = 3500;
inline constexpr int32_t kStretchA = 2032;       // stretch with the window height
inline constexpr int32_t kStretchB = 2042;
inline constexpr int32_t kLoginButton = 100;
inline constexpr int32_t kLoginListButton = 201;
inline constexpr int32_t kLoginList = 202;
}  // namespace gui::ids
