// Handlers that replace a host call and first make that call themselves;
// the library's additions come through the registration points of
// hook_points.h.
#include "host/entry_guard.h"
#include "host/handlers.h"
#include "host/hook_points.h"
#include "host/host_functions.h"
#include "platform/platform.h"

namespace {

constexpr uint32_t kHostMenuCommand = 0x44E960;
constexpr uint32_t kHostPanelCommand = 0x4D4EA0;
constexpr uint32_t kHostCharacterHandler = 0x458200;

uint32_t CaptureButton(int which, uint32_t button, int32_t x, int32_t y, int32_t image,
                       int32_t pressed, uint32_t parent, int32_t command, const char* tooltip,
                       int32_t zero) {
  host::hooks::ButtonArgs args{x, y, image, pressed, parent, command, tooltip, zero};
  if (host::hooks::captureButton != nullptr) host::hooks::captureButton(which, button, args);
  return HostOwnButtonConstruct(button, args.x, args.y, args.image, args.pressed, args.parent,
                                args.command, args.tooltip, args.zero);
}

}  // namespace

void AddMountMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint) {
  HostAddMenuEntry(menu, command, text, hint);
  if (host::hooks::mountMenuEntry != nullptr) host::hooks::mountMenuEntry(menu);
}

void AddWrapMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint) {
  HostAddMenuEntry(menu, command, text, hint);
  if (host::hooks::wrapMenuEntry != nullptr) host::hooks::wrapMenuEntry(menu);
}

void OnMenuCommand(int32_t command) {
  if (command >= 0x2000) {
    HostCall(kHostMenuCommand, {static_cast<uint32_t>(command)});
    return;
  }
  if (command >= 0x1000 && command <= 0x1003 && host::hooks::menuCommand != nullptr) {
    host::hooks::menuCommand(command);
  }
}

void OnActionButton(int32_t command) {
  if (command >= 1000 && command <= 1018) {
    if (host::hooks::actionButton != nullptr) host::hooks::actionButton(command);
    return;
  }
  HostCall(kHostPanelCommand, {static_cast<uint32_t>(command)});
}

uint32_t CaptureButtonA(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero) {
  return CaptureButton(0, button, x, y, image, pressed, parent, command, tooltip, zero);
}
uint32_t CaptureButtonB(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero) {
  return CaptureButton(1, button, x, y, image, pressed, parent, command, tooltip, zero);
}
uint32_t CaptureButtonC(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero) {
  return CaptureButton(2, button, x, y, image, pressed, parent, command, tooltip, zero);
}
uint32_t CaptureButtonD(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero) {
  return CaptureButton(3, button, x, y, image, pressed, parent, command, tooltip, zero);
}
uint32_t CaptureButtonE(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero) {
  return CaptureButton(4, button, x, y, image, pressed, parent, command, tooltip, zero);
}

void OnActionBarCreate(uint32_t panel, uint32_t panelParent, uint32_t child) {
  HostAddChild(panel, child);
  if (host::hooks::actionBarCreated != nullptr) host::hooks::actionBarCreated(panel, panelParent);
}

void OnLoginWindowCreate(uint32_t dialog, uint32_t child) {
  HostAddChild(dialog, child);
  if (host::hooks::loginWindowCreated != nullptr) host::hooks::loginWindowCreated(dialog);
}

void OnLoginWindowEvent(const char* account, const char* password) {
  HostLogin(account, password);
  if (host::hooks::loginSubmitted != nullptr) host::hooks::loginSubmitted(account, password);
}

void OnTypedChar(int32_t character) {
  if (host::hooks::typedChar != nullptr && host::hooks::typedChar(character)) return;
  HostCall(kHostCharacterHandler, {static_cast<uint32_t>(character)});
}

uintptr_t OnCreateWindow(uint32_t exStyle, const char* className, const char* windowName,
                         uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                         uintptr_t parent, uintptr_t menu, uintptr_t instance, void* param) {
  const uintptr_t window = platform::Get().CreateWindowExA(
      exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param);
  if (window == 0) return window;
  host::KeepHostResult(window);  // the window exists whatever follows
  if (host::hooks::windowCreated != nullptr) {
    host::hooks::windowCreated(window, className, width, height, parent);
  }
  return window;
}

namespace host {

void RunHostLoadSequence() {
  // Each routine takes the previous one's result; the first starts from the
  // host's data block at 0x63DB48.
  constexpr uint32_t kRoutines[] = {0x4AB620, 0x4AB610, 0x4FECF0, 0x51D620, 0x51D610, 0x415C70};
  uint32_t value = 0x63DB48;
  for (uint32_t routine : kRoutines) value = HostCall(routine, {value});
}

}  // namespace host

void StartUpdater() {
  if (host::hooks::loadGate != nullptr && host::hooks::loadGate()) return;
  host::RunHostLoadSequence();
}
