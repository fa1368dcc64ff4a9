// MainWndProc: every mouse and keyboard message of the host's main window is
// offered first to the library's windows; what none of them takes goes on to
// the host's own window procedure.
#include <cstdlib>
#include <optional>
#include <utility>

#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "host/entry_guard.h"
#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/key_repeat.h"
#include "host/task_queue.h"
#include "input/input_hooks.h"
#include "input/input_state.h"
#include "input/offers.h"
#include "input/window_procedures.h"
#include "platform/platform.h"

namespace input {

GUI_Dialog* WindowListDialogAt(int32_t x, int32_t y) {
  for (const auto& dialog : gui::WindowList()) {
    if (dialog->Contains(x, y)) return dialog.get();
  }
  return nullptr;
}

namespace {

// Window messages.
constexpr uint32_t kWmDestroy = 0x0002, kWmSize = 0x0005, kWmKeyDown = 0x0100,
                   kWmKeyUp = 0x0101, kWmChar = 0x0102, kWmSysKeyDown = 0x0104,
                   kWmSysKeyUp = 0x0105, kWmSysCommand = 0x0112, kWmMouseMove = 0x0200,
                   kWmLButtonDown = 0x0201, kWmLButtonUp = 0x0202, kWmLButtonDblClk = 0x0203,
                   kWmRButtonDown = 0x0204, kWmRButtonUp = 0x0205, kWmRButtonDblClk = 0x0206,
                   kWmMouseWheel = 0x020A;
constexpr uintptr_t kSizeRestored = 0, kSizeMaximized = 2, kScClose = 0xF060;
constexpr int32_t kVkReturn = 0x0D, kVkEscape = 0x1B;
constexpr intptr_t kRepeatBit = 0x40000000;
constexpr int32_t kSidePanelWidth = 280;
constexpr int kBestiaryTrackerInputIndex = 5, kNpcTradeInputIndex = 6;

constexpr intptr_t kAnswered = 0;

struct Message {
  uintptr_t window;
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
};

intptr_t CallHost(const Message& m) {
  return platform::Get().CallWindowProcedure(HostWindowProc, m.window, m.message, m.wParam,
                                             m.lParam, MainWindowUnicode);
}

// The host's procedure has the message; whatever fails after this, the
// host does not get it twice (see MainWndProc).
intptr_t PassOn(const Message& m) {
  const intptr_t result = CallHost(m);
  host::KeepHostResult(static_cast<uintptr_t>(result));
  return result;
}

int32_t LowX(intptr_t lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
int32_t HighY(intptr_t lParam) { return static_cast<int16_t>((lParam >> 16) & 0xFFFF); }

bool EditorWaiting() { return hooks::hotkeyEditorWaiting != nullptr && hooks::hotkeyEditorWaiting(); }
bool LoginPending() { return hooks::loginPending != nullptr && hooks::loginPending(); }

void RememberKey(int32_t key) {
  host::KeyRepeatMap()[key] = {ClockMillis(), host::kKeyRepeatCount};
}

void SetCapture() { platform::Get().SetCapture(MainWindow); }
void ReleaseCapture() { platform::Get().ReleaseCapture(); }

// ---- keyboard ----------------------------------------------------------------------

intptr_t OnKeyDown(const Message& m) {
  const auto key = static_cast<int32_t>(m.wParam);
  const auto data = static_cast<int32_t>(m.lParam);
  const bool repeat = (m.lParam & kRepeatBit) != 0;
  if (key == kVkEscape) {
    if (EditorWaiting()) {
      if (hooks::hotkeyEditorCancel != nullptr) hooks::hotkeyEditorCancel();
      return kAnswered;
    }
    if (LoginPending() && hooks::loginRestore != nullptr) hooks::loginRestore();
  }
  if (OfferToSingletons([&](GUI_Window* w) { return w->OnKeyDown(key, data); })) {
    if (!repeat) RememberKey(key);
    return kAnswered;
  }
  if (GUI_Dialog* modal = gui::ModalDialog()) {
    modal->OnKeyDown(key, data);
    return kAnswered;
  }
  if (WindowListTakesInput()) {
    if (key == kVkReturn && hooks::loginTakesReturn != nullptr && hooks::loginTakesReturn()) {
      return kAnswered;
    }
    GiveToWindowList([&](GUI_Dialog* d) { d->OnKeyDown(key, data); }, true);
  }
  if (!repeat) RememberKey(key);
  return PassOn(m);
}

intptr_t OnKeyUp(const Message& m) {
  const auto key = static_cast<int32_t>(m.wParam);
  const auto data = static_cast<int32_t>(m.lParam);
  if (OfferToSingletons([&](GUI_Window* w) { return w->OnKeyUp(key, data); })) {
    host::KeyRepeatMap().erase(key);
    return kAnswered;
  }
  if (GUI_Dialog* modal = gui::ModalDialog()) modal->OnKeyUp(key, data);
  if (!InGame()) GiveToWindowList([&](GUI_Dialog* d) { d->OnKeyUp(key, data); }, true);
  host::KeyRepeatMap().erase(key);
  return PassOn(m);
}

intptr_t OnChar(const Message& m) {
  const auto code = static_cast<int32_t>(m.wParam);
  const auto data = static_cast<int32_t>(m.lParam);
  if (OfferToSingletons([&](GUI_Window* w) { return w->OnChar(code, data); })) return kAnswered;
  if (GUI_Dialog* modal = gui::ModalDialog()) {
    modal->OnChar(code, data);
    return kAnswered;
  }
  if (!InGame()) {
    for (const auto& dialog : gui::WindowList()) {
      if (!dialog->open) continue;
      dialog->OnChar(code, data);  // the first visible dialog only
      break;
    }
  }
  return PassOn(m);
}

// ---- mouse buttons -------------------------------------------------------------------

using WindowButton = bool (GUI_Window::*)(int32_t, int32_t);
using DialogButton = void (GUI_Dialog::*)(int32_t, int32_t);

// Who took a press: a singleton window, a dialog (modal or login list), or
// nobody (the host gets it).
struct PressTaker {
  GUI_Window* singleton = nullptr;
  bool dialog = false;
  bool Taken() const { return singleton != nullptr || dialog; }
};

// The library window that took the left press keeps the mouse until the
// release, wherever the cursor goes meanwhile: a resize or a drag ends in
// the window that started it, and the windows the cursor crosses neither
// take the release nor see the moves. A singleton is held by its slot, not
// by pointer, since it may be destroyed while the button is down.
struct MouseHolder {
  bool held = false;
  bool bySingleton = false;
  gui::Singleton singleton{};
};
MouseHolder holder;

std::optional<gui::Singleton> SingletonOf(const GUI_Window* window) {
  for (gui::Singleton which : gui::kSingletonInputOrder) {
    if (gui::SingletonWindow(which) == window) return which;
  }
  return std::nullopt;
}

void HoldMouse(const PressTaker& taker) {
  holder = {};
  if (!taker.Taken()) return;
  holder.held = true;
  if (const auto which = SingletonOf(taker.singleton)) {
    holder.bySingleton = true;
    holder.singleton = *which;
  }
}

// The singleton that holds the mouse, while it is still open.
GUI_Window* HoldingWindow(const MouseHolder& h) {
  if (!h.held || !h.bySingleton) return nullptr;
  GUI_Window* window = gui::SingletonWindow(h.singleton);
  return window != nullptr && window->open ? window : nullptr;
}

// A dialog holds the mouse (while one exists): the singletons stay out of its
// moves and release.
bool DialogHolds(const MouseHolder& h) {
  return h.held && !h.bySingleton &&
         (gui::ModalDialog() != nullptr || !gui::WindowList().empty());
}

// A press of either button, offered in order: the singletons, the modal
// dialog, then (under the window-list test) the first login dialog under the
// point; a dialog that gets it captures the mouse, a singleton only for the
// left button.
PressTaker OfferPress(int32_t x, int32_t y, WindowButton window, DialogButton dialog,
                      bool captureForSingleton) {
  if (GUI_Window* w = OfferToSingletons([&](GUI_Window* w) { return (w->*window)(x, y); })) {
    if (captureForSingleton) SetCapture();
    return {w, false};
  }
  GUI_Dialog* target = gui::ModalDialog();
  if (target == nullptr && WindowListTakesInput()) target = WindowListDialogAt(x, y);
  if (target == nullptr) return {};
  SetCapture();
  (target->*dialog)(x, y);
  return {nullptr, true};
}

// A release of either button: a singleton that takes it answers it (letting
// the capture go only for the left button); otherwise the modal dialog and,
// under the window-list test, every login dialog get it, the capture is let
// go, and the host gets the message too.
bool OfferRelease(int32_t x, int32_t y, WindowButton window, DialogButton dialog,
                  bool releaseForSingleton, bool skipSingletons = false) {
  if (!skipSingletons &&
      OfferToSingletons([&](GUI_Window* w) { return (w->*window)(x, y); })) {
    if (releaseForSingleton) ReleaseCapture();
    return true;
  }
  if (GUI_Dialog* modal = gui::ModalDialog()) (modal->*dialog)(x, y);
  ReleaseCapture();
  if (WindowListTakesInput()) GiveToWindowList([&](GUI_Dialog* d) { (d->*dialog)(x, y); }, false);
  return false;
}

intptr_t OnLeftDown(const Message& m) {
  const int32_t x = LowX(m.lParam), y = HighY(m.lParam);
  const PressTaker taker =
      OfferPress(x, y, &GUI_Window::OnMouseDown, &GUI_Dialog::OnMouseDown, true);
  HoldMouse(taker);
  if (taker.Taken()) return kAnswered;
  if (EditorWaiting()) {
    if (hooks::hotkeyEditorClick != nullptr) hooks::hotkeyEditorClick(x, y);
    if (x <= ClientWidth - kSidePanelWidth) return kAnswered;
  }
  return PassOn(m);
}

intptr_t OnLeftUp(const Message& m) {
  const int32_t x = LowX(m.lParam), y = HighY(m.lParam);
  const MouseHolder held = std::exchange(holder, {});
  // The release belongs to the singleton that took the press.
  if (GUI_Window* window = HoldingWindow(held)) {
    window->OnMouseUp(x, y);
    ReleaseCapture();
    return kAnswered;
  }
  if (EditorWaiting()) {
    if (hooks::hotkeyEditorRelease != nullptr) hooks::hotkeyEditorRelease();
    return kAnswered;
  }
  const bool dialogHeld = DialogHolds(held);
  if (OfferRelease(x, y, &GUI_Window::OnMouseUp, &GUI_Dialog::OnMouseUp, true, dialogHeld)) {
    return kAnswered;
  }
  return PassOn(m);
}

intptr_t OnRightDown(const Message& m) {
  const int32_t x = LowX(m.lParam), y = HighY(m.lParam);
  if (OfferPress(x, y, &GUI_Window::OnRightDown, &GUI_Dialog::OnRightDown, false).Taken()) {
    return kAnswered;
  }
  return PassOn(m);
}

intptr_t OnRightUp(const Message& m) {
  const int32_t x = LowX(m.lParam), y = HighY(m.lParam);
  if (OfferRelease(x, y, &GUI_Window::OnRightUp, &GUI_Dialog::OnRightUp, false)) return kAnswered;
  return PassOn(m);
}

// The singletons after `taker` in input order were not offered the move;
// one of them that had the mouse must still learn that it left (a tooltip,
// a hover or a resize zone would stay behind otherwise).
void TellTheLeftWindow(const GUI_Window* taker, int32_t x, int32_t y) {
  bool after = false;
  for (gui::Singleton which : gui::kSingletonInputOrder) {
    GUI_Window* window = gui::SingletonWindow(which);
    if (window == taker) {
      after = true;
    } else if (after && window != nullptr && window->open && window->hovered) {
      window->OnMouseMove(x, y);
    }
  }
}

intptr_t OnMouseMove(const Message& m) {
  const int32_t x = LowX(m.lParam), y = HighY(m.lParam);
  if (GUI_Window* window = HoldingWindow(holder)) {
    window->OnMouseMove(x, y);
    return kAnswered;
  }
  if (!DialogHolds(holder)) {
    if (GUI_Window* taker =
            OfferToSingletons([&](GUI_Window* w) { return w->OnMouseMove(x, y); })) {
      TellTheLeftWindow(taker, x, y);
      return kAnswered;
    }
  }
  if (GUI_Dialog* modal = gui::ModalDialog()) {
    modal->OnMouseMove(x, y);
    return kAnswered;
  }
  if (!InGame()) GiveToWindowList([&](GUI_Dialog* d) { d->OnMouseMove(x, y); }, false);
  return PassOn(m);
}

// ---- wheel -------------------------------------------------------------------------------

// Each notch (120 units, any non-zero remainder counting as one more) is one
// OnWheel call. A window that takes one of them gets all of them.
intptr_t OnWheel(const Message& m) {
  const auto delta = static_cast<int16_t>((m.wParam >> 16) & 0xFFFF);
  const bool up = delta > 0;
  const int notches = (std::abs(static_cast<int>(delta)) + 119) / 120;
  int32_t originX = 0, originY = 0;
  platform::Get().ClientToScreen(MainWindow, &originX, &originY);
  const int32_t x = LowX(m.lParam) - originX, y = HighY(m.lParam) - originY;
  const uint8_t upByte = up ? 1 : 0;

  for (size_t i = 0; i < gui::kSingletonInputOrder.size(); ++i) {
    GUI_Window* window = gui::SingletonWindow(gui::kSingletonInputOrder[i]);
    if (window == nullptr || !window->open) continue;
    if (static_cast<int>(i) == kNpcTradeInputIndex && hooks::npcTradeListWheel != nullptr) {
      hooks::npcTradeListWheel(x, y, up);
    }
    const int calls = static_cast<int>(i) == kBestiaryTrackerInputIndex ? 1 : notches;
    bool taken = false;
    for (int n = 0; n < calls; ++n) taken = window->OnWheel(x, y, upByte) || taken;
    if (taken) return kAnswered;
  }
  if (GUI_Dialog* modal = gui::ModalDialog()) {
    for (int n = 0; n < notches; ++n) modal->OnWheel(x, y, upByte);
    return kAnswered;
  }
  if (WindowListTakesInput()) {
    if (GUI_Dialog* dialog = WindowListDialogAt(x, y)) {
      for (int n = 0; n < notches; ++n) dialog->OnWheel(x, y, upByte);
      return kAnswered;
    }
  }
  return PassOn(m);
}

// ---- window ---------------------------------------------------------------------------------

intptr_t OnSize(const Message& m) {
  if (m.wParam == kSizeRestored || m.wParam == kSizeMaximized) {
    ClientWidth = static_cast<int32_t>(m.lParam & 0xFFFF);
    ClientHeight = static_cast<int32_t>((m.lParam >> 16) & 0xFFFF);
    if (GUI_Dialog* modal = gui::ModalDialog()) modal->Place(ClientWidth, ClientHeight);
    GiveToWindowList([](GUI_Dialog* d) { d->Place(ClientWidth, ClientHeight); }, false);
  }
  return PassOn(m);
}

intptr_t OnSysCommand(const Message& m) {
  if ((m.wParam & 0xFFF0) == kScClose && InGame()) {
    HostPacketBegin(0x5B);
    HostPacketAddU8(1);
    HostPacketSend(1);
    if (hooks::openExitWarning != nullptr) hooks::openExitWarning();
    return kAnswered;
  }
  return PassOn(m);
}

// The process is ending. Detached workers may still post results, so the
// task queue's lock stays valid for the life of the process (taking it once
// makes sure no append is half done); everything else the library holds for
// the windows goes.
intptr_t OnDestroy(const Message& m) {
  { std::lock_guard guard(host::TaskQueueLock()); }
  gui::DestroyModalDialog();
  gui::DestroySetAsideDialog();
  if (hooks::unmapDataFiles != nullptr) hooks::unmapDataFiles();
  gui::DestroyWindowList();
  return PassOn(m);
}

intptr_t Route(const Message& m) {
  switch (m.message) {
    case kWmDestroy: return OnDestroy(m);
    case kWmSize: return OnSize(m);
    case kWmKeyDown:
    case kWmSysKeyDown: return OnKeyDown(m);
    case kWmKeyUp:
    case kWmSysKeyUp: return OnKeyUp(m);
    case kWmChar: return OnChar(m);
    case kWmSysCommand: return OnSysCommand(m);
    case kWmMouseMove: return OnMouseMove(m);
    case kWmLButtonDown:
    case kWmLButtonDblClk: return OnLeftDown(m);
    case kWmLButtonUp: return OnLeftUp(m);
    case kWmRButtonDown:
    case kWmRButtonDblClk: return OnRightDown(m);
    case kWmRButtonUp: return OnRightUp(m);
    case kWmMouseWheel: return OnWheel(m);
    default: return PassOn(m);
  }
}

}  // namespace

// A fault in a library window must not take the host's window down: the
// host still gets its message, once.
intptr_t MainWndProc(uintptr_t window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  const Message m{window, message, wParam, lParam};
  host::HostResultScope scope;
  return host::Shielded(
      "MainWndProc", [&] { return Route(m); },
      [&] {
        const auto kept = scope.Kept();
        return kept ? static_cast<intptr_t>(*kept) : CallHost(m);
      });
}

}  // namespace input
