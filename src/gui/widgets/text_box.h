// The single-line text box: printable ASCII only, an optional length limit,
// digits-only and masked modes, a caret with a scrolling view, select-all by
// double click, and copy / paste through the platform clipboard.
//
// Events (queued): 0 after SetText, 1 after text was inserted, 2 after text
// was erased or cleared.
#pragma once

#include <cstddef>
#include <string>

#include "gui/draw.h"
#include "gui/element.h"
#include "gui/widgets/post_event.h"

namespace gui::vk {
inline constexpr int32_t kBackspace = 0x08;
inline constexpr int32_t kControl = 0x11;
inline constexpr int32_t kLeft = 0x25;
inline constexpr int32_t kRight = 0x27;
inline constexpr int32_t kDelete = 0x2E;
inline constexpr int32_t kC = 0x43;
inline constexpr int32_t kV = 0x56;
}  // namespace gui::vk

class GUI_TextBox : public GUI_Element, public gui::HandlerSlot {
 public:
  static constexpr uint32_t kBlinkMs = 500;

  // The initial text is taken as given (no limit applies yet) and posts nothing.
  GUI_TextBox(int32_t x, int32_t y, int32_t w, int32_t h, std::string initial, int32_t id,
              uint8_t r, uint8_t g, uint8_t b);

  // Keeps only digits when digitsOnly, cuts to maxLength, posts 0. Without
  // resetCaret the caret stays where it was, or at the end of a shorter text.
  void SetText(std::string value, bool resetCaret);

  void OnFocus() override;
  void OnChar(int32_t character, int32_t data) override;
  void OnKeyDown(int32_t key, int32_t data) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void Draw() override;

  std::string text;
  std::string shownText;  // the text, or one mask character per character
  uint32_t maxLength = 0;  // 0 accepts no typing or pasting
  uint32_t lastBlinkTime = 0;
  uint32_t caret = 0;        // index into the text
  uint32_t caretColumn = 0;  // caret - firstVisible
  int32_t padding = 4;
  uint32_t firstVisible = 0;  // first character shown
  gui::Color textColor;
  uint8_t font = 2;
  uint8_t maskChar = 0;  // 0 = show the text itself
  uint8_t caretShown = 0;
  uint8_t digitsOnly = 0;
  uint32_t lastClickTime = 0;  // 0 = no click to pair a second press with
  uint32_t doubleClickTime = 500;
  uint8_t allSelected = 0;

 private:
  // Inserts at the caret what fits and passes digitsOnly; moves the caret
  // past it and posts 1. Returns how many characters went in.
  size_t Insert(const std::string& piece);
  void EraseAt(size_t index);
  void ClearAll();
  // Clears a selected-all text and reports it; false when nothing is selected.
  bool EraseSelection();
  void Copy() const;
  void Paste();
  void RebuildShownText();
  // Moves the caret when index is within 0 .. length and scrolls the view so
  // the caret stays inside the box.
  void MoveCaret(size_t index);
  void RestartBlink();
  // The longest run of shown characters from `from` narrower than the box.
  size_t VisibleCount(size_t from) const;
  std::string VisibleText() const;
};
