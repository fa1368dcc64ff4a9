#include "web/news/event_schedule_content.h"

#include <cstdio>
#include <vector>

#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "platform/platform.h"

namespace news {

std::string EventTimeText(int64_t seconds) {
  platform::CalendarTime t;
  if (seconds < 0 || !platform::Get().LocalTime(static_cast<uint64_t>(seconds), &t)) return "";
  char text[40];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

std::string EventTooltip(const EventRecord& event) {
  // A long description is wrapped so the box stays on the screen.
  std::string text;
  for (const std::string& line : gui::WrapText(1, event.description, 300)) {
    text.append(line).append("\n");
  }
  return text + "Start: " + EventTimeText(event.start) + "\nEnd: " + EventTimeText(event.end);
}

}  // namespace news

namespace {

constexpr int32_t kFont = 4;
constexpr int32_t kHeaderFont = 1;
constexpr int32_t kHeaderHeight = 14;
constexpr int32_t kRowTop = 16;
constexpr int32_t kRowHeight = 12;
constexpr int32_t kBottomMargin = 5;
// Shown once the pointer has rested 500 ms (Due counts strictly longer).
constexpr uint32_t kTooltipDelayMs = 500;
constexpr gui::Color kRunningColour{100, 200, 100};
constexpr gui::Color kComingColour{200, 200, 100};

}  // namespace

GUI_EventScheduleContent::GUI_EventScheduleContent(int32_t x, int32_t y, int32_t w, int32_t h,
                                                   int32_t id)
    : GUI_Element(x, y, w, h, id) {
  interactive = 1;
}

void GUI_EventScheduleContent::SetEvents(const news::EventSchedule& events) {
  events_ = events;
  hovered_ = {};
  first_[0] = first_[1] = 0;
  timer_.Leave();
}

int32_t GUI_EventScheduleContent::RowCount() const {
  const int32_t room = h - kRowTop - kBottomMargin;
  return room > 0 ? room / kRowHeight : 0;
}

const news::EventRecord* GUI_EventScheduleContent::EventAt(const Hovered& at) const {
  if (at.column < 0) return nullptr;
  const auto& list = List(at.column);
  return at.row < static_cast<int32_t>(list.size()) ? &list[static_cast<size_t>(at.row)] : nullptr;
}

void GUI_EventScheduleContent::DrawColumn(int32_t column, int32_t left, const char* title,
                                          gui::Color colour) const {
  const std::vector<news::EventRecord>& list = List(column);
  const int32_t cw = ColumnWidth();
  HostFillRectRGB(left, y, cw, kHeaderHeight, 54, 54, 54);
  gui::Text(left + cw / 2, y + 2, kHeaderFont, gui::Grey(192), title, 1);
  for (int32_t row = 0; row < RowCount(); ++row) {
    const int32_t top = y + kRowTop + row * kRowHeight;
    const uint8_t grey = row % 2 == 0 ? 72 : 65;
    HostFillRectRGB(left, top, cw, kRowHeight, grey, grey, grey);
    const int32_t index = first_[column] + row;
    if (index < static_cast<int32_t>(list.size())) {
      gui::Text(left + 3, top + 1, kFont, colour,
                gui::FitText(kFont, list[static_cast<size_t>(index)].name, cw - 6), 0);
    }
  }
}

void GUI_EventScheduleContent::Draw() {
  DrawColumn(0, x, "Active", kRunningColour);
  DrawColumn(1, x + ColumnWidth() + 3, "Upcoming", kComingColour);
  if (const news::EventRecord* event = EventAt(hovered_)) {
    if (timer_.Due(kTooltipDelayMs - 1)) {
      gui::DrawTooltipOnTop(timer_.mouseX, timer_.mouseY, news::EventTooltip(*event));
    }
  }
}

void GUI_EventScheduleContent::OnMouseMove(int32_t px, int32_t py) {
  Hovered at;
  // Only the drawn rows count: not the headings, nor the margin below.
  const int32_t below = py - y - kRowTop;
  if (Contains(px, py) && below >= 0 && below / kRowHeight < RowCount()) {
    at.column = ColumnAt(px);
    at.row = first_[at.column] + below / kRowHeight;
    if (EventAt(at) == nullptr) at = {};
  }
  // Another row or column waits again.
  if (!(at == hovered_)) timer_.Leave();
  hovered_ = at;
  timer_.Track(at.column >= 0, px, py);
}

void GUI_EventScheduleContent::OnWheel(int32_t px, int32_t py, uint8_t up) {
  const int32_t column = ColumnAt(px);
  const int32_t last = static_cast<int32_t>(List(column).size()) - RowCount();
  int32_t& first = first_[column];
  first = up != 0 ? first - 1 : first + 1;
  if (first > last) first = last;
  if (first < 0) first = 0;
  // What was under the pointer moved: wait again.
  hovered_ = {};
  timer_.Leave();
}
