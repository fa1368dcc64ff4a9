#include "gui/widgets/post_event.h"

#include <memory>

#include "host/task_queue.h"

namespace gui {
namespace {

// Three 32-bit values do not fit the task's two pointers on the 32-bit host,
// so the event travels as one heap record.
struct QueuedEvent {
  GUI_Handler handler;
  int32_t code;
  int32_t value;
};

void RunQueuedEvent(void* first, void*) {
  const std::unique_ptr<QueuedEvent> event(static_cast<QueuedEvent*>(first));
  event->handler(event->code, event->value);
}

}  // namespace

void PostEvent(GUI_Handler handler, int32_t code, int32_t value) {
  if (handler == nullptr) return;
  PostToMainThread(&RunQueuedEvent, new QueuedEvent{handler, code, value}, nullptr);
}

}  // namespace gui
