#include "gui/dialog.h"

#include "gui/draw.h"
#include "gui/screen.h"
#include "gui/widget_queries.h"
#include "gui/window_sets.h"

namespace {

constexpr int32_t kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B, kUp = 0x26, kDown = 0x28;
constexpr gui::Color kTitleColor{143, 143, 143};

int32_t NotNegative(int32_t value) { return value < 0 ? 0 : value; }

}  // namespace

namespace gui {

void DrawTitledFrame(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& title) {
  Fill(x, y, w, h, 51);
  Fill(x, y, w, 17, 49);
  Fill(x, y, 4, 17, 43);
  Fill(x + w, y, 4, 17, 44);
  Fill(x, y + 17, 4, h - 13, 47);
  Fill(x + 4, y + h, w, 4, 50);
  Fill(x + w, y + 17, 4, h - 16, 48);
  Text(x + w / 2, y + 5, 4, kTitleColor, title, 1);
}

}  // namespace gui

GUI_Dialog::GUI_Dialog(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& title,
                       int32_t kind)
    : Container(x, y, w, h, title), kind(kind) {}

GUI_Dialog::~GUI_Dialog() {
  if (onDestroyed != nullptr) onDestroyed(this);
}

void GUI_Dialog::RemoveChild(GUI_Element* element) {
  if (element == nullptr) return;
  if (focus == element) {
    focus->OnBlur();
    focus = nullptr;
  }
  for (auto it = children.begin(); it != children.end(); ++it) {
    if (it->get() != element) continue;
    std::unique_ptr<GUI_Element> doomed = std::move(*it);
    children.erase(it);
    return;  // destroyed here, after it left the list
  }
}

void GUI_Dialog::ClearChildren() { DestroyChildren(); }

void GUI_Dialog::Place(int32_t screenW, int32_t screenH) {
  int32_t nx = 0, ny = 0;
  switch (kind) {
    case 0: nx = (screenW - w) / 2 - 2; ny = (screenH - h) / 2; break;
    case 1: nx = (screenW - w) / 2 - 3; ny = 0; break;
    case 2: nx = (screenW - 800) / 2 - 3; ny = screenH - h - 4; break;
    case 3: nx = (screenW - 800) / 2 + 453; ny = screenH - h - 4; break;
    case 4: nx = (screenW - 800) / 2 + 627; ny = screenH - h - 4; break;
    case 5: nx = screenW - w - 20; ny = static_cast<int32_t>(screenH * 0.2); break;
    default: nx = screenW / 2 - w / 2; ny = screenH / 2 - h / 2; break;
  }
  SetBounds(NotNegative(nx), NotNegative(ny), w, h);
}

void GUI_Dialog::DrawFrame() {
  if (kind == kTopCentered) {
    gui::Fill(x, y, w, h, 51);
    gui::Fill(x, y, 4, h, 47);
    gui::Fill(x, y + h, w + 4, 4, 50);
    gui::Fill(x + w, y, 4, h, 48);
    return;
  }
  gui::DrawTitledFrame(x, y, w, h, title);
}

void GUI_Dialog::Draw() {
  if (!open) return;
  DrawFrame();
  DrawChildren();
}

void GUI_Dialog::OnMouseDown(int32_t px, int32_t py) {
  if (!open) return;
  if (!gui::InteractiveComboBoxAt(*this, px, py)) gui::CloseEveryComboBox();
  if (GUI_Element* child = TopmostAt(px, py)) {
    SetFocus(child);
    child->OnMouseDown(px, py);
    return;
  }
  // Only the freely placed kinds can be moved by their title bar.
  if (kind > 4 && px >= x && px <= x + w && py >= y && py <= y + 17) {
    dragging = 1;
    dragOffsetX = px - x;
    dragOffsetY = py - y;
  }
}

void GUI_Dialog::OnMouseUp(int32_t px, int32_t py) {
  dragging = 0;
  if (focus != nullptr) focus->OnMouseUp(px, py);
}

void GUI_Dialog::OnMouseMove(int32_t px, int32_t py) {
  if (dragging) {
    int32_t nx = 0, ny = 0;
    gui::ClampedDragPosition(px, py, *this, &nx, &ny);
    SetBounds(nx, ny, w, h);
    return;
  }
  for (GUI_Element* child : ChildrenSnapshot()) child->OnMouseMove(px, py);
}

void GUI_Dialog::OnRightDown(int32_t px, int32_t py) {
  if (GUI_Element* child = TopmostAt(px, py)) {
    SetFocus(child);
    child->OnRightDown(px, py);
  }
}

void GUI_Dialog::OnWheel(int32_t px, int32_t py, uint8_t up) {
  if (GUI_Element* child = TopmostAt(px, py)) {
    SetFocus(child);
    child->OnWheel(px, py, up);
  }
}

void GUI_Dialog::OnRightUp(int32_t px, int32_t py) {
  if (focus != nullptr) focus->OnRightUp(px, py);
}

void GUI_Dialog::OnKeyUp(int32_t key, int32_t data) {
  if (focus != nullptr) focus->OnKeyUp(key, data);
}

void GUI_Dialog::OnChar(int32_t code, int32_t data) {
  if (focus != nullptr) focus->OnChar(code, data);
}

// Enter: the saved-accounts dialog chooses its account; the login dialog
// logs in when both fields hold text, else picks the account chosen in an
// open saved-accounts dialog; other dialogs click their default button.
void GUI_Dialog::ClickEnterTarget() {
  GUI_Element* target = nullptr;
  if (kind == kSavedAccounts) {
    target = FindChild(gui::ids::kLoginListButton);
  } else if (kind == kCentered) {
    const bool filled = gui::TextBoxHasText(FindChild(gui::ids::kTabFirst)) &&
                        gui::TextBoxHasText(FindChild(gui::ids::kTabFirst + 1));
    if (filled) {
      target = FindChild(gui::ids::kLoginButton);
    } else if (GUI_Dialog* accounts = gui::FirstOpenDialogOfKind(kSavedAccounts)) {
      target = accounts->FindChild(gui::ids::kLoginListButton);
    } else {
      target = FindChild(gui::ids::kLoginButton);
    }
  } else {
    target = FindChild(gui::ids::kDefaultButton);
  }
  if (target != nullptr) {
    Click(target);
  } else if (focus != nullptr) {
    focus->OnKeyDown(kReturn, 0);
  }
}

void GUI_Dialog::OnKeyDown(int32_t key, int32_t data) {
  if (gui::AnyModifierHeld() || key < 9 || key > 40) {
    if (focus != nullptr) focus->OnKeyDown(key, data);
    return;
  }
  switch (key) {
    case kTab:
      if (GUI_Element* next = NextTabTarget()) {
        SetFocus(next);
        return;
      }
      break;
    case kReturn:
      ClickEnterTarget();
      return;
    case kEscape:
      if (gui::CloseOpenComboBoxes(*this)) return;
      if (GUI_Element* cancel = FindChild(gui::ids::kCancelButton)) {
        Click(cancel);
      } else if (gui::hooks::loginEscape != nullptr) {
        gui::hooks::loginEscape();
      }
      return;
    case kUp:
    case kDown:
      if (kind != kSavedAccounts) break;
      if (GUI_Element* list = FindChild(gui::ids::kLoginList)) {
        list->OnKeyDown(key, data);
        return;
      }
      break;  // no list: the focused child has the arrow
    default:
      break;
  }
  if (focus != nullptr) focus->OnKeyDown(key, data);
}

void GUI_Dialog::Destroy() {
  DestroyChildren();
  title.clear();
  open = 0;
}
