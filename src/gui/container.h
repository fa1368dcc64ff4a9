// What GUI_Window and GUI_Dialog share: owned children in draw order, one
// focused child, a rectangle and a title.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/element.h"

namespace gui {

class Container {
 public:
  Container(int32_t x, int32_t y, int32_t w, int32_t h, std::string title)
      : x(x), y(y), w(w), h(h), title(std::move(title)) {}
  virtual ~Container() = default;
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  // Takes ownership, focuses the element (which raises it) and moves it from
  // container-relative to absolute coordinates. Returns the element as the
  // type it was given, so a caller can go on setting it up.
  template <typename T>
  T* AddChild(T* element) {
    AdoptChild(element);
    return element;
  }
  GUI_Element* FindChild(int32_t id) const;
  // Blurs the old focus, focuses `element` and raises it to the top.
  void SetFocus(GUI_Element* element);
  // Moves every child by the change of origin (sizes kept).
  virtual void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH);
  // Blurs and drops the focus and destroys every child.
  void DestroyChildren();

  // Whether the point lies inside the container's rectangle (inclusive).
  bool Contains(int32_t px, int32_t py) const {
    return px >= x && px <= x + w && py >= y && py <= y + h;
  }

  // A snapshot of the children, so a handler that changes them cannot
  // disturb a walk.
  std::vector<GUI_Element*> ChildrenSnapshot() const;
  // The topmost interactive child containing the point, or none.
  GUI_Element* TopmostAt(int32_t px, int32_t py) const;
  // Tab: the child after the focused one in the 3000..3500 order, else 3000.
  GUI_Element* NextTabTarget() const;
  // A click on a child: press and release at its own top-left corner.
  static void Click(GUI_Element* child);
  void DrawChildren();

  std::vector<std::unique_ptr<GUI_Element>> children;
  GUI_Element* focus = nullptr;
  int32_t dragOffsetX = 0, dragOffsetY = 0;
  int32_t x = 0, y = 0, w = 0, h = 0;
  std::string title;
  uint8_t dragging = 0;
  uint8_t open = 1;

 private:
  void AdoptChild(GUI_Element* element);
};

// The child `id` of `parent` as a T: none when there is no parent, no such
// child, or a child of another kind.
template <typename T>
T* ChildAs(const Container* parent, int32_t id) {
  return parent == nullptr ? nullptr : dynamic_cast<T*>(parent->FindChild(id));
}

// The move of a dragged container: kept 4 pixels inside the right and bottom
// screen edges and at or right of / below 0.
void ClampedDragPosition(int32_t px, int32_t py, const Container& c, int32_t* nx, int32_t* ny);

// Whether Shift, Ctrl or Alt is held.
bool AnyModifierHeld();

}  // namespace gui
