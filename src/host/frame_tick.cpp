// OnFrameTick and OnFrameDraw: the library's two places in the host's frame.
#include <vector>

#include "host/entry_guard.h"
#include "host/frame_hooks.h"
#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/key_repeat.h"
#include "host/task_queue.h"

namespace host {
namespace {

struct FrameRegistry {
  std::vector<void (*)()> gameLeftResets;
  std::vector<void (*)(bool)> screenSwitchHooks;
  ModalSlotHooks modal;
  void (*drawSingletons)() = nullptr;
  void (*drawWindowList)() = nullptr;
  int32_t previousGameState = 0;
};

FrameRegistry& Registry() {
  static FrameRegistry registry;
  return registry;
}

bool InGame(int32_t state) { return state == kGameStateInGame; }

}  // namespace

void RegisterGameLeftReset(void (*reset)()) { Registry().gameLeftResets.push_back(reset); }
void RegisterScreenSwitchHook(void (*onSwitch)(bool)) {
  Registry().screenSwitchHooks.push_back(onSwitch);
}
void SetModalSlotHooks(const ModalSlotHooks& hooks) { Registry().modal = hooks; }
void SetSingletonDrawHook(void (*draw)()) { Registry().drawSingletons = draw; }
void SetWindowListDrawHook(void (*draw)()) { Registry().drawWindowList = draw; }
int32_t LastGameState() { return Registry().previousGameState; }
void ClearFrameHooksForTests() { Registry() = FrameRegistry{}; }

}  // namespace host

uint8_t OnFrameTick() {
  using namespace host;
  FrameRegistry& r = Registry();

  // 1. Auto-repeat of keys taken by library windows.
  RunKeyRepeat(ClockMillis());

  // 2. Leaving the game world resets the per-game state of the trackers.
  const int32_t previous = r.previousGameState;
  const int32_t current = HostGameState();
  r.previousGameState = current;
  if (InGame(previous) && !InGame(current)) {
    for (auto reset : r.gameLeftResets) reset();
  }

  // 3. Tasks posted by workers and widget events.
  RunMainThreadTasks();

  // 4. Screen switch: a crossing of the in-game state in either direction.
  if (InGame(previous) != InGame(current)) {
    if (r.modal.destroy != nullptr) r.modal.destroy();
    for (auto onSwitch : r.screenSwitchHooks) onSwitch(InGame(current));
  }
  if (r.modal.draw != nullptr && r.modal.draw()) HostDialogState() = 0;

  // 5. The singleton feature windows, in their draw order.
  if (r.drawSingletons != nullptr) r.drawSingletons();

  // 6. The host's flag byte (entry 1 set it to 1).
  return host::At<uint8_t>(addr::kFrameTickResult);
}

int32_t OnFrameDraw(int32_t a0, int32_t a1, int32_t a2, int32_t a3, int32_t a4, int32_t a5,
                    int32_t a6, int32_t a7, int32_t a8, int32_t a9) {
  const host::FrameArgs args{{a0, a1, a2, a3, a4, a5, a6, a7, a8, a9}};
  const int32_t result = HostRendererFrame(HostRenderer(), args);
  host::KeepHostResult(static_cast<uint32_t>(result));  // the frame is drawn whatever follows
  if (host::Registry().drawWindowList != nullptr) host::Registry().drawWindowList();
  return result;
}
