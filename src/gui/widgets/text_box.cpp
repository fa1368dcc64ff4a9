#include "gui/widgets/text_box.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "gui/widgets/post_event.h"
#include "host/handlers.h"
#include "platform/platform.h"

namespace {

constexpr int32_t kInserted = 1;
constexpr int32_t kErased = 2;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ControlHeld() {
  return (platform::Get().KeyState(gui::vk::kControl) & 0x8000) != 0;
}

// Other programs expect CR LF: every line feed not already preceded by a
// carriage return gets one.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

GUI_TextBox::GUI_TextBox(int32_t x, int32_t y, int32_t w, int32_t h, std::string initial,
                         int32_t id, uint8_t r, uint8_t g, uint8_t b)
    : GUI_Element(x, y, w, h, id), text(std::move(initial)), textColor{r, g, b} {
  RebuildShownText();
}

void GUI_TextBox::SetText(std::string value, bool resetCaret) {
  if (digitsOnly != 0) std::erase_if(value, [](char c) { return !IsDigit(c); });
  if (value.size() > maxLength) value.resize(maxLength);
  text = std::move(value);
  RebuildShownText();
  if (resetCaret) {
    caret = 0;
    firstVisible = 0;
  }
  // The old caret may lie past a shorter text; every later edit relies on
  // caret <= length.
  caret = std::min<uint32_t>(caret, text.size());
  firstVisible = std::min(firstVisible, caret);
  caretColumn = caret - firstVisible;
  Post(0);
}

void GUI_TextBox::OnFocus() {
  focused = 1;
  RestartBlink();
}

void GUI_TextBox::OnChar(int32_t character, int32_t data) {
  // A character's UTF-8 form starts with a byte below 0x80 only for ASCII,
  // so admitting first bytes 0x20..0x7E admits exactly the printable ASCII.
  if (character < 0x20 || character > 0x7E) return;
  const bool replacing = allSelected != 0;
  if (replacing) ClearAll();
  const size_t inserted = Insert(std::string(1, static_cast<char>(character)));
  // The selection is gone even when the character was refused (digitsOnly):
  // the owner must still hear that the text changed.
  if (replacing && inserted == 0) Post(kErased);
}

size_t GUI_TextBox::Insert(const std::string& piece) {
  const size_t length = text.size();
  // A text set longer than a later-lowered limit has no room, not a huge one.
  const size_t room = length >= maxLength ? 0 : maxLength - length;
  if (room == 0) return 0;
  std::string accepted = piece;
  if (digitsOnly != 0) std::erase_if(accepted, [](char c) { return !IsDigit(c); });
  if (accepted.size() > room) accepted.resize(room);
  if (accepted.empty()) return 0;
  text.insert(caret, accepted);
  RebuildShownText();
  Post(kInserted);
  MoveCaret(caret + accepted.size());
  return accepted.size();
}

void GUI_TextBox::OnKeyDown(int32_t key, int32_t data) {
  switch (key) {
    case gui::vk::kBackspace:
      if (EraseSelection()) return;
      if (caret > 0) {
        const size_t before = caret - 1;
        EraseAt(before);
        MoveCaret(before);
      }
      return;
    case gui::vk::kDelete:
      if (EraseSelection()) return;
      if (caret < text.size()) EraseAt(caret);
      return;
    case gui::vk::kLeft:
      allSelected = 0;
      if (caret > 0) MoveCaret(caret - 1);
      return;
    case gui::vk::kRight:
      allSelected = 0;
      MoveCaret(caret + 1);
      return;
    case gui::vk::kC:
      if (ControlHeld()) Copy();
      return;
    case gui::vk::kV:
      if (ControlHeld()) Paste();
      return;
    default:
      return;
  }
}

void GUI_TextBox::EraseAt(size_t index) {
  text.erase(index, 1);
  RebuildShownText();
  Post(kErased);
}

void GUI_TextBox::ClearAll() {
  text.clear();
  shownText.clear();
  caret = 0;
  caretColumn = 0;
  firstVisible = 0;
  allSelected = 0;
}

bool GUI_TextBox::EraseSelection() {
  if (allSelected == 0) return false;
  ClearAll();
  Post(kErased);
  return true;
}

// A clipboard that cannot be written leaves nothing to report. A masked box
// (a password) copies nothing: its text must not leave it for every other
// program to read.
void GUI_TextBox::Copy() const {
  if (maskChar != 0) return;
  platform::Get().SetClipboardText(WithCrLf(text));
}

void GUI_TextBox::Paste() {
  std::string pasted;
  if (!platform::Get().GetClipboardText(&pasted)) return;
  Insert(pasted);
}

void GUI_TextBox::RebuildShownText() {
  shownText = maskChar != 0 ? std::string(text.size(), static_cast<char>(maskChar)) : text;
}

void GUI_TextBox::MoveCaret(size_t index) {
  if (index > text.size()) return;
  caret = static_cast<uint32_t>(index);
  if (caret < firstVisible) firstVisible = caret;
  while (caret - firstVisible > VisibleCount(firstVisible)) ++firstVisible;
  caretColumn = caret - firstVisible;
  RestartBlink();
}

void GUI_TextBox::RestartBlink() {
  caretShown = 1;
  lastBlinkTime = ClockMillis();
}

size_t GUI_TextBox::VisibleCount(size_t from) const {
  const std::string rest = shownText.substr(std::min(from, shownText.size()));
  const int32_t room = w - 2 * padding;
  size_t count = 0;
  while (count < rest.size() &&
         gui::TextWidth(font, rest, static_cast<int32_t>(count + 1)) < room) {
    ++count;
  }
  return count;
}

std::string GUI_TextBox::VisibleText() const {
  return shownText.substr(std::min<size_t>(firstVisible, shownText.size()),
                          VisibleCount(firstVisible));
}

void GUI_TextBox::OnMouseDown(int32_t px, int32_t py) {
  RebuildShownText();
  const uint32_t now = ClockMillis();
  if (lastClickTime != 0 && now - lastClickTime <= doubleClickTime) {
    allSelected = 1;
    MoveCaret(text.size());
    lastClickTime = 0;
    return;
  }
  // The character boundary nearest to the pointer among the shown ones.
  const std::string visible = VisibleText();
  size_t best = 0;
  int32_t bestDistance = INT_MAX;
  for (size_t i = 0; i <= visible.size(); ++i) {
    const int32_t boundary = x + padding + gui::TextWidth(font, visible, static_cast<int32_t>(i));
    const int32_t distance = std::abs(px - boundary);
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  allSelected = 0;
  MoveCaret(firstVisible + best);
  lastClickTime = now;
}

void GUI_TextBox::Draw() {
  const uint32_t now = ClockMillis();
  if (now - lastBlinkTime >= kBlinkMs) {
    caretShown = caretShown != 0 ? 0 : 1;
    lastBlinkTime = now;
  }
  // The owner may have set maskChar directly since the last edit; a masked
  // text must never be drawn in the clear.
  RebuildShownText();
  HostFillRectRGB(x, y, w, h, 54, 54, 54);
  gui::ThinFrame(x, y, w, h);
  const std::string visible = VisibleText();
  if (focused != 0 && allSelected != 0 && !text.empty()) {
    HostFillRectRGB(x + padding, y + 2, gui::TextWidth(font, visible), h - 4, 72, 72, 72);
  }
  gui::Text(x + padding, y + 3, font, textColor, visible, 0);
  if (focused != 0 && caretShown != 0) {
    const int32_t caretX =
        x + padding + gui::TextWidth(font, visible, static_cast<int32_t>(caretColumn));
    HostFillRectRGB(caretX, y + 2, 1, h - 4, 255, 255, 255);
  }
}
