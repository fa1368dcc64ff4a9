// The "Event Schedule" panel's content: running events under "Active",
// coming ones under "Upcoming", and a tooltip with an event's description
// and times.
#pragma once

#include <string>

#include "gui/draw.h"
#include "gui/element.h"
#include "gui/tooltip.h"
#include "web/news/records.h"

class GUI_EventScheduleContent : public GUI_Element {
 public:
  GUI_EventScheduleContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  void SetEvents(const news::EventSchedule& events);
  const news::EventSchedule& Events() const { return events_; }

  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;
  // A column holding more events than rows scrolls by one a notch.
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;
  int32_t FirstShown(int32_t column) const { return first_[column]; }

 private:
  struct Hovered {
    int32_t column = -1;  // 0 running, 1 coming, -1 nothing
    int32_t row = -1;
    bool operator==(const Hovered&) const = default;
  };
  int32_t ColumnWidth() const { return (w - 3) / 2; }
  int32_t RowCount() const;
  int32_t ColumnAt(int32_t px) const { return px < x + ColumnWidth() + 1 ? 0 : 1; }
  const std::vector<news::EventRecord>& List(int32_t column) const {
    return column == 0 ? events_.running : events_.coming;
  }
  const news::EventRecord* EventAt(const Hovered& at) const;
  void DrawColumn(int32_t column, int32_t left, const char* title, gui::Color colour) const;

  news::EventSchedule events_;
  Hovered hovered_;        // the row is the event's index in its list
  int32_t first_[2] = {0, 0};  // the first event shown in each column
  gui::HoverTimer timer_;
};

namespace news {
// The event's tooltip: its description, then "Start: " and "End: " with
// the local times as "%Y-%m-%d %H:%M".
std::string EventTooltip(const EventRecord& event);
std::string EventTimeText(int64_t seconds);
}  // namespace news
