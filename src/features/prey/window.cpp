#include "features/prey/window.h"

#include <algorithm>
#include <memory>

#include "features/prey/pictures.h"
#include "features/prey/requests.h"
#include "features/prey/rules.h"
#include "features/prey/slot_widget.h"
#include "features/prey/state.h"
#include "features/prey/tracker.h"
#include "gui/dialog.h"
#include "gui/message_dialog.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "protocol/digit_grouping.h"
#include "protocol/store_request.h"

namespace prey {

GUI_Dialog* PreyDialog = nullptr;

namespace {

constexpr int32_t kWidth = 688, kHeight = 520;
constexpr int32_t kLeft = 100, kTop = 100;
constexpr int32_t kPlacement = 21;      // placed by the window itself, movable
constexpr int32_t kInfoPlacement = 11;  // centred on the screen, movable

// Slot groups.
constexpr int32_t kGroupX = 16, kGroupPitch = 220, kGroupY = 30;
constexpr int32_t kGroupW = 210, kGroupH = 310;
constexpr int32_t kUnlockW = 194, kUnlockH = 40, kUnlockY = 240;
// The description group and its lines.
constexpr int32_t kDescX = 16, kDescY = 350, kDescW = 650, kDescH = 115;
constexpr int32_t kDescLineY = kDescY + 24, kDescLinePitch = 16;
// The bottom row.
constexpr int32_t kBottomY = 480;

// Handler codes. A slot reports kSlotBase + its action with the slot index.
enum Code : int32_t {
  kSlotBase = 5100,
  kUnlock = 5110,
  kStore = 5120,
  kTracker = 5121,
  kClose = 5122,
  kInfoOk = 5123,
};

// Child ids the window looks up again.
constexpr int32_t kCaptionId = 5200;   // + slot
constexpr int32_t kSlotId = 5210;      // + slot
constexpr int32_t kUnlockId = 5220;    // + slot
constexpr int32_t kDescLineId = 5230;  // + line
constexpr int32_t kGoldId = 5240, kWildcardsId = 5241;

constexpr gui::Color kCaptionColor{220, 220, 220};
constexpr gui::Color kLineColor{180, 180, 180};
constexpr gui::Color kBalanceColor{230, 230, 230};

void OnPreyCode(int32_t code, int32_t value);

// ---- small pieces ---------------------------------------------------------------------

// A picture drawn by a function, as an element of the window.
class GUI_PreySign : public GUI_Element {
 public:
  GUI_PreySign(int32_t x, int32_t y, void (*draw)(int32_t, int32_t))
      : GUI_Element(x, y, kSignSize, kSignSize, 0), draw_(draw) {}
  void Draw() override { draw_(x, y); }

 private:
  void (*draw_)(int32_t, int32_t);
};

GUI_Label* Label(GUI_Dialog& dialog, int32_t x, int32_t y, const std::string& text, int32_t id,
                 gui::Color color, int32_t align = 0) {
  auto* label = dialog.AddChild(new GUI_Label(x, y, 0, 14, text, id, color.r, color.g, color.b));
  label->align = align;
  return label;
}

void SetLabel(int32_t id, const std::string& text) { gui::SetLabelText(PreyDialog, id, text); }

GUI_ButtonColor* Button(GUI_Dialog& dialog, int32_t x, int32_t y, int32_t w, int32_t h,
                        const char* caption, int32_t id, int32_t code) {
  auto* button = dialog.AddChild(new GUI_ButtonColor(x, y, w, h, caption, id));
  gui::ApplyAvailabilityLook(*button, true);
  button->font = 1;
  button->interactive = 1;
  button->SetHandler(&OnPreyCode, code);
  return button;
}

int32_t GroupX(size_t slot) { return kGroupX + kGroupPitch * static_cast<int32_t>(slot); }

// ---- what the window shows ------------------------------------------------------------

void SetDescription(const std::array<std::string, 5>& lines) {
  for (int32_t i = 0; i < 5; ++i) {
    SetLabel(kDescLineId + i, gui::FitText(1, lines[static_cast<size_t>(i)], kDescW - 24));
  }
}

void ResetDescription() { SetDescription(ResetDescriptionLines()); }

void RefreshCaption(size_t slot) {
  SetLabel(kCaptionId + static_cast<int32_t>(slot),
           gui::FitText(1, SlotCaption(Slots()[slot]), kGroupW - 12));
}

// A locked slot holds its unlock button; any other slot none.
void RefreshUnlockButton(size_t slot) {
  if (PreyDialog == nullptr) return;
  const int32_t id = kUnlockId + static_cast<int32_t>(slot);
  GUI_Element* button = PreyDialog->FindChild(id);
  const bool locked = Slots()[slot].state == kLocked;
  if (!locked && button != nullptr) PreyDialog->RemoveChild(button);
  if (locked && button == nullptr) {
    Button(*PreyDialog, GroupX(slot) + (kGroupW - kUnlockW) / 2, kGroupY + kUnlockY, kUnlockW,
           kUnlockH, slot == 1 ? "Get Premium" : "Unlock Slot", id, kUnlock);
  }
}

void RefreshBalances() {
  SetLabel(kGoldId, protocol::GroupDigits(Resources().Gold()));
  SetLabel(kWildcardsId, std::to_string(Resources().wildcards));
}

void RefreshAll() {
  for (size_t slot = 0; slot < kSlotCount; ++slot) {
    RefreshCaption(slot);
    RefreshUnlockButton(slot);
  }
  RefreshBalances();
}

// Kept on the screen: the window starts at (100, 100) but never runs past
// the client's right or bottom edge.
void KeepOnScreen(GUI_Dialog& dialog) {
  const int32_t nx = std::max(0, std::min(dialog.x, ClientWidth - dialog.w - 4));
  const int32_t ny = std::max(0, std::min(dialog.y, ClientHeight - dialog.h - 4));
  dialog.SetBounds(nx, ny, dialog.w, dialog.h);
}

// ---- building -------------------------------------------------------------------------

void BuildSlotGroup(GUI_Dialog& dialog, size_t slot) {
  const int32_t gx = GroupX(slot);
  dialog.AddChild(new GUI_Group(gx, kGroupY, kGroupW, kGroupH, 0));
  auto* caption = Label(dialog, gx + kGroupW / 2, kGroupY + 4, "",
                        kCaptionId + static_cast<int32_t>(slot), kCaptionColor, 1);
  caption->font = 1;
  auto* widget =
      dialog.AddChild(new GUI_PreySlot(gx + (kGroupW - GUI_PreySlot::kWidth) / 2, kGroupY + 20,
                                       slot, kSlotId + static_cast<int32_t>(slot)));
  widget->SetHandler(&OnPreyCode, kSlotBase);
}

void BuildDescription(GUI_Dialog& dialog) {
  dialog.AddChild(new GUI_Group(kDescX, kDescY, kDescW, kDescH, 0));
  Label(dialog, kDescX + kDescW / 2, kDescY + 4, "Description", 0, kCaptionColor, 1);
  for (int32_t i = 0; i < 5; ++i) {
    Label(dialog, kDescX + 12, kDescLineY + kDescLinePitch * i, "", kDescLineId + i, kLineColor);
  }
}

void BuildBottomRow(GUI_Dialog& dialog) {
  dialog.AddChild(new GUI_PreySign(20, kBottomY + 2, &DrawGoldSign));
  Label(dialog, 38, kBottomY + 1, "0", kGoldId, kBalanceColor);
  dialog.AddChild(new GUI_PreySign(230, kBottomY + 2, &DrawWildcardSign));
  Label(dialog, 248, kBottomY + 1, "0", kWildcardsId, kBalanceColor);
  auto* store = Button(dialog, 440, kBottomY - 2, 60, 20, "Store", 0, kStore);
  store->SetTexture(2);
  Button(dialog, 510, kBottomY - 2, 70, 20, "Tracker", 0, kTracker);
  // Escape closes the window too.
  Button(dialog, 590, kBottomY - 2, 76, 20, "Close", gui::ids::kCancelButton, kClose);
}

std::unique_ptr<GUI_Dialog> Build() {
  auto dialog =
      std::make_unique<GUI_Dialog>(kLeft, kTop, kWidth, kHeight, "Prey System", kPlacement);
  for (size_t slot = 0; slot < kSlotCount; ++slot) BuildSlotGroup(*dialog, slot);
  BuildDescription(*dialog);
  BuildBottomRow(*dialog);
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (PreyDialog == d) PreyDialog = nullptr;
  };
  return dialog;
}

// ---- actions ----------------------------------------------------------------------------

void CloseWindow() {
  if (PreyWindowIsCurrent()) gui::DestroyModalDialog();
}

void OpenStore() {
  CloseWindow();
  protocol::RequestStoreOpen();
}

void CloseInformation() {
  GUI_Dialog* restored = gui::CloseModalMessage();
  if (restored == nullptr || restored != PreyDialog) return;
  KeepOnScreen(*restored);
  RefreshAll();
}

// A slot button's action, checked again against the slot as it is now: a
// message may have changed it since the press.
void OnSlotAction(int32_t action, int32_t index) {
  if (!PreyWindowIsCurrent() || index < 0 || index >= static_cast<int32_t>(kSlotCount)) return;
  const auto slotIndex = static_cast<size_t>(index);
  const auto wireSlot = static_cast<uint8_t>(index);
  PreySlot& slot = Slots()[slotIndex];
  switch (action) {
    case GUI_PreySlot::kListReroll:
      if (!slot.Active() && !slot.Selecting()) return;
      if (!ListRerollAllowed(slot, Resources())) {
        ShowInformation("Not enough gold to reroll.");
        return;
      }
      RequestListReroll(wireSlot);
      ResetDescription();
      break;
    case GUI_PreySlot::kConfirm:
      if (!slot.Selecting()) return;
      if (slot.Selected() == nullptr) {
        ShowInformation("Select a monster first!");
        return;
      }
      RequestChooseCreature(wireSlot, static_cast<uint8_t>(slot.selectedChoice));
      break;
    case GUI_PreySlot::kBonusReroll:
      if (!slot.Active()) return;
      if (!BonusRerollAllowed(Resources())) {
        ShowInformation("You don't have any Prey Wildcards.");
        return;
      }
      RequestBonusReroll(wireSlot);
      ResetDescription();
      break;
    case GUI_PreySlot::kFlag:
      if (slot.Active()) SetDescription(DescriptionLines(slot));
      break;
    case GUI_PreySlot::kPicked: RefreshCaption(slotIndex); break;
    default: break;
  }
}

void OnPreyCode(int32_t code, int32_t value) {
  if (code >= kSlotBase && code <= kSlotBase + int32_t{GUI_PreySlot::kPicked}) {
    OnSlotAction(code - kSlotBase, value);
    return;
  }
  switch (code) {
    case kUnlock:
    case kStore:
      if (PreyWindowIsCurrent()) OpenStore();
      break;
    case kTracker:
      if (PreyWindowIsCurrent()) ToggleTracker();
      break;
    case kClose: CloseWindow(); break;
    case kInfoOk: CloseInformation(); break;
    default: break;
  }
}

}  // namespace

bool PreyWindowIsCurrent() { return PreyDialog != nullptr && gui::ModalDialog() == PreyDialog; }

void OpenPreyWindow() {
  if (PreyDialog != nullptr && gui::SetAsideDialog() == PreyDialog) gui::DestroySetAsideDialog();
  if (PreyWindowIsCurrent()) gui::DestroyModalDialog();
  RequestPreyData();
  std::unique_ptr<GUI_Dialog> dialog = Build();
  PreyDialog = dialog.get();
  gui::SetModalDialog(std::move(dialog));
  KeepOnScreen(*PreyDialog);
  ResetDescription();
  RefreshAll();
}

void OnSlotReplaced(size_t index) {
  if (!PreyWindowIsCurrent() || index >= kSlotCount) return;
  RefreshUnlockButton(index);
  RefreshCaption(index);
}

void OnResourcesChanged() {
  if (PreyWindowIsCurrent()) RefreshBalances();
}

void ShowInformation(const std::string& message) {
  gui::ShowModalMessage(
      gui::BuildMessageDialog("Information", message, kInfoPlacement, &OnPreyCode, kInfoOk));
}

void DestroyEverywhere() {
  if (PreyDialog != nullptr && gui::SetAsideDialog() == PreyDialog) gui::DestroySetAsideDialog();
  if (PreyWindowIsCurrent()) gui::DestroyModalDialog();
  gui::DestroyModalMessage();
}

}  // namespace prey
