#include "gui/window.h"

#include <cstdlib>

#include "gui/dock.h"
#include "gui/draw.h"
#include "gui/screen.h"
#include "gui/widget_queries.h"
#include "host/handlers.h"
#include "platform/platform.h"

namespace {

// Fill numbers of the host skin.
constexpr int32_t kBackground = 51, kTitleBar = 49, kCapLeft = 43, kCapRight = 44;
constexpr int32_t kBorderLeft = 47, kBorderRight = 48, kBorderBottom = 50;
constexpr int32_t kClose = 311, kClosePressed = 312, kMinimize = 313, kMinimizePressed = 314;
constexpr int32_t kRestore = 315, kRestorePressed = 316, kGrip = 320;
constexpr gui::Color kTitleColor{143, 143, 143};

bool InBox(int32_t px, int32_t py, int32_t bx, int32_t by, int32_t bw, int32_t bh) {
  return px >= bx && px <= bx + bw && py >= by && py <= by + bh;
}

void SetCursor(platform::Cursor cursor) { platform::Get().SetCursor(cursor); }

}  // namespace

GUI_Window::GUI_Window(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& title,
                       int32_t tag, bool docked)
    : Container(x, y, w, h, title), tag(tag), restoreRect{x, y, w, h} {
  if (!docked) return;
  this->docked = 1;
  gui::Dock().Add(this);
}

GUI_Window::~GUI_Window() {
  if (docked) gui::Dock().Remove(this);
}

void GUI_Window::SetCloseHandler(GUI_Handler handler, int32_t code) {
  closeHandler = handler;
  closeCode = code;
  hasClose = 1;
}

void GUI_Window::SetMinimizeHandler(GUI_Handler handler, int32_t code) {
  minimizeHandler = handler;
  minimizeCode = code;
  hasMinimize = 1;
}

void GUI_Window::SetResizeHandler(GUI_Handler handler, int32_t code) {
  resizeHandler = handler;
  resizeCode = code;
  resizable = 1;
}

void GUI_Window::RefreshDock() {
  if (docked) gui::Dock().Refresh(this);
}

void GUI_Window::SetMinHeight(int32_t height) {
  minHeight = height;
  if (minimized || h >= height) return;
  SetBounds(x, y, w, height);
  RefreshDock();
}

void GUI_Window::SetMaxHeight(int32_t height) {
  maxHeight = height;
  if (height < 1 || minimized || h <= height) return;
  SetBounds(x, y, w, height);
  RefreshDock();
}

void GUI_Window::SetMinimized(bool minimize) {
  if (static_cast<bool>(minimized) == minimize) return;
  if (minimize) {
    restoreRect = {x, y, w, h};
    minimized = 1;
    SetBounds(x, y, w, kMinimizedHeight);
  } else {
    minimized = 0;
    SetBounds(x, y, w, restoreRect.h);
  }
  RefreshDock();
}

void GUI_Window::ToggleMinimized() {
  SetMinimized(!minimized);
  if (minimizeHandler != nullptr) minimizeHandler(minimizeCode, minimized ? 1 : 0);
}

void GUI_Window::CenterOnScreen(int32_t screenW, int32_t screenH) {
  if (docked) {
    gui::Dock().Relayout(screenW, screenH);
    return;
  }
  const int32_t nx = screenW / 2 - w / 2;
  const int32_t ny = screenH / 2 - h / 2;
  SetBounds(nx > 0 ? nx : 0, ny > 0 ? ny : 0, w, h);
}

bool GUI_Window::HitTest(int32_t px, int32_t py) const {
  if (Contains(px, py)) return true;
  if (minimized) return false;
  for (const auto& child : children) {
    if (child->interactive && child->Contains(px, py)) return true;
  }
  return false;
}

bool GUI_Window::InMinimizeButton(int32_t px, int32_t py) const {
  return hasMinimize && InBox(px, py, x + w - 25, y + 3, 12, 12);
}

bool GUI_Window::InCloseButton(int32_t px, int32_t py) const {
  return hasClose && InBox(px, py, x + w - 12, y + 3, 12, 12);
}

bool GUI_Window::InGrip(int32_t px, int32_t py) const {
  return resizable && InBox(px, py, x + 3, y + h - 11, 12, 12);
}

bool GUI_Window::IsTitleDoubleClick(int32_t px, int32_t py, uint32_t now) const {
  return titleClickPending_ && now - lastTitleClickTime <= kDoubleClickMs &&
         std::abs(px - lastTitleClickX) <= kDoubleClickSlop &&
         std::abs(py - lastTitleClickY) <= kDoubleClickSlop;
}

void GUI_Window::RememberTitleClick(int32_t px, int32_t py, uint32_t now) {
  lastTitleClickTime = now;
  lastTitleClickX = px;
  lastTitleClickY = py;
  titleClickPending_ = true;
}

void GUI_Window::StartDrag(int32_t px, int32_t py) {
  dragging = 1;
  dragOffsetX = px - x;
  dragOffsetY = py - y;
}

void GUI_Window::StartResize(int32_t py) {
  resizing = 1;
  resizeStartY = py;
  resizeStartHeight = h;
  SetCursor(platform::Cursor::SizeNorthSouth);
}

void GUI_Window::StretchChildren() {
  for (const auto& child : children) {
    if (child->id != gui::ids::kStretchA && child->id != gui::ids::kStretchB) continue;
    const int32_t height = (y + h) - child->y - 4;
    if (height > 50) child->SetBounds(child->x, child->y, child->w, height);
  }
}

// ---- drawing ---------------------------------------------------------------------

void GUI_Window::DrawTitle(int32_t minimizeFill) {
  const int32_t iconX = x + 4, iconY = y + 3;
  if (title == "Bestiary Tracker") {
    gui::Skin(iconX, iconY, gui::kSheet, 86, 437, 12, 12);
  } else if (title == "Prey Creatures") {
    gui::Fill(iconX, iconY, 12, 12, 322);
  } else if (title == "NPC Trade") {
    gui::Fill(iconX, iconY, 12, 12, 344);
  } else if (title == "Imbuements") {
    gui::Fill(iconX, iconY, 12, 12, 347);
  } else {
    gui::Fill(iconX, iconY, 12, 12, 321);
  }
  gui::Text(x + 20, y + 5, 4, kTitleColor, title, 0);
  if (hasMinimize) gui::Fill(x + w - 25, y + 3, 12, 12, minimizeFill);
  if (hasClose) gui::Fill(x + w - 12, y + 3, 12, 12, closePressed ? kClosePressed : kClose);
}

void GUI_Window::Draw() {
  if (docked) gui::Dock().CheckScreen();
  if (minimized) {
    gui::Fill(x, y, w, 17, kTitleBar);
    gui::Fill(x, y, 4, 17, kCapLeft);
    gui::Fill(x + w, y, 4, 16, kCapRight);
    DrawTitle(minimizePressed ? kRestorePressed : kRestore);
    gui::Fill(x, y + h, w + 4, 4, kBorderBottom);
    gui::Fill(x + w, y + 16, 4, 1, kBorderRight);
    gui::Fill(x, y + 17, 4, 1, kBorderLeft);
    return;
  }
  gui::Fill(x, y, w, h, kBackground);
  gui::Fill(x, y, w, 17, kTitleBar);
  gui::Fill(x, y, 4, 17, kCapLeft);
  gui::Fill(x + w, y, 4, 17, kCapRight);
  gui::Fill(x, y + 17, 4, h - 13, kBorderLeft);
  gui::Fill(x + 4, y + h, w, 4, kBorderBottom);
  gui::Fill(x + w, y + 17, 4, h - 16, kBorderRight);
  DrawTitle(minimizePressed ? kMinimizePressed : kMinimize);
  DrawChildren();
  if (resizable) gui::Fill(x + 3, y + h - 11, 12, 12, kGrip);
}

// ---- mouse -------------------------------------------------------------------------

bool GUI_Window::OnMouseDown(int32_t px, int32_t py) {
  if (!HitTest(px, py)) return false;
  if (overResizeZone && !minimized) {
    StartResize(py);
    return true;
  }
  if (!minimized && InGrip(px, py)) {
    gripResizing = 1;
    StartResize(py);
    return true;
  }
  if (InMinimizeButton(px, py)) {
    minimizePressed = 1;
    return true;
  }
  if (InCloseButton(px, py)) {
    closePressed = 1;
    return true;
  }
  const uint32_t now = ClockMillis();
  if (minimized) {
    if (hasMinimize && InTitleBar(py)) {
      if (IsTitleDoubleClick(px, py, now)) {
        SetMinimized(false);
        if (minimizeHandler != nullptr) minimizeHandler(minimizeCode, 0);
        lastTitleClickTime = 0;
        titleClickPending_ = false;
        return true;
      }
      RememberTitleClick(px, py, now);
    }
    if (InTitleBar(py)) StartDrag(px, py);
    return true;
  }

  if (hasMinimize && InTitleBar(py)) {
    if (IsTitleDoubleClick(px, py, now)) {
      ToggleMinimized();
      lastTitleClickTime = 0;
      titleClickPending_ = false;
      return true;
    }
    RememberTitleClick(px, py, now);
  }
  const std::vector<GUI_Element*> snapshot = ChildrenSnapshot();
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
    if ((*it)->interactive && (*it)->Contains(px, py)) {
      SetFocus(*it);
      (*it)->OnMouseDown(px, py);
      return true;
    }
  }
  // Below the title bar, a press above a child's top edge within its columns
  // still reaches it (controls sit flush under their captions).
  if (py > y + kTitleBarHeight) {
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
      GUI_Element* c = *it;
      if (c->interactive && px >= c->x && px <= c->x + c->w && py < c->y) {
        SetFocus(c);
        c->OnMouseDown(px, py);
        return true;
      }
    }
  }
  if (InTitleBar(py)) StartDrag(px, py);
  return true;
}

bool GUI_Window::OnMouseUp(int32_t px, int32_t py) {
  if (resizing) {
    resizing = 0;
    gripResizing = 0;
    SetCursor(overResizeZone ? platform::Cursor::SizeNorthSouth : platform::Cursor::Arrow);
    if (resizeHandler != nullptr) resizeHandler(resizeCode, 1);
    StretchChildren();
    return true;
  }
  if (minimizePressed) {
    minimizePressed = 0;
    if (hasMinimize && px >= x + w - 25 && px <= x + w - 13 && py >= y + 3 && py <= y + 15) {
      ToggleMinimized();
    }
    return true;
  }
  if (closePressed) {
    closePressed = 0;
    if (InCloseButton(px, py) && closeHandler != nullptr) closeHandler(closeCode, 0);
    return true;
  }
  if (dragging) {
    dragging = 0;
    // A docked window's place is the dock's: it goes back into its column
    // rather than lie over the others until the next re-layout.
    RefreshDock();
    return true;
  }
  if (!minimized) {
    for (GUI_Element* child : ChildrenSnapshot()) child->OnMouseUp(px, py);
  }
  return HitTest(px, py);
}

bool GUI_Window::OnMouseMove(int32_t px, int32_t py) {
  hovered = HitTest(px, py) ? 1 : 0;
  const bool wasInZone = overResizeZone;
  if (!minimized) {
    const bool onBottomEdge = py >= y + h - 3 && py <= y + h && px >= x && px <= x + w;
    overResizeZone = (onBottomEdge || InGrip(px, py)) ? 1 : 0;
  }
  if (!resizing && overResizeZone != wasInZone) {
    SetCursor(overResizeZone ? platform::Cursor::SizeNorthSouth : platform::Cursor::Arrow);
  }
  if (resizing) {
    SetCursor(platform::Cursor::SizeNorthSouth);
    const int32_t dy = py - resizeStartY;
    int32_t newH = resizeStartHeight + dy;
    if (newH < minHeight) newH = minHeight;
    if (maxHeight >= 1 && newH > maxHeight) newH = maxHeight;
    SetBounds(x, y, w, newH);
    StretchChildren();
    // The windows docked below move with the edge, so none is overlapped.
    RefreshDock();
    if (resizeHandler != nullptr) resizeHandler(resizeCode, dy);
    return true;
  }
  if (resizable && !minimized) {
    gripHover = InGrip(px, py) ? 1 : 0;
    if (gripHover) SetCursor(platform::Cursor::SizeNorthSouth);
  }
  minimizeHover = InMinimizeButton(px, py) ? 1 : 0;
  closeHover = InCloseButton(px, py) ? 1 : 0;
  if (dragging) {
    int32_t nx = 0, ny = 0;
    gui::ClampedDragPosition(px, py, *this, &nx, &ny);
    SetBounds(nx, ny, w, h);
    return true;
  }
  if (!minimized) {
    for (GUI_Element* child : ChildrenSnapshot()) child->OnMouseMove(px, py);
  }
  return hovered;
}

bool GUI_Window::OnRightDown(int32_t px, int32_t py) {
  if (!HitTest(px, py)) return false;
  if (minimized || resizing) return true;
  if (GUI_Element* child = TopmostAt(px, py)) {
    SetFocus(child);
    child->OnRightDown(px, py);
  }
  return true;
}

bool GUI_Window::OnRightUp(int32_t px, int32_t py) {
  if (focus == nullptr || !HitTest(px, py) || minimized || resizing) return false;
  focus->OnRightUp(px, py);
  return true;
}

bool GUI_Window::OnWheel(int32_t px, int32_t py, uint8_t up) {
  if (!HitTest(px, py)) return false;
  if (minimized || resizing) return true;
  if (GUI_Element* child = TopmostAt(px, py)) {
    SetFocus(child);
    child->OnWheel(px, py, up);
  }
  return true;
}

// ---- keyboard (goes to the window under the mouse) ----------------------------------

bool GUI_Window::OnKeyDown(int32_t key, int32_t data) {
  constexpr int32_t kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B;
  if (minimized || resizing || !hovered) return false;
  if (!gui::AnyModifierHeld()) {
    GUI_Element* target = nullptr;
    if (key == kTab) {
      target = NextTabTarget();
      if (target != nullptr) {
        SetFocus(target);
        return true;
      }
    } else if (key == kEscape && gui::CloseOpenComboBoxes(*this)) {
      return true;
    } else if (key == kReturn || key == kEscape) {
      target = FindChild(key == kReturn ? gui::ids::kDefaultButton : gui::ids::kCancelButton);
      if (target != nullptr) {
        Click(target);
        return true;
      }
    }
  }
  if (focus == nullptr) return false;
  focus->OnKeyDown(key, data);
  return true;
}

bool GUI_Window::OnKeyUp(int32_t key, int32_t data) {
  if (minimized || resizing || focus == nullptr || !hovered) return false;
  focus->OnKeyUp(key, data);
  return true;
}

bool GUI_Window::OnChar(int32_t code, int32_t data) {
  if (minimized || resizing || focus == nullptr || !hovered) return false;
  focus->OnChar(code, data);
  return true;
}

void GUI_Window::Destroy() {
  // A window that goes while the sizing cursor is its own (the mouse on its
  // edge, or a resize running) hands the arrow back.
  if (resizing || overResizeZone || gripHover) SetCursor(platform::Cursor::Arrow);
  resizing = overResizeZone = gripHover = 0;
  if (docked) gui::Dock().Remove(this);
  docked = 0;
  DestroyChildren();
  title.clear();
}
