// Widget events reach their handlers through the main-thread task queue, so a
// handler runs during the next frame, after the input dispatch that caused it.
#pragma once

#include <cstdint>

#include "gui/element.h"

namespace gui {

// Queues handler(code, value). A missing handler queues nothing. The queued
// task owns a small heap record and frees it when it runs.
void PostEvent(GUI_Handler handler, int32_t code, int32_t value);

// The handler and code with which a widget reports its events.
struct HandlerSlot {
  void SetHandler(GUI_Handler newHandler, int32_t newCode) {
    handler = newHandler;
    code = newCode;
  }
  // Queues (handler, code, value).
  void Post(int32_t value) const { PostEvent(handler, code, value); }

  GUI_Handler handler = nullptr;
  int32_t code = 0;
};

}  // namespace gui
