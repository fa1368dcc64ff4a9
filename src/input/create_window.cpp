// The host's main window appears: subclass it, start the login screen and
// adjust the host's interface layout for the library's buttons.
#include <cstring>
#include <iterator>
#include <map>

#include "gui/screen.h"
#include "host/entry_guard.h"
#include "host/host_functions.h"
#include "host/key_repeat.h"
#include "input/input_hooks.h"
#include "input/input_state.h"
#include "input/window_procedures.h"
#include "platform/platform.h"

namespace input {
namespace {

constexpr uint32_t kMainWindowClassName = 0x5CD9E8;

struct Rect {
  int32_t x, y, w, h;
};

// The host interface's 51 rectangles with the library's extra buttons.
constexpr Rect kLayoutTable[51] = {
    {0, 320, 43, 20},    {0, 340, 43, 20},    {43, 340, 43, 20},   {43, 320, 43, 20},
    {78, 276, 34, 12},   {112, 276, 34, 12},  {0, 288, 43, 13},    {43, 288, 43, 13},
    {64, 300, 20, 20},   {4, 300, 20, 20},    {44, 300, 20, 20},   {24, 300, 20, 20},
    {222, 98, 12, 12},   {222, 109, 12, 12},  {234, 98, 12, 12},   {234, 109, 12, 12},
    {308, 158, 12, 12},  {308, 169, 12, 12},  {213, 232, 12, 12},  {213, 225, 12, 12},
    {223, 244, 12, 12},  {258, 101, 13, 13},  {211, 244, 12, 12},  {233, 273, 12, 12},
    {269, 272, 20, 20},  {289, 272, 20, 20},  {309, 272, 20, 20},  {329, 272, 20, 20},
    {150, 408, 108, 20}, {150, 428, 108, 20}, {263, 0, 2, 64},     {218, 388, 20, 20},
    {238, 388, 20, 20},  {130, 408, 20, 20},  {130, 428, 20, 20},  {110, 408, 20, 20},
    {110, 428, 20, 20},  {178, 388, 20, 20},  {198, 388, 20, 20},  {138, 388, 20, 20},
    {158, 388, 20, 20},  {129, 448, 20, 20},  {149, 448, 20, 20},  {169, 448, 20, 20},
    {189, 448, 20, 20},  {325, 60, 12, 12},   {129, 480, 20, 20},  {149, 480, 20, 20},
    {98, 436, 12, 12},   {129, 500, 20, 20},  {149, 500, 20, 20},
};

void AdjustHostLayout() {
  host::At<int32_t>(0x64B62C) += 20;
  host::At<int32_t>(0x64AC78) += 149;
  host::Write<int32_t>(0x79CDE0, 350);
  // Without a layout block (the host has none yet) nothing is written.
  for (int i = 0; i < static_cast<int>(std::size(kLayoutTable)); ++i) {
    const Rect& r = kLayoutTable[i];
    SetLayoutRectangle(i, r.x, r.y, r.w, r.h);
  }
}

bool IsMainWindowClass(const char* className) {
  if (className == nullptr) return false;
  // A class given as an atom (a small integer) is never the host's name.
  if (reinterpret_cast<uintptr_t>(className) < 0x10000) return false;
  const char* mainClass = static_cast<const char*>(host::Pointer(kMainWindowClassName));
  return std::strcmp(className, mainClass) == 0;
}

bool LoginPending() { return hooks::loginPending != nullptr && hooks::loginPending(); }

// The procedure each child window had before ChildWndProc, until the
// window's WM_NCDESTROY.
std::map<uintptr_t, uintptr_t>& ChildProcedures() {
  static std::map<uintptr_t, uintptr_t> procedures;
  return procedures;
}

}  // namespace

void OnWindowCreated(uintptr_t window, const char* className, int32_t width, int32_t height,
                     uintptr_t parent) {
  platform::Platform& os = platform::Get();
  if (!IsMainWindowClass(className)) {
    if (MainWindow != 0 && parent == MainWindow && LoginPending() && LoginChildWindow == 0) {
      ChildProcedures()[window] = os.SubclassWindow(window, &ChildWndProc, false);
      LoginChildWindow = window;
    }
    return;
  }
  ClientWidth = width;
  ClientHeight = height;
  MainWindow = window;
  MainWindowUnicode = os.IsWindowUnicode(window);
  HostWindowProc = os.SubclassWindow(window, &MainWndProc, MainWindowUnicode);
  if (hooks::startVersionCheck != nullptr) hooks::startVersionCheck();
  if (hooks::createLoginScreen != nullptr) hooks::createLoginScreen();
  AdjustHostLayout();
}

intptr_t ChildWndProc(uintptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  constexpr uint32_t kWmDestroy = 0x0002, kWmNcDestroy = 0x0082;
  const auto callHost = [&] {
    const auto it = ChildProcedures().find(window);
    const uintptr_t previous = it != ChildProcedures().end() ? it->second : 0;
    return platform::Get().CallWindowProcedure(previous, window, message, wParam, lParam, false);
  };
  host::HostResultScope scope;
  return host::Shielded(
      "ChildWndProc",
      [&] {
        // The login child is forgotten at WM_DESTROY, so a new one may come;
        // its old procedure still gets every message up to WM_NCDESTROY,
        // the last one Windows sends the window.
        const bool loginEnds = message == kWmDestroy && window == LoginChildWindow;
        if (loginEnds) LoginChildWindow = 0;
        const intptr_t result = callHost();
        host::KeepHostResult(static_cast<uintptr_t>(result));
        if (message == kWmNcDestroy) ChildProcedures().erase(window);
        if (loginEnds && LoginPending() && hooks::loginRestore != nullptr) hooks::loginRestore();
        return result;
      },
      [&] {
        const auto kept = scope.Kept();
        return kept ? static_cast<intptr_t>(*kept) : callHost();
      });
}

}  // namespace input
