#include "features/hotkeys/name_dialogs.h"

#include <algorithm>
#include <memory>

#include "features/hotkeys/presets.h"
#include "features/hotkeys/window.h"
#include "features/hotkeys/window_state.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"

namespace hotkeys {
namespace {

constexpr int32_t kNameBoxId = 7001;
constexpr int32_t kNameOk = 7002, kNameCancel = 7003;
constexpr int32_t kRemoveOk = 7101, kRemoveCancel = 7102;
constexpr uint32_t kMaxNameLength = 20;

enum class NameAction { Add, Copy, Rename };

// What the open dialog acts on; one small dialog at a time.
struct Pending {
  NameAction action = NameAction::Add;
  std::string preset;  // the source of a copy, the old name, the one to remove
  GUI_Dialog* dialog = nullptr;
};
Pending pending;

// The hotkey window comes back; with `select`, its list is read again.
void ReturnToWindow(const std::string* select) {
  if (gui::SetAsideDialog() != nullptr && gui::SetAsideDialog() == Window().dialog) {
    gui::RestoreSetAsideDialog();
  } else {
    gui::DestroyModalDialog();
  }
  pending = {};
  if (Window().dialog == nullptr) return;
  Window().dialog->Place(ClientWidth, ClientHeight);
  if (select != nullptr) ReloadPresetList(*select);
}

// Font 2, as in the hotkey window: "Cancel" is too wide for 43 pixels in
// the host's button font.
GUI_ButtonColor* AddButton(GUI_Dialog& d, int32_t x, int32_t y, const char* caption, int32_t id,
                           int32_t code, GUI_Handler handler) {
  auto* button = d.AddChild(new GUI_ButtonColor(x, y, 43, 20, caption, id));
  button->font = 2;
  button->interactive = 1;
  button->SetHandler(handler, code);
  return button;
}

void Show(std::unique_ptr<GUI_Dialog> dialog) {
  pending.dialog = dialog.get();
  dialog->Place(ClientWidth, ClientHeight);
  gui::StackModalDialog(std::move(dialog));
}

void OnNameCode(int32_t code, int32_t) {
  if (pending.dialog == nullptr || gui::ModalDialog() != pending.dialog) return;
  if (code != kNameOk) {
    ReturnToWindow(nullptr);
    return;
  }
  auto* box = dynamic_cast<GUI_TextBox*>(pending.dialog->FindChild(kNameBoxId));
  const std::string name = PresetNameFromInput(box != nullptr ? box->text : "");
  const Pending what = pending;
  bool done = false;
  switch (what.action) {
    case NameAction::Add: done = AddPreset(name, nullptr); break;
    case NameAction::Copy: done = AddPreset(name, &what.preset); break;
    case NameAction::Rename: done = RenamePreset(what.preset, name); break;
  }
  // A name that was empty, taken or not written changes nothing.
  ReturnToWindow(done ? &name : nullptr);
}

void OpenNameDialog(NameAction action, const char* title, const char* prompt,
                    const std::string& preset, const std::string& initial) {
  if (Window().dialog == nullptr || gui::ModalDialog() != Window().dialog) return;
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, 280, 115, title, GUI_Dialog::kCentered + 16);
  dialog->AddChild(new GUI_Label(8, 30, 264, 14, prompt, 0, 255, 255, 255));
  auto* box = dialog->AddChild(new GUI_TextBox(8, 48, 264, 20, initial, kNameBoxId, 255, 255, 255));
  box->interactive = 1;
  box->maxLength = kMaxNameLength;
  // The old name is there to be edited: typing goes on at its end.
  box->caret = box->caretColumn = static_cast<uint32_t>(box->text.size());
  AddButton(*dialog, 184, 83, "Ok", gui::ids::kDefaultButton, kNameOk, &OnNameCode);
  AddButton(*dialog, 232, 83, "Cancel", gui::ids::kCancelButton, kNameCancel, &OnNameCode);
  dialog->SetFocus(box);
  pending = {action, preset, nullptr};
  Show(std::move(dialog));
}

void OnRemoveCode(int32_t code, int32_t) {
  if (pending.dialog == nullptr || gui::ModalDialog() != pending.dialog) return;
  const std::string name = pending.preset;
  if (code == kRemoveOk && RemovePreset(name)) {
    const std::string fallback = kDefaultPreset;
    ReturnToWindow(&fallback);
    return;
  }
  ReturnToWindow(nullptr);
}

}  // namespace

void OpenAddDialog() {
  OpenNameDialog(NameAction::Add, "Add hotkey preset", "Enter a name for the new preset:", "", "");
}

void OpenCopyDialog() {
  OpenNameDialog(NameAction::Copy, "Copy hotkey preset", "Enter a name for the new preset:",
                 Window().PresetName(), "");
}

void OpenRenameDialog(const std::string& name) {
  OpenNameDialog(NameAction::Rename, "Rename hotkey preset", "Enter a new name for the preset:",
                 name, name.substr(0, kMaxNameLength));
}

void OpenRemoveDialog(const std::string& name) {
  if (Window().dialog == nullptr || gui::ModalDialog() != Window().dialog) return;
  const std::string text = "Do you really want to delete the hotkey preset '" + name + "'?";
  // Wide enough for the question with the longest name the dialogs let in.
  const int32_t width = std::max(280, gui::TextWidth(1, text) + 36);
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, width, 95, "Warning", GUI_Dialog::kCentered + 16);
  dialog->AddChild(new GUI_Label(18, 34, width - 36, 14, text, 0, 255, 255, 255));
  AddButton(*dialog, width - 104, 63, "Ok", gui::ids::kDefaultButton, kRemoveOk, &OnRemoveCode);
  AddButton(*dialog, width - 56, 63, "Cancel", gui::ids::kCancelButton, kRemoveCancel,
            &OnRemoveCode);
  dialog->SetFocus(nullptr);
  pending = {NameAction::Add, name, nullptr};
  Show(std::move(dialog));
}

}  // namespace hotkeys
