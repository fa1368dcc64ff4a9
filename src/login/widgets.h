// The login screen's own elements: the saved-accounts list, the account and
// password box, a text that opens a web page, and a one-pixel underline.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/element.h"
#include "gui/widgets/text_box.h"

class GUI_VScrollBar;

// The rows of the account list (account names only; passwords are never
// shown), a scroll bar, selection by press, Up/Down and the wheel, and a
// second press on the selected row within 1000 ms activating it.
//
// It reads login::Accounts() on every use and keeps no copy. The selected
// index may point past the end after entries were removed; it is then only
// compared, never used to read an entry.
class GUI_Accounts : public GUI_Element {
 public:
  static constexpr int32_t kRowHeight = 12;
  static constexpr uint32_t kDoubleClickMs = 1000;

  GUI_Accounts(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  ~GUI_Accounts() override;

  void SetActivateHandler(GUI_Handler handler, int32_t code);
  // Range = entry count - visible rows (the scroll bar keeps it >= 0).
  // Call after every change of the account list.
  void UpdateScrollRange();

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  void OnKeyDown(int32_t key, int32_t data) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

  GUI_Handler activateHandler = nullptr;
  std::unique_ptr<GUI_VScrollBar> scrollBar;
  uint32_t doubleClickDeadline = 0;
  int32_t activateCode = 202;
  int32_t visibleRows = 0;  // (h - 4) / 12
  int32_t selected = 0;
  uint8_t activatePending = 0;

 private:
  // Visible rows and the scroll bar's place and range from the rectangle.
  void Layout();
  int32_t FirstShown() const;  // the scroll bar's position
  // Rows drawn: the entries from FirstShown(), at most visibleRows of them.
  int32_t ShownRows() const;
  int32_t RowTop(int32_t onScreen) const;
  void PressRow(int32_t index);
};

// The login dialog's account and password box. The toolkit's box takes a
// pasted text as it is, so a password copied with its line end would hold
// "\r\n", be handed to the host so and never be saved. This one drops line
// breaks and NULs as soon as a key put them in, the caret staying after the
// same characters.
class LoginTextBox : public GUI_TextBox {
 public:
  using GUI_TextBox::GUI_TextBox;

  void OnKeyDown(int32_t key, int32_t data) override;

 private:
  void DropLineBreaks();
};

// A text that lights up under the mouse and opens its web page (the whole
// address, as given) when pressed.
class ClickableLabel : public GUI_Element {
 public:
  ClickableLabel(int32_t x, int32_t y, int32_t w, int32_t h, std::string text, std::string url,
                 int32_t id);

  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnMouseDown(int32_t px, int32_t py) override;

  std::string text;
  std::string url;
  uint8_t hovered = 0;
};

// A solid line of one colour over the whole rectangle.
class UnderlineElement : public GUI_Element {
 public:
  UnderlineElement(int32_t x, int32_t y, int32_t w, int32_t h, uint8_t r, uint8_t g, uint8_t b)
      : GUI_Element(x, y, w, h, 0), r(r), g(g), b(b) {}

  void Draw() override;

  uint8_t r, g, b;
};
