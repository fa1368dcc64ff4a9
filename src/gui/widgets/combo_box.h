// The drop-down list. Closed it is a text part and an arrow part; open, its
// element rectangle grows down over the list, so the container's hit tests
// reach the rows. Every combo box is in one process-wide registry, so a press
// anywhere else can close all open lists.
//
// Unlike the other widgets, a chosen row calls the handler at once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/draw.h"
#include "gui/element.h"
#include "gui/widgets/post_event.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_ComboBox : public GUI_Element, public gui::HandlerSlot {
 public:
  struct Rect {
    int32_t x, y, w, h;
  };

  static constexpr int32_t kRowHeight = 14;
  static constexpr int32_t kArrowWidth = 17;

  GUI_ComboBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  ~GUI_ComboBox() override;

  void AddItem(std::string text);
  void ClearItems();  // also unselects and closes
  // For -1 <= index < item count: selects (-1 = none) and closes; with notify
  // the handler is called at once with (code, index). Other indices are ignored.
  void Select(int32_t index, bool notify);
  void SetPlaceholder(std::string text) { placeholder = std::move(text); }
  void SetTextColor(uint8_t r, uint8_t g, uint8_t b) { textColor = {r, g, b}; }
  void SetMaxListHeight(int32_t height);
  // Closes the list and gives the element its closed rectangle back.
  void Close();

  int32_t ItemCount() const { return static_cast<int32_t>(items.size()); }
  int32_t ListHeight() const;
  bool ScrollBarShown() const { return ItemCount() > visibleRows; }
  // The selected item, else the placeholder, else "Select..." (uncut).
  const std::string& ShownText() const;

  // Sets the closed rectangle; the list and its scroll bar follow.
  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;
  void Draw() override;

  std::vector<std::string> items;
  std::string placeholder = "Select...";
  std::unique_ptr<GUI_VScrollBar> scrollBar;
  int32_t selected = -1;
  int32_t maxListHeight = 120;
  int32_t visibleRows = maxListHeight / kRowHeight;
  uint8_t open = 0;
  uint8_t pressed = 0;
  int32_t normalElement = 14;
  int32_t pressedElement = 15;
  gui::Color textColor{255, 255, 255};
  gui::Color fillColor{60, 60, 60};      // kept for the owner
  gui::Color borderColor{120, 120, 120};  // kept for the owner
  uint8_t textured = 1;
  uint8_t bevel = 1;
  Rect closedRect;
  uint8_t enabled = 1;

 private:
  bool InClosedRect(int32_t px, int32_t py) const;
  void PressOnOpenList(int32_t px, int32_t py);
  void Toggle();
  void UpdateRange();
  void PlaceScrollBar();
  void UpdateRect();
  void DrawPart(int32_t partX, int32_t partW);
  void DrawList();
};

namespace gui {

// Closes every open combo box in the process except `except` (may be null).
void CloseAllComboBoxes(GUI_ComboBox* except = nullptr);

// Texts longer than 35 characters are cut to their first `keep` characters
// followed by "...": 22 for the closed box, 32 for the rows of the list.
std::string CutLongText(const std::string& text, size_t keep);

}  // namespace gui
