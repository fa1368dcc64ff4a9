#include "gui/container.h"

#include <algorithm>

#include "gui/screen.h"
#include "platform/platform.h"

namespace gui {

void Container::AdoptChild(GUI_Element* element) {
  if (element == nullptr) return;
  children.emplace_back(element);
  SetFocus(element);
  element->SetBounds(element->x + x, element->y + y, element->w, element->h);
}

GUI_Element* Container::FindChild(int32_t id) const {
  for (const auto& child : children) {
    if (child->id == id) return child.get();
  }
  return nullptr;
}

void Container::SetFocus(GUI_Element* element) {
  if (element == focus) return;
  if (focus != nullptr) focus->OnBlur();
  focus = element;
  if (element == nullptr) return;
  element->OnFocus();
  auto it = std::find_if(children.begin(), children.end(),
                         [element](const auto& child) { return child.get() == element; });
  if (it != children.end() && it + 1 != children.end()) {
    std::unique_ptr<GUI_Element> raised = std::move(*it);
    children.erase(it);
    children.push_back(std::move(raised));
  }
}

void Container::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  const int32_t dx = newX - x;
  const int32_t dy = newY - y;
  for (const auto& child : children) {
    child->SetBounds(child->x + dx, child->y + dy, child->w, child->h);
  }
  x = newX;
  y = newY;
  w = newW;
  h = newH;
}

void Container::DestroyChildren() {
  if (focus != nullptr) focus->OnBlur();
  focus = nullptr;
  // Move the list out first: a child's destructor must not find itself in
  // a half-destroyed list.
  std::vector<std::unique_ptr<GUI_Element>> doomed = std::move(children);
  children.clear();
  doomed.clear();
}

std::vector<GUI_Element*> Container::ChildrenSnapshot() const {
  std::vector<GUI_Element*> snapshot;
  snapshot.reserve(children.size());
  for (const auto& child : children) snapshot.push_back(child.get());
  return snapshot;
}

GUI_Element* Container::TopmostAt(int32_t px, int32_t py) const {
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if ((*it)->interactive && (*it)->Contains(px, py)) return it->get();
  }
  return nullptr;
}

GUI_Element* Container::NextTabTarget() const {
  if (focus != nullptr && focus->id >= ids::kTabFirst && focus->id <= ids::kTabLast) {
    if (GUI_Element* next = FindChild(focus->id + 1)) return next;
  }
  return FindChild(ids::kTabFirst);
}

void Container::Click(GUI_Element* child) {
  child->OnMouseDown(child->x, child->y);
  child->OnMouseUp(child->x, child->y);
}

void Container::DrawChildren() {
  // A child's Draw may not change the list, but be safe against it anyway.
  for (GUI_Element* child : ChildrenSnapshot()) {
    if (child->visible) child->Draw();
  }
}

void ClampedDragPosition(int32_t px, int32_t py, const Container& c, int32_t* nx, int32_t* ny) {
  int32_t newX = px - c.dragOffsetX;
  int32_t newY = py - c.dragOffsetY;
  if (newX + c.w + 4 > ClientWidth) newX = ClientWidth - c.w - 4;
  if (newY + c.h + 4 > ClientHeight) newY = ClientHeight - c.h - 4;
  *nx = std::max(newX, 0);
  *ny = std::max(newY, 0);
}

bool AnyModifierHeld() {
  platform::Platform& os = platform::Get();
  for (int key : {0x10, 0x11, 0x12}) {  // VK_SHIFT, VK_CONTROL, VK_MENU
    if (os.KeyState(key) & 0x8000) return true;
  }
  return false;
}

}  // namespace gui
