#include "gui/window_sets.h"

#include <algorithm>
#include <utility>

#include "gui/dialog.h"
#include "gui/tooltip.h"
#include "gui/window.h"
#include "host/frame_hooks.h"

namespace gui {
namespace {

struct Sets {
  std::array<GUI_Window**, kSingletonCount> singletons{};
  std::unique_ptr<GUI_Dialog> modal;
  std::unique_ptr<GUI_Dialog> setAside;
  std::vector<std::unique_ptr<GUI_Dialog>> windowList;
};

Sets& State() {
  // Never destroyed: what it holds (windows, their textures) must not be
  // released at process exit, when the graphics DLLs may be gone.
  static Sets& sets = *new Sets;
  return sets;
}

}  // namespace

void RegisterSingleton(Singleton which, GUI_Window** slot) {
  State().singletons[static_cast<int>(which)] = slot;
}

GUI_Window* SingletonWindow(Singleton which) {
  GUI_Window** slot = State().singletons[static_cast<int>(which)];
  return slot == nullptr ? nullptr : *slot;
}

void DrawSingletons() {
  for (int i = 0; i < kSingletonCount; ++i) {
    GUI_Window* window = SingletonWindow(static_cast<Singleton>(i));
    if (window != nullptr && window->open) window->Draw();
  }
  // In the game the host's frame never reaches the login list's draw: the
  // tooltips of the current dialog and the windows end the tick's drawing.
  DrawTooltipsOnTop();
}

GUI_Dialog* ModalDialog() { return State().modal.get(); }
GUI_Dialog* SetAsideDialog() { return State().setAside.get(); }

void SetModalDialog(std::unique_ptr<GUI_Dialog> dialog) {
  // Destroy the old one only after the slot holds the new one, so its
  // destroy callback sees a consistent slot.
  std::unique_ptr<GUI_Dialog> old = std::exchange(State().modal, std::move(dialog));
}

void StackModalDialog(std::unique_ptr<GUI_Dialog> dialog) {
  std::unique_ptr<GUI_Dialog> oldAside = std::exchange(State().setAside, std::move(State().modal));
  State().modal = std::move(dialog);
}

void DestroyModalDialog() { std::unique_ptr<GUI_Dialog> old = std::move(State().modal); }

GUI_Dialog* RestoreSetAsideDialog() {
  std::unique_ptr<GUI_Dialog> old = std::exchange(State().modal, std::move(State().setAside));
  return State().modal.get();
}

void DestroySetAsideDialog() { std::unique_ptr<GUI_Dialog> old = std::move(State().setAside); }

bool DrawModalDialog() {
  GUI_Dialog* dialog = ModalDialog();
  if (dialog == nullptr) return false;
  dialog->Draw();
  return true;
}

std::vector<std::unique_ptr<GUI_Dialog>>& WindowList() { return State().windowList; }

GUI_Dialog* AppendToWindowList(std::unique_ptr<GUI_Dialog> dialog) {
  GUI_Dialog* raw = dialog.get();
  State().windowList.push_back(std::move(dialog));
  return raw;
}

void RemoveFromWindowList(GUI_Dialog* dialog) {
  auto& list = State().windowList;
  auto it = std::find_if(list.begin(), list.end(),
                         [dialog](const auto& entry) { return entry.get() == dialog; });
  if (it == list.end()) return;
  std::unique_ptr<GUI_Dialog> doomed = std::move(*it);
  list.erase(it);
}

void DestroyWindowList() {
  std::vector<std::unique_ptr<GUI_Dialog>> doomed = std::move(State().windowList);
  State().windowList.clear();
}

void DrawWindowList() {
  // Index walk: a dialog's drawing never changes the list, but a list that
  // grows must not invalidate the walk either.
  auto& list = State().windowList;
  for (size_t i = 0; i < list.size(); ++i) list[i]->Draw();
  DrawTooltipsOnTop();
}

namespace {

GUI_Dialog* FirstInListOfKind(int32_t kind, bool openOnly) {
  for (const auto& dialog : State().windowList) {
    if (dialog->kind == kind && (dialog->open || !openOnly)) return dialog.get();
  }
  return nullptr;
}

}  // namespace

GUI_Dialog* FirstOpenDialogOfKind(int32_t kind) { return FirstInListOfKind(kind, true); }
GUI_Dialog* FirstDialogOfKind(int32_t kind) { return FirstInListOfKind(kind, false); }

void InstallWindowSets() {
  host::SetModalSlotHooks({&DrawModalDialog, &DestroyModalDialog});
  host::SetSingletonDrawHook(&DrawSingletons);
  host::SetWindowListDrawHook(&DrawWindowList);
}

}  // namespace gui
