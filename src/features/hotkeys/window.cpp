#include "features/hotkeys/window.h"

#include <memory>

#include "features/hotkeys/auto_switch.h"
#include "features/hotkeys/auto_switch_hint.h"
#include "features/hotkeys/hotkey_list.h"
#include "features/hotkeys/name_dialogs.h"
#include "features/hotkeys/object_pick.h"
#include "features/hotkeys/object_preview.h"
#include "features/hotkeys/presets.h"
#include "features/hotkeys/window_state.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"

namespace hotkeys {
namespace {

constexpr int32_t kWidth = 400, kHeight = 450;
constexpr int32_t kPlacement = 15;

// Child ids the window looks up again.
constexpr int32_t kSelectorId = 5000, kRenameId = 5003, kRemoveId = 5004, kAutoSwitchId = 5005;
constexpr int32_t kEditTextId = 5007, kTextBoxId = 5008, kSendAutoId = 5009;
constexpr int32_t kEditObjectId = 5010, kOnYourselfId = 5014, kOnTargetId = 5015,
                  kWithCrosshairId = 5016;
constexpr int32_t kListId = 6000, kObjectViewId = 2455, kPreviewId = 2456;

constexpr const char* kHintText =
    "If you have named your hotkey presets the same like your characters and have checked this "
    "option, the preset with the same name as the corresponding character will be activated upon "
    "login automatically.";

template <typename T>
T* Child(int32_t id) {
  return gui::ChildAs<T>(Window().dialog, id);
}

void SetBox(int32_t id, bool checked) {
  if (auto* box = Child<GUI_CheckBox>(id)) box->SetChecked(checked, false);
}

bool BoxChecked(int32_t id) {
  auto* box = Child<GUI_CheckBox>(id);
  return box != nullptr && box->checked != 0;
}

void SetModeBoxes(UseMode mode, bool anyObject) {
  SetBox(kOnYourselfId, anyObject && mode == UseMode::OnYourself);
  SetBox(kOnTargetId, anyObject && mode == UseMode::OnTarget);
  SetBox(kWithCrosshairId, anyObject && mode == UseMode::WithCrosshairs);
}

void ShowPreviewObject(uint32_t objectId) {
  if (auto* preview = Child<GUI_HotkeyItemPreview>(kPreviewId)) preview->objectId = objectId;
}

// ---- building -------------------------------------------------------------------

GUI_CheckBox* AddBox(GUI_Dialog& d, int32_t x, int32_t y, int32_t w, const char* caption,
                     int32_t id) {
  auto* box = d.AddChild(new GUI_CheckBox(x, y, w, 20, caption, false, id, 255, 255, 255));
  box->interactive = 1;
  box->SetHandler(&OnHotkeyCode, id);
  return box;
}

// The host's button font is too wide for "Select Object", "Rename" and
// "Cancel" in their boxes: every button here draws its caption in font 2.
GUI_ButtonColor* AddButton(GUI_Dialog& d, int32_t x, int32_t y, int32_t w, const char* caption,
                           int32_t id, int32_t code) {
  auto* button = d.AddChild(new GUI_ButtonColor(x, y, w, 20, caption, id));
  button->font = 2;
  button->interactive = 1;
  button->SetHandler(&OnHotkeyCode, code);
  return button;
}

void BuildPresetRow(GUI_Dialog& d) {
  auto* selector = d.AddChild(new GUI_ComboBox(8, 30, 195, 20, kSelectorId));
  selector->interactive = 1;
  selector->SetHandler(&OnHotkeyCode, kPresetChosen);
  for (const std::string& name : Window().presets) selector->AddItem(name);
  AddButton(d, 208, 30, 43, "Add", 5001, kAddCode);
  AddButton(d, 256, 30, 43, "Copy", 5002, kCopyCode);
  AddButton(d, 304, 30, 43, "Rename", kRenameId, kRenameCode);
  AddButton(d, 352, 30, 43, "Remove", kRemoveId, kRemoveCode);
  AddBox(d, 8, 55, 387, "Auto-Switch Hotkey Preset", kAutoSwitchId);
}

void BuildSlotList(GUI_Dialog& d) {
  d.AddChild(new GUI_Label(8, 83, 200, 14, "Available hotkeys:", 0, 255, 255, 255));
  auto* list = d.AddChild(new GUI_HotkeyList(8, 100, 386, 110, &Window().slots, kListId));
  list->SetHandler(&OnHotkeyCode, kRowChosen);
  list->scrollBar->SetHandler(&OnHotkeyCode, kListScrolled);
  d.AddChild(new GUI_Separator(8, 216, 386, 2, 0));
}

void BuildEditControls(GUI_Dialog& d) {
  AddBox(d, 8, 223, 387, "Edit hotkey text:", kEditTextId);
  auto* text = d.AddChild(new GUI_TextBox(26, 247, 200, 20, "", kTextBoxId, 255, 255, 255));
  text->interactive = 1;
  text->maxLength = kMaxTextLength;
  text->SetHandler(&OnHotkeyCode, kTextTyped);
  AddBox(d, 26, 272, 200, "Send automatically", kSendAutoId);
  AddBox(d, 8, 296, 387, "Edit hotkey object:", kEditObjectId);
  d.AddChild(new GUI_Element(26, 321, 64, 64, kObjectViewId));
  d.AddChild(new GUI_HotkeyItemPreview(26, 321, 64, 64, kPreviewId));
  AddButton(d, 100, 321, 86, "Select Object", 5012, kSelectObject);
  AddButton(d, 100, 345, 86, "Clear Object", 5013, kClearObject);
  AddBox(d, 196, 321, 199, "Use on yourself", kOnYourselfId);
  AddBox(d, 196, 345, 199, "Use on target", kOnTargetId);
  AddBox(d, 196, 369, 199, "With crosshair", kWithCrosshairId);
  d.AddChild(new GUI_Separator(8, 395, 386, 2, 0));
  AddButton(d, 255, 402, 43, "Ok", 5017, kOkCode);
  AddButton(d, 303, 402, 43, "Apply", 5018, kApplyCode);
  AddButton(d, 351, 402, 43, "Cancel", gui::ids::kCancelButton, kCancelCode);
}

std::unique_ptr<GUI_Dialog> Build() {
  auto dialog =
      std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Hotkey Options", kPlacement);
  BuildPresetRow(*dialog);
  BuildSlotList(*dialog);
  BuildEditControls(*dialog);
  // Last, so its tooltip lies over every other child.
  dialog->AddChild(new GUI_HotkeyAutoSwitchHint(380, 59, 12, 12, kHintText, 6005));
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = [](GUI_Dialog* d) {
    HotkeyWindowState& state = Window();
    if (state.dialog != d) return;
    if (state.selectedRow >= 0) RememberedRowKey() = KeyName(state.selectedRow);
    state = {};
  };
  return dialog;
}

// ---- the preset and the row -------------------------------------------------------

void EnablePresetButtons() {
  const bool named = Window().NamedPresetSelected();
  for (int32_t id : {kRenameId, kRemoveId}) {
    if (auto* button = Child<GUI_ButtonColor>(id)) {
      // Dimmed captions on the same face as "Add" and "Copy".
      button->interactive = named ? 1 : 0;
      const uint8_t grey = named ? 255 : 112;
      button->SetTextColor(grey, grey, grey);
    }
  }
}

void SelectRow(int row) {
  HotkeyWindowState& state = Window();
  state.selectedRow = row;
  if (auto* list = Child<GUI_HotkeyList>(kListId)) list->Select(row);
  ReloadEditControls();
}

void LoadChosenPreset() {
  HotkeyWindowState& state = Window();
  state.slots = LoadPreset(state.preset, state.PresetName());
  state.changed = false;
  EnablePresetButtons();
}

// Code 5000: another preset; the row selection and the controls go.
void ChoosePreset(int index) {
  HotkeyWindowState& state = Window();
  if (index < 0 || index >= static_cast<int>(state.presets.size())) return;
  state.preset = index;
  LoadChosenPreset();
  SelectRow(-1);
}

// Step 1 of applying: the controls into the selected slot.
void StoreEditControls() {
  HotkeyWindowState& state = Window();
  if (state.selectedRow < 0) return;
  HotkeySlot& slot = state.slots[static_cast<size_t>(state.selectedRow)];
  auto* text = Child<GUI_TextBox>(kTextBoxId);
  // Typing checks "Edit hotkey text:" through the event queue; a press of
  // Ok or Apply queued in the same frame may run first, so a text typed
  // into the box counts as checked here.
  if (text != nullptr && !text->text.empty() && text->text != slot.text) SetBox(kEditTextId, true);
  slot.text = BoxChecked(kEditTextId) && text != nullptr ? text->text.substr(0, kMaxTextLength) : "";
  slot.sendAutomatically = BoxChecked(kSendAutoId) && !slot.text.empty();
  if (!BoxChecked(kEditObjectId)) slot.objectId = slot.objectData = 0;
  slot.useMode = BoxChecked(kOnYourselfId) ? UseMode::OnYourself
                 : BoxChecked(kOnTargetId) ? UseMode::OnTarget
                                           : UseMode::WithCrosshairs;
  state.changed = true;
}

void Apply() {
  StoreEditControls();
  HotkeyWindowState& state = Window();
  ApplyPreset(state.preset, state.PresetName(), state.slots, state.autoSwitch);
  state.changed = false;
}

void CheckOneModeBox(int32_t code, int32_t value) {
  if (value == 0) return;
  for (int32_t id : {kOnYourselfId, kOnTargetId, kWithCrosshairId}) {
    if (id != code) SetBox(id, false);
  }
}

}  // namespace

void ReloadEditControls() {
  HotkeyWindowState& state = Window();
  const bool row = state.selectedRow >= 0;
  const HotkeySlot slot = row ? state.slots[static_cast<size_t>(state.selectedRow)] : HotkeySlot{};
  if (auto* text = Child<GUI_TextBox>(kTextBoxId)) text->SetText(slot.text, true);
  SetBox(kEditTextId, !slot.text.empty());
  SetBox(kSendAutoId, slot.sendAutomatically);
  SetBox(kEditObjectId, slot.objectId != 0);
  SetModeBoxes(slot.useMode, slot.objectId != 0);
  ShowPreviewObject(slot.objectId);
}

void OpenHotkeyWindow() {
  // Opening it again (Ctrl+K, or its side-panel button pressed as the pick
  // lets presses on the panel through) ends a pick unchanged.
  if (Picking()) CancelObjectPick();
  HotkeyWindowState& state = Window();
  if (state.dialog != nullptr) {
    if (gui::ModalDialog() != state.dialog && gui::SetAsideDialog() == state.dialog) {
      gui::RestoreSetAsideDialog();
    }
    if (gui::ModalDialog() == state.dialog) {
      state.dialog->Place(ClientWidth, ClientHeight);
      return;
    }
  }
  state = {};
  state.presets = LoadPresetNames();
  state.autoSwitch = LoadAutoSwitchFlag();
  const int activated = ActivatedPreset();
  state.preset = activated > 0 && activated < static_cast<int>(state.presets.size()) ? activated : 0;
  std::unique_ptr<GUI_Dialog> dialog = Build();
  state.dialog = dialog.get();
  gui::SetModalDialog(std::move(dialog));
  state.dialog->Place(ClientWidth, ClientHeight);
  if (auto* selector = Child<GUI_ComboBox>(kSelectorId)) selector->Select(state.preset, false);
  SetBox(kAutoSwitchId, state.autoSwitch);
  LoadChosenPreset();
  SelectRow(SlotOfKeyName(RememberedRowKey()));
}

void ReloadPresetList(const std::string& select) {
  HotkeyWindowState& state = Window();
  if (state.dialog == nullptr) return;
  state.presets = LoadPresetNames();
  int index = 0;
  for (size_t i = 0; i < state.presets.size(); ++i) {
    if (state.presets[i] == select) index = static_cast<int>(i);
  }
  if (auto* selector = Child<GUI_ComboBox>(kSelectorId)) {
    selector->ClearItems();
    for (const std::string& name : state.presets) selector->AddItem(name);
    selector->Select(index, false);
  }
  ChoosePreset(index);
}

void DestroyHotkeyWindow() {
  GUI_Dialog* dialog = Window().dialog;
  if (dialog == nullptr) return;
  if (gui::SetAsideDialog() == dialog) gui::DestroySetAsideDialog();
  if (gui::ModalDialog() == dialog) gui::DestroyModalDialog();
}

void OnObjectPicked(uint32_t objectId, uint32_t objectData) {
  HotkeyWindowState& state = Window();
  if (state.dialog == nullptr || state.selectedRow < 0) return;
  HotkeySlot& slot = state.slots[static_cast<size_t>(state.selectedRow)];
  slot.objectId = objectId;
  slot.objectData = objectData;
  slot.useMode = UseMode::WithCrosshairs;
  SetBox(kEditObjectId, true);
  SetModeBoxes(UseMode::WithCrosshairs, true);
  ShowPreviewObject(objectId);
  state.changed = true;
}

void OnHotkeyCode(int32_t code, int32_t value) {
  HotkeyWindowState& state = Window();
  if (state.dialog == nullptr) return;  // an event queued before the window closed
  switch (code) {
    case kPresetChosen: ChoosePreset(value); break;
    case kAddCode: OpenAddDialog(); break;
    case kCopyCode: OpenCopyDialog(); break;
    case kRenameCode:
      if (state.NamedPresetSelected()) OpenRenameDialog(state.PresetName());
      break;
    case kRemoveCode:
      if (state.NamedPresetSelected()) OpenRemoveDialog(state.PresetName());
      break;
    case kAutoSwitchCode:
      state.autoSwitch = value != 0;
      state.changed = true;
      break;
    case kEditTextBox:
    case kSendAutoBox:
    case kEditObjectBox: state.changed = true; break;
    case kTextTyped:
      if (value == 1) SetBox(kEditTextId, true);  // 1: characters went in
      break;
    case kOnYourselfBox:
    case kOnTargetBox:
    case kWithCrosshairBox:
      CheckOneModeBox(code, value);
      state.changed = true;
      break;
    case kSelectObject:
      if (state.selectedRow >= 0) StartObjectPick();
      break;
    case kClearObject:
      if (state.selectedRow < 0) break;
      state.slots[static_cast<size_t>(state.selectedRow)].objectId = 0;
      state.slots[static_cast<size_t>(state.selectedRow)].objectData = 0;
      SetBox(kEditObjectId, false);
      ShowPreviewObject(0);
      state.changed = true;
      break;
    case kOkCode:
      Apply();
      DestroyHotkeyWindow();
      break;
    case kApplyCode:
      Apply();
      LoadChosenPreset();
      ReloadEditControls();
      break;
    case kCancelCode: DestroyHotkeyWindow(); break;
    case kRowChosen: SelectRow(value); break;
    default: break;
  }
}

}  // namespace hotkeys
