// GUI_Dialog: the framed top-level window of the current modal feature
// window and of the login screen's dialogs, placed on screen by its kind.
// A dialog has no close, minimise or resize machinery; its buttons are
// ordinary children. The window procedure decides by its own hit test
// whether a dialog takes an event, so the input operations return nothing.
#pragma once

#include <cstdint>
#include <string>

#include "gui/container.h"

class GUI_Dialog : public gui::Container {
 public:
  // Placement kinds with a fixed meaning elsewhere.
  static constexpr int32_t kCentered = 0;
  static constexpr int32_t kTopCentered = 1;
  static constexpr int32_t kSavedAccounts = 5;

  GUI_Dialog(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& title, int32_t kind);
  ~GUI_Dialog() override;

  // Takes the child out of the dialog and destroys it.
  void RemoveChild(GUI_Element* element);
  void ClearChildren();
  void Place(int32_t screenW, int32_t screenH);

  void Draw();
  void OnMouseDown(int32_t px, int32_t py);
  void OnMouseUp(int32_t px, int32_t py);
  void OnMouseMove(int32_t px, int32_t py);
  void OnRightDown(int32_t px, int32_t py);
  void OnRightUp(int32_t px, int32_t py);
  void OnWheel(int32_t px, int32_t py, uint8_t up);
  // Escape closes an open combo-box list of the dialog first; only with no
  // list open does it click the cancel button.
  void OnKeyDown(int32_t key, int32_t data);
  void OnKeyUp(int32_t key, int32_t data);
  void OnChar(int32_t code, int32_t data);
  void Destroy();

  int32_t kind = 0;
  // Called from the destructor so the owner can forget its pointer.
  void (*onDestroyed)(GUI_Dialog* dialog) = nullptr;

 private:
  void ClickEnterTarget();
  void DrawFrame();
};

namespace gui {

// The titled frame of dialogs and GUI_WindowChild: background, title bar,
// caps, borders and the centred title.
void DrawTitledFrame(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& title);

namespace hooks {
// The login screen's escape action (a dialog without a cancel button).
inline void (*loginEscape)() = nullptr;
}  // namespace hooks

}  // namespace gui
