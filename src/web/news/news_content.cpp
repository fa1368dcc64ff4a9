#include "web/news/news_content.h"

#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "gui/widgets/v_scroll_bar.h"

namespace {

constexpr int32_t kFont = 4;
constexpr int32_t kLineHeight = 12;
constexpr int32_t kBarWidth = 12;
constexpr int32_t kWrapInset = 28;  // the margins and the scroll bar
constexpr gui::Color kTextColour{190, 190, 190};

}  // namespace

GUI_NewsContent::GUI_NewsContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id),
      scrollBar_(std::make_unique<GUI_VScrollBar>(x + w - kBarWidth, y, kBarWidth, h, 0, 0, 0)) {
  interactive = 1;
  SetText("Loading news...");
}

GUI_NewsContent::~GUI_NewsContent() = default;

void GUI_NewsContent::SetText(const std::string& text) {
  text_ = text;
  Wrap();
  scrollBar_->SetPosition(0, true);
}

void GUI_NewsContent::Wrap() {
  lines_.clear();
  // Too long a word (an address) is broken rather than left to run out of
  // the panel.
  for (size_t start = 0; start <= text_.size();) {
    size_t end = text_.find('\n', start);
    if (end == std::string::npos) end = text_.size();
    for (std::string& line : gui::WrapText(kFont, text_.substr(start, end - start), w - kWrapInset)) {
      lines_.push_back(std::move(line));
    }
    start = end + 1;
  }
  scrollBar_->SetRange(static_cast<int32_t>(lines_.size()) - VisibleLines());
}

int32_t GUI_NewsContent::FirstShown() const { return scrollBar_->position; }

void GUI_NewsContent::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  const bool resized = newW != w || newH != h;
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar_->SetBounds(x + w - kBarWidth, y, kBarWidth, h);
  if (resized) {
    const int32_t first = FirstShown();
    Wrap();
    scrollBar_->SetPosition(first, true);
  }
}

void GUI_NewsContent::Draw() {
  int32_t top = y + 6;
  for (size_t i = static_cast<size_t>(FirstShown()); i < lines_.size() && top < y + h - 6; ++i) {
    gui::Text(x + 8, top, kFont, kTextColour, lines_[i], 0);
    top += kLineHeight;
  }
  scrollBar_->Draw();
}

void GUI_NewsContent::OnMouseMove(int32_t px, int32_t py) { scrollBar_->OnMouseMove(px, py); }

void GUI_NewsContent::OnMouseDown(int32_t px, int32_t py) {
  if (scrollBar_->Contains(px, py)) scrollBar_->OnMouseDown(px, py);
}

void GUI_NewsContent::OnMouseUp(int32_t px, int32_t py) { scrollBar_->OnMouseUp(px, py); }

void GUI_NewsContent::OnWheel(int32_t px, int32_t py, uint8_t up) {
  scrollBar_->OnWheel(px, py, up);
}
