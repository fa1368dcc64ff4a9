#include "login/widgets.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/post_event.h"
#include "gui/widgets/v_scroll_bar.h"
#include "host/handlers.h"
#include "login/account_list.h"
#include "platform/platform.h"

namespace {

constexpr int32_t kKeyUp = 38;
constexpr int32_t kKeyDown = 40;
constexpr int32_t kBarWidth = gui::kScrollPart;
constexpr int32_t kRowInset = 2;  // rows start 2 pixels inside the frame
constexpr int32_t kNameFont = 4;
constexpr int32_t kNameInset = 3;  // a name starts 3 pixels inside the frame

constexpr gui::Color kFill{64, 64, 64};
constexpr uint8_t kRowGreyEven = 65;
constexpr uint8_t kRowGreyOdd = 72;
constexpr uint8_t kRowGreySelected = 112;
constexpr gui::Color kNameSelected{255, 255, 255};
constexpr gui::Color kName{190, 190, 190};

constexpr gui::Color kLabelHovered{220, 220, 220};
constexpr gui::Color kLabel{179, 179, 179};
constexpr int32_t kLabelFont = 1;

int32_t EntryCount() { return static_cast<int32_t>(login::Accounts().size()); }

// Rows that fit between the frame's inner edges (2 pixels of border each side).
int32_t RowsThatFit(int32_t height) {
  return std::max((height - 2 * kRowInset) / GUI_Accounts::kRowHeight, 0);
}

// A row bar's width: from the inset to the scroll bar's edge.
int32_t RowWidth(int32_t width) { return width - 16; }

}  // namespace

// ---------------------------------------------------------------------------
// GUI_Accounts
// ---------------------------------------------------------------------------

GUI_Accounts::GUI_Accounts(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id) {
  interactive = 1;
  scrollBar = std::make_unique<GUI_VScrollBar>(0, 0, kBarWidth, 0, 0, 0, 0);
  Layout();
}

GUI_Accounts::~GUI_Accounts() = default;

void GUI_Accounts::SetActivateHandler(GUI_Handler handler, int32_t code) {
  activateHandler = handler;
  activateCode = code;
}

void GUI_Accounts::UpdateScrollRange() { scrollBar->SetRange(EntryCount() - visibleRows); }

void GUI_Accounts::Layout() {
  visibleRows = RowsThatFit(h);
  scrollBar->SetBounds(x + w - kBarWidth - 1, y + 1, kBarWidth, h - 2);
  UpdateScrollRange();
}

void GUI_Accounts::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  Layout();
}

int32_t GUI_Accounts::FirstShown() const { return scrollBar->position; }

int32_t GUI_Accounts::ShownRows() const {
  return std::clamp(EntryCount() - FirstShown(), 0, visibleRows);
}

int32_t GUI_Accounts::RowTop(int32_t onScreen) const {
  return y + kRowInset + onScreen * kRowHeight;
}

void GUI_Accounts::Draw() {
  gui::ThinFrame(x, y, w, h);
  HostFillRectRGB(x + 1, y + 1, w - 14, h - 2, kFill.r, kFill.g, kFill.b);
  const auto& accounts = login::Accounts();
  const int32_t first = FirstShown();
  // A name ends where its row bar ends (the scroll bar begins there).
  const int32_t nameRoom = RowWidth(w) + kRowInset - kNameInset;
  for (int32_t onScreen = 0; onScreen < ShownRows(); ++onScreen) {
    const int32_t index = first + onScreen;
    const bool isSelected = index == selected;
    const uint8_t grey = isSelected          ? kRowGreySelected
                         : onScreen % 2 == 0 ? kRowGreyEven
                                             : kRowGreyOdd;
    const int32_t top = RowTop(onScreen);
    HostFillRectRGB(x + kRowInset, top, RowWidth(w), kRowHeight, grey, grey, grey);
    gui::Text(x + kNameInset, top + 1, kNameFont, isSelected ? kNameSelected : kName,
              gui::FitText(kNameFont, accounts[static_cast<size_t>(index)].account, nameRoom), 0);
  }
  scrollBar->Draw();
}

void GUI_Accounts::OnMouseDown(int32_t px, int32_t py) {
  const bool inRows =
      px >= x + kRowInset && px <= x + w - 14 && py >= y + kRowInset && py <= y + h - 2;
  if (!inRows) {
    if (scrollBar->Contains(px, py)) scrollBar->OnMouseDown(px, py);
    return;
  }
  // Bars are tested inclusively, so a boundary pixel belongs to the upper row.
  for (int32_t onScreen = 0; onScreen < ShownRows(); ++onScreen) {
    const int32_t top = RowTop(onScreen);
    if (py < top || py > top + kRowHeight) continue;
    PressRow(FirstShown() + onScreen);
    return;
  }
}

void GUI_Accounts::PressRow(int32_t index) {
  const uint32_t now = ClockMillis();
  // Compared as a signed distance so that the clock's wrap after 49 days
  // neither opens nor closes the window by accident.
  const bool beforeDeadline = static_cast<int32_t>(doubleClickDeadline - now) > 0;
  if (beforeDeadline && index == selected) activatePending = 1;
  selected = index;
  doubleClickDeadline = now + kDoubleClickMs;
}

void GUI_Accounts::OnMouseUp(int32_t px, int32_t py) {
  if (activatePending != 0 && activateHandler != nullptr) {
    gui::PostEvent(activateHandler, activateCode, 1);
    activatePending = 0;
  }
  scrollBar->OnMouseUp(px, py);
}

void GUI_Accounts::OnKeyDown(int32_t key, int32_t data) {
  const int32_t count = EntryCount();
  if (count == 0) return;
  const int32_t first = FirstShown();
  if (key == kKeyUp && selected > 0) {
    --selected;
    if (selected < first) scrollBar->SetPosition(selected, false);
  } else if (key == kKeyDown && selected < count - 1) {
    ++selected;
    if (selected > first + visibleRows - 1) scrollBar->SetPosition(first + 1, false);
  }
}

void GUI_Accounts::OnWheel(int32_t px, int32_t py, uint8_t up) { scrollBar->OnWheel(px, py, up); }

// ---------------------------------------------------------------------------
// LoginTextBox
// ---------------------------------------------------------------------------

void LoginTextBox::OnKeyDown(int32_t key, int32_t data) {
  GUI_TextBox::OnKeyDown(key, data);  // a paste arrives here (Ctrl+V)
  DropLineBreaks();
}

void LoginTextBox::DropLineBreaks() {
  if (!login::HasLineBreak(text)) return;
  // An index into the text as it is, moved to the same place in the text
  // without the dropped characters.
  auto kept = [this](uint32_t index) {
    const std::string_view before = std::string_view(text).substr(0, index);
    return static_cast<uint32_t>(login::WithoutLineBreaks(before).size());
  };
  const uint32_t newCaret = kept(caret);
  const uint32_t newFirst = kept(firstVisible);
  SetText(login::WithoutLineBreaks(text), false);
  // Dropping characters only brings the caret nearer the view's start, so
  // it stays inside the view.
  caret = newCaret;
  firstVisible = std::min(newFirst, caret);
  caretColumn = caret - firstVisible;
}

// ---------------------------------------------------------------------------
// ClickableLabel
// ---------------------------------------------------------------------------

ClickableLabel::ClickableLabel(int32_t x, int32_t y, int32_t w, int32_t h, std::string text,
                               std::string url, int32_t id)
    : GUI_Element(x, y, w, h, id), text(std::move(text)), url(std::move(url)) {
  interactive = 1;
}

void ClickableLabel::Draw() {
  gui::Text(x, y, kLabelFont, hovered != 0 ? kLabelHovered : kLabel, text, 0);
}

void ClickableLabel::OnMouseMove(int32_t px, int32_t py) { hovered = Contains(px, py) ? 1 : 0; }

void ClickableLabel::OnMouseDown(int32_t px, int32_t py) {
  if (Contains(px, py)) platform::Get().ShellOpen(url);
}

// ---------------------------------------------------------------------------
// UnderlineElement
// ---------------------------------------------------------------------------

void UnderlineElement::Draw() { HostFillRectRGB(x, y, w, h, r, g, b); }
