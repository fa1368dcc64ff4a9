// GUI_Window: the framed top-level window of the trackers and the analyzer:
// title bar, close and minimise buttons, dragging, vertical resizing and
// optional docking into two screen columns. Owned by its feature through one
// global pointer; input operations answer whether the window took the event.
#pragma once

#include <cstdint>
#include <string>

#include "gui/container.h"

class GUI_Window : public gui::Container {
 public:
  static constexpr int32_t kTitleBarHeight = 17;
  static constexpr int32_t kMinimizedHeight = 17;
  static constexpr uint32_t kDoubleClickMs = 500;
  static constexpr int32_t kDoubleClickSlop = 5;

  GUI_Window(int32_t x, int32_t y, int32_t w, int32_t h, const std::string& title, int32_t tag,
             bool docked);
  ~GUI_Window() override;

  void SetCloseHandler(GUI_Handler handler, int32_t code);
  void SetMinimizeHandler(GUI_Handler handler, int32_t code);
  void SetResizeHandler(GUI_Handler handler, int32_t code);
  void SetMinHeight(int32_t height);
  void SetMaxHeight(int32_t height);
  void SetMinimized(bool minimize);
  void CenterOnScreen(int32_t screenW, int32_t screenH);
  bool HitTest(int32_t px, int32_t py) const;

  void Draw();
  bool OnMouseDown(int32_t px, int32_t py);
  bool OnMouseUp(int32_t px, int32_t py);
  bool OnMouseMove(int32_t px, int32_t py);
  bool OnRightDown(int32_t px, int32_t py);
  bool OnRightUp(int32_t px, int32_t py);
  bool OnWheel(int32_t px, int32_t py, uint8_t up);
  // Escape closes an open combo-box list of the window first; only with no
  // list open does it click the cancel button.
  bool OnKeyDown(int32_t key, int32_t data);
  bool OnKeyUp(int32_t key, int32_t data);
  bool OnChar(int32_t code, int32_t data);
  // Leaves the dock, drops the focus, destroys the children, clears the title.
  void Destroy();

  int32_t tag = 0;
  uint8_t hovered = 0;
  uint8_t hasClose = 0, closeHover = 0, closePressed = 0;
  GUI_Handler closeHandler = nullptr;
  int32_t closeCode = 0;
  uint8_t hasMinimize = 0, minimizeHover = 0, minimizePressed = 0;
  GUI_Handler minimizeHandler = nullptr;
  int32_t minimizeCode = 0;
  uint8_t minimized = 0;
  struct Rect {
    int32_t x = 0, y = 0, w = 0, h = 0;
  } restoreRect;
  uint32_t lastTitleClickTime = 0;
  int32_t lastTitleClickX = 0, lastTitleClickY = 0;
  uint8_t resizable = 0, gripHover = 0, gripResizing = 0;
  GUI_Handler resizeHandler = nullptr;
  int32_t resizeCode = 0;
  uint8_t resizing = 0;
  int32_t resizeStartY = 0, resizeStartHeight = 0;
  int32_t minHeight = 100;
  int32_t maxHeight = 0;
  uint8_t overResizeZone = 0;
  uint8_t docked = 0;

 private:
  bool InMinimizeButton(int32_t px, int32_t py) const;
  bool InCloseButton(int32_t px, int32_t py) const;
  bool InGrip(int32_t px, int32_t py) const;
  bool InTitleBar(int32_t py) const { return py >= y && py < y + kTitleBarHeight; }
  // A second title-bar press within 500 ms and 5 pixels of the first.
  bool IsTitleDoubleClick(int32_t px, int32_t py, uint32_t now) const;
  void RememberTitleClick(int32_t px, int32_t py, uint32_t now);
  void StartDrag(int32_t px, int32_t py);
  void StartResize(int32_t py);
  void StretchChildren();
  void ToggleMinimized();
  void RefreshDock();
  void DrawTitle(int32_t minimizeFill);

  // Set by a remembered title click; a click at clock 0 is a real click.
  bool titleClickPending_ = false;
};
