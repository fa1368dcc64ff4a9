#include "gui/widgets/combo_box.h"

#include <algorithm>

#include "gui/widgets/face.h"

namespace {

// Never destroyed: a combo box freed late during process exit must still
// find the registry.
std::vector<GUI_ComboBox*>& Registry() {
  static auto* boxes = new std::vector<GUI_ComboBox*>();
  return *boxes;
}

constexpr size_t kLongText = 35;
constexpr int32_t kFaceHeight = 18;
const std::string kDefaultPlaceholder = "Select...";

}  // namespace

namespace gui {

void CloseAllComboBoxes(GUI_ComboBox* except) {
  for (GUI_ComboBox* box : Registry()) {
    if (box != except) box->Close();
  }
}

std::string CutLongText(const std::string& text, size_t keep) {
  if (text.size() <= kLongText) return text;
  return text.substr(0, keep) + "...";
}

}  // namespace gui

GUI_ComboBox::GUI_ComboBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id), closedRect{x, y, w, h} {
  scrollBar = std::make_unique<GUI_VScrollBar>(0, 0, 12, maxListHeight - 2, 0, 0, 0);
  PlaceScrollBar();
  Registry().push_back(this);
}

GUI_ComboBox::~GUI_ComboBox() { std::erase(Registry(), this); }

void GUI_ComboBox::AddItem(std::string text) {
  items.push_back(std::move(text));
  UpdateRange();
  UpdateRect();
}

void GUI_ComboBox::ClearItems() {
  items.clear();
  selected = -1;
  Close();
  UpdateRange();
}

void GUI_ComboBox::Select(int32_t index, bool notify) {
  if (index < -1 || index >= ItemCount()) return;
  selected = index;
  Close();
  if (notify && handler != nullptr) handler(code, index);
}

void GUI_ComboBox::SetMaxListHeight(int32_t height) {
  maxListHeight = height;
  visibleRows = height / kRowHeight;
  UpdateRange();
  PlaceScrollBar();
  UpdateRect();
}

void GUI_ComboBox::Close() {
  open = 0;
  // A list closed under a held arrow must not keep auto-repeating later.
  scrollBar->OnMouseUp(0, 0);
  UpdateRect();
}

int32_t GUI_ComboBox::ListHeight() const {
  return std::min(std::min(ItemCount(), visibleRows) * kRowHeight + 4, maxListHeight);
}

const std::string& GUI_ComboBox::ShownText() const {
  if (selected >= 0 && selected < ItemCount()) return items[selected];
  return placeholder.empty() ? kDefaultPlaceholder : placeholder;
}

void GUI_ComboBox::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  // A container that moves its children passes back the rectangle it read,
  // which covers the open list; the closed height stays ours then.
  const int32_t closedH = newH == h ? closedRect.h : newH;
  closedRect = {newX, newY, newW, closedH};
  PlaceScrollBar();
  UpdateRect();
}

bool GUI_ComboBox::InClosedRect(int32_t px, int32_t py) const {
  const Rect& r = closedRect;
  return px >= r.x && px <= r.x + r.w && py >= r.y && py <= r.y + r.h;
}

void GUI_ComboBox::OnMouseDown(int32_t px, int32_t py) {
  if (enabled == 0) return;
  if (InClosedRect(px, py)) {
    pressed = 1;
    return;
  }
  if (open != 0 && !items.empty()) {
    PressOnOpenList(px, py);
    return;
  }
  gui::CloseAllComboBoxes();
}

void GUI_ComboBox::PressOnOpenList(int32_t px, int32_t py) {
  const Rect& r = closedRect;
  const int32_t top = r.y + r.h;
  if (px < r.x || px > r.x + r.w || py < top || py > top + ListHeight()) {
    Close();
    return;
  }
  if (ScrollBarShown() && scrollBar->Contains(px, py)) {
    scrollBar->OnMouseDown(px, py);
    return;
  }
  // The bottom border lies below the last shown row; it chooses nothing
  // rather than a row that is scrolled out of view.
  const int32_t onScreen = (py - top - 2) / kRowHeight;
  if (onScreen >= visibleRows) return;
  const int32_t row = onScreen + scrollBar->position;
  if (row >= 0 && row < ItemCount()) Select(row, true);
}

void GUI_ComboBox::OnMouseUp(int32_t px, int32_t py) {
  if (enabled == 0) return;
  if (pressed != 0) {
    pressed = 0;
    if (InClosedRect(px, py) && !items.empty()) Toggle();
  }
  if (open != 0) scrollBar->OnMouseUp(px, py);
}

void GUI_ComboBox::Toggle() {
  if (open != 0) {
    Close();
    return;
  }
  gui::CloseAllComboBoxes(this);
  PlaceScrollBar();
  open = 1;
  UpdateRect();
}

void GUI_ComboBox::OnMouseMove(int32_t px, int32_t py) {
  if (open != 0) scrollBar->OnMouseMove(px, py);
}

void GUI_ComboBox::OnWheel(int32_t px, int32_t py, uint8_t up) {
  if (open != 0) scrollBar->OnWheel(px, py, up);
}

void GUI_ComboBox::UpdateRange() { scrollBar->SetRange(ItemCount() - visibleRows); }

void GUI_ComboBox::PlaceScrollBar() {
  const Rect& r = closedRect;
  scrollBar->SetBounds(r.x + r.w - 13, r.y + r.h + 1, 12, maxListHeight - 2);
}

void GUI_ComboBox::UpdateRect() {
  const Rect& r = closedRect;
  const int32_t extra = open != 0 && !items.empty() ? ListHeight() : 0;
  GUI_Element::SetBounds(r.x, r.y, r.w, r.h + extra);
}

void GUI_ComboBox::Draw() {
  const Rect& r = closedRect;
  DrawPart(r.x, r.w - kArrowWidth);
  DrawPart(r.x + r.w - kArrowWidth, kArrowWidth);
  const gui::Color color = enabled != 0 ? textColor : gui::Grey(120);
  const int32_t p = open != 0 ? 1 : 0;
  const int32_t textY = r.y + (r.h - 8) / 2 + p;
  gui::Text(r.x + (r.w - kArrowWidth) / 2 + p, textY, 1, color, gui::CutLongText(ShownText(), 22),
            1);
  gui::Text(r.x + r.w - kArrowWidth + 8 + p, textY, 3, color, open != 0 ? "^" : "v", 1);
  if (open != 0 && !items.empty()) DrawList();
}

void GUI_ComboBox::DrawPart(int32_t partX, int32_t partW) {
  const Rect& r = closedRect;
  if (textured == 0) {
    gui::Fill(partX, r.y, partW, r.h, open != 0 ? pressedElement : normalElement);
    return;
  }
  gui::FaceRow(partX, r.y, partW, kFaceHeight, 0, 0);
  if (bevel == 0) return;
  const gui::Color light = gui::Grey(111), dark = gui::Grey(49);
  gui::Bevel(partX, r.y, partW, r.h, pressed != 0 ? dark : light, pressed != 0 ? light : dark);
}

void GUI_ComboBox::DrawList() {
  const Rect& r = closedRect;
  const int32_t top = r.y + r.h;
  const int32_t height = ListHeight();
  HostFillRectRGB(r.x, top, r.w, height, 65, 65, 65);
  const int32_t bandW = ScrollBarShown() ? r.w - 15 : r.w - 4;
  for (int32_t i = 0; i < visibleRows; ++i) {
    const int32_t row = scrollBar->position + i;
    if (row >= ItemCount()) break;
    const int32_t rowY = top + 2 + kRowHeight * i;
    if (row == selected) {
      HostFillRectRGB(r.x + 2, rowY, bandW, kRowHeight, 112, 112, 112);
    } else if (i % 2 == 0) {
      HostFillRectRGB(r.x + 2, rowY, bandW, kRowHeight, 72, 72, 72);
    }
    const gui::Color color = row == selected ? gui::Grey(255) : gui::Grey(200);
    gui::Text(r.x + 5, rowY + 3, 1, color, gui::CutLongText(items[row], 32), 0);
  }
  if (ScrollBarShown()) scrollBar->Draw();
  gui::Bevel(r.x, top, r.w, height, gui::Grey(80), gui::Grey(30));
}
