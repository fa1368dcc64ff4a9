#include "features/server_dialogs/choice_list.h"

#include <algorithm>
#include <utility>

#include "features/server_dialogs/answers.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "host/handlers.h"

namespace {

constexpr int32_t kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24, kUp = 0x26,
                  kDown = 0x28;
constexpr int32_t kFont = 1;
constexpr int32_t kTextInset = 2;  // the text starts 2 pixels into its row
constexpr gui::Color kFill{54, 54, 54};
constexpr gui::Color kSelectedBand{112, 112, 112};
constexpr gui::Color kSelectedText{255, 255, 255};
constexpr gui::Color kText{200, 200, 200};

}  // namespace

GUI_Choices::GUI_Choices(int32_t x, int32_t y, int32_t w, int32_t shownRows,
                         std::vector<std::string> texts, int32_t id)
    : GUI_Element(x, y, w, shownRows * kRowHeight + 2 * kInset, id),
      scrollBar(0, 0, gui::kScrollPart, 0, 0, 0, 0),
      texts_(std::move(texts)),
      shown_(shownRows) {
  interactive = 1;
  SetBounds(x, y, w, h);
  scrollBar.SetRange(Count() - shown_);
}

void GUI_Choices::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar.SetBounds(x + w - gui::kScrollPart - 1, y + 1, gui::kScrollPart, h - 2);
}

int32_t GUI_Choices::RowWidth() const {
  return w - 2 * kInset + 2 - (Scrolls() ? gui::kScrollPart + 1 : 0);
}

int32_t GUI_Choices::RowAt(int32_t px, int32_t py) const {
  if (px < x + kInset - 1 || px > x + kInset - 1 + RowWidth()) return -1;
  const int32_t offset = py - (y + kInset);
  if (offset < 0 || offset >= shown_ * kRowHeight) return -1;
  const int32_t index = FirstShown() + offset / kRowHeight;
  return index < Count() ? index : -1;
}

void GUI_Choices::Select(int32_t index) {
  if (Count() == 0) return;
  selected_ = std::clamp(index, 0, Count() - 1);
  const int32_t first = FirstShown();
  if (selected_ < first) {
    scrollBar.SetPosition(selected_, false);
  } else if (selected_ >= first + shown_) {
    scrollBar.SetPosition(selected_ - shown_ + 1, false);
  }
}

void GUI_Choices::Draw() {
  gui::ThinFrame(x, y, w, h);
  HostFillRectRGB(x + 1, y + 1, w - 2, h - 2, kFill.r, kFill.g, kFill.b);
  const int32_t rowX = x + kInset - 1;
  const int32_t rowW = RowWidth();
  for (int32_t onScreen = 0; onScreen < shown_; ++onScreen) {
    const int32_t index = FirstShown() + onScreen;
    if (index >= Count()) break;
    const int32_t top = y + kInset + onScreen * kRowHeight;
    const bool isSelected = index == selected_;
    if (isSelected) {
      HostFillRectRGB(rowX, top, rowW, kRowHeight, kSelectedBand.r, kSelectedBand.g,
                      kSelectedBand.b);
    }
    // A text wider than its row ends in "..." rather than run under the bar
    // or out of the window.
    gui::Text(rowX + kTextInset, top, kFont, isSelected ? kSelectedText : kText,
              gui::FitText(kFont, texts_[static_cast<size_t>(index)], rowW - 2 * kTextInset), 0);
  }
  if (Scrolls()) scrollBar.Draw();
}

void GUI_Choices::OnMouseDown(int32_t px, int32_t py) {
  if (Scrolls() && scrollBar.Contains(px, py)) {
    scrollBar.OnMouseDown(px, py);
    return;
  }
  const int32_t row = RowAt(px, py);
  if (row < 0) return;
  const uint32_t now = ClockMillis();
  if (row == lastPressed_ && now - lastPressTime_ <= kDoubleClickMs) {
    activatePending_ = true;
    lastPressed_ = -1;  // a third press starts over
  } else {
    lastPressed_ = row;
  }
  lastPressTime_ = now;
  Select(row);
}

void GUI_Choices::OnMouseUp(int32_t px, int32_t py) {
  scrollBar.OnMouseUp(px, py);
  if (!activatePending_) return;
  activatePending_ = false;
  server_dialogs::NoteAnswer(code);
  Post(1);
}

void GUI_Choices::OnKeyDown(int32_t key, int32_t) {
  if (Count() == 0) return;
  const bool none = selected_ < 0;
  switch (key) {
    case kUp: Select(none ? Count() - 1 : selected_ - 1); break;
    case kDown: Select(none ? 0 : selected_ + 1); break;
    case kPrior: Select(none ? 0 : selected_ - shown_); break;
    case kNext: Select(none ? 0 : selected_ + shown_); break;
    case kHome: Select(0); break;
    case kEnd: Select(Count() - 1); break;
    default: break;
  }
}
