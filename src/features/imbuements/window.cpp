#include "features/imbuements/window.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "features/imbuements/action_button.h"
#include "features/imbuements/details.h"
#include "features/imbuements/item_picture.h"
#include "features/imbuements/materials_list.h"
#include "features/imbuements/progress_bar.h"
#include "features/imbuements/requests.h"
#include "features/imbuements/rules.h"
#include "features/imbuements/slot_button.h"
#include "features/imbuements/state.h"
#include "gui/dialog.h"
#include "gui/message_dialog.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "protocol/digit_grouping.h"
#include "protocol/shared_values.h"
#include "protocol/store_request.h"

namespace imbuements {

GUI_Dialog* ImbueDialog = nullptr;

namespace {

// ---- identities ---------------------------------------------------------------------

constexpr int32_t kWidth = 520, kHeight = 435;
constexpr int32_t kPlacement = 22;        // centred on the screen, movable
constexpr int32_t kResultPlacement = 11;  // centred on the screen, movable

// Handler codes. A slot button reports kSlotBase + its slot.
enum Code : int32_t {
  kSlotBase = 6100,
  kActionCode = 6110,
  kProtectCode = 6111,
  kCategoryCode = 6112,
  kImbuementCode = 6113,
  kCloseCode = 6114,
  kPremiumCode = 6115,
  kResultOk = 6116,
};

// Child ids the window looks up again.
constexpr int32_t kSlotId = 6200;  // + slot
constexpr int32_t kActionId = 6210, kProtectId = 6211;
constexpr int32_t kCategoryId = 6212, kImbuementId = 6213;
constexpr int32_t kGoldId = 6214, kPremiumId = 6215;
constexpr int32_t kBarId = 6216, kMaterialsId = 6217;

// Places.
constexpr int32_t kMargin = 12, kInnerW = kWidth - 2 * kMargin;
constexpr int32_t kGroupY = 26, kGroupH = 78;
constexpr int32_t kItemGroupW = 150;
constexpr int32_t kSlotGroupX = 170, kSlotGroupW = kWidth - kMargin - kSlotGroupX;
constexpr int32_t kSlotPitch = 110;
constexpr int32_t kActionY = 112, kActionH = 24;
constexpr int32_t kBoxY = 144, kBoxW = 240, kBoxH = 20;
constexpr int32_t kImbuementBoxX = kWidth - kMargin - kBoxW;
constexpr int32_t kDetailsY = 172;
constexpr int32_t kBottomY = 400;
constexpr int32_t kFont = 1;
// Room for a combo box's text: its text part, less a little air.
constexpr int32_t kBoxTextRoom = kBoxW - GUI_ComboBox::kArrowWidth - 8;

constexpr gui::Color kHeadingColor{220, 220, 220};
constexpr gui::Color kCaptionColor{150, 150, 150};
constexpr gui::Color kBalanceColor{230, 230, 230};

// The player's choice, kept apart from the state a new message 235 replaces,
// so the window can keep it across the update.
struct Choice {
  uint8_t slot = 0;
  uint32_t imbuement = 0;
};
Choice LastChoice;

void OnImbueCode(int32_t code, int32_t value);

// ---- small pieces -------------------------------------------------------------------

template <typename Element>
Element* Find(int32_t id) {
  return ImbueDialog == nullptr ? nullptr : dynamic_cast<Element*>(ImbueDialog->FindChild(id));
}

GUI_Label* Label(GUI_Dialog& dialog, int32_t x, int32_t y, const std::string& text, int32_t id,
                 gui::Color color, int32_t align = 0) {
  auto* label = dialog.AddChild(new GUI_Label(x, y, 0, 14, text, id, color.r, color.g, color.b));
  label->font = kFont;
  label->align = align;
  return label;
}

void Show(GUI_Element* element, bool shown, bool takesClicks) {
  if (element == nullptr) return;
  element->visible = shown ? 1 : 0;
  // A hidden control must not take clicks meant for what lies beside it.
  element->interactive = shown && takesClicks ? 1 : 0;
}

uint8_t SlotCount() {
  return static_cast<uint8_t>(std::min<size_t>(State().slots.size(), kMaxSlots));
}

bool ImbueIsCurrent() { return ImbueDialog != nullptr && gui::ModalDialog() == ImbueDialog; }

// ---- what may be asked for ----------------------------------------------------------

// The selected slot when it is empty and an imbuement is selected for it.
const ImbuementInfo* ImbueTarget() {
  const WindowState& state = State();
  const ImbuementSlot* slot = state.SelectedSlot();
  if (state.mode != Mode::Imbue || slot == nullptr || !slot->empty) return nullptr;
  return state.Selected();
}

const ImbuementSlot* ClearTarget() {
  const WindowState& state = State();
  const ImbuementSlot* slot = state.SelectedSlot();
  if (state.mode != Mode::Clear || slot == nullptr || slot->empty) return nullptr;
  return slot;
}

bool ActionAllowed() {
  if (const ImbuementSlot* slot = ClearTarget()) return CanClear(*slot, BalanceU64());
  const ImbuementInfo* info = ImbueTarget();
  return info != nullptr && CanImbue(*info, BalanceU64(), State().ownedSources);
}

bool ProtectionAllowed() {
  const ImbuementInfo* info = ImbueTarget();
  return info != nullptr && CanProtect(*info, BalanceU64(), State().ownedSources);
}

// ---- the category and imbuement boxes -----------------------------------------------

// The category index holding the imbuement with that id, or -1.
int32_t CategoryOf(uint32_t id) {
  const WindowState& state = State();
  for (size_t c = 0; c < state.categories.size(); ++c) {
    for (const size_t index : state.categories[c].imbuements) {
      if (index < state.applicable.size() && state.applicable[index].id == id) {
        return static_cast<int32_t>(c);
      }
    }
  }
  return -1;
}

void Remember(uint32_t imbuement) {
  State().selectedImbuement = imbuement;
  LastChoice.imbuement = imbuement;
}

// The applicable imbuements of a category, as indices into the list, in the
// order the imbuement box shows them; none for a category that is not there.
std::vector<size_t> Offered(int32_t category) {
  const WindowState& state = State();
  std::vector<size_t> offered;
  if (category < 0 || static_cast<size_t>(category) >= state.categories.size()) return offered;
  for (const size_t index : state.categories[static_cast<size_t>(category)].imbuements) {
    if (index < state.applicable.size()) offered.push_back(index);
  }
  return offered;
}

// Fills the imbuement box with the category's imbuements and selects the
// one with `preferred` id, else the first.
void PickCategory(int32_t category, uint32_t preferred) {
  auto* box = Find<GUI_ComboBox>(kImbuementId);
  if (box == nullptr) return;
  box->ClearItems();
  const WindowState& state = State();
  const std::vector<size_t> offered = Offered(category);
  int32_t chosen = offered.empty() ? -1 : 0;
  for (const size_t index : offered) {
    const ImbuementInfo& info = state.applicable[index];
    if (info.id == preferred) chosen = box->ItemCount();
    box->AddItem(gui::FitText(kFont, info.name, kBoxTextRoom));
  }
  box->Select(chosen, false);
  Remember(chosen < 0 ? 0 : state.applicable[offered[static_cast<size_t>(chosen)]].id);
}

void FillCategories() {
  auto* box = Find<GUI_ComboBox>(kCategoryId);
  if (box == nullptr) return;
  box->ClearItems();
  for (const Category& category : State().categories) {
    box->AddItem(gui::FitText(kFont, category.group, kBoxTextRoom));
  }
}

// Imbuing, the boxes are enabled with the kept imbuement (when asked to
// keep it and it is still offered) or else the first category's first one
// preselected; clearing, they are disabled and empty.
void SetUpBoxes(bool keepImbuement) {
  auto* categories = Find<GUI_ComboBox>(kCategoryId);
  auto* imbuements = Find<GUI_ComboBox>(kImbuementId);
  if (categories == nullptr || imbuements == nullptr) return;
  FillCategories();
  const bool imbuing = State().mode == Mode::Imbue;
  categories->enabled = imbuing ? 1 : 0;
  imbuements->enabled = imbuing ? 1 : 0;
  if (!imbuing) {
    imbuements->ClearItems();
    Remember(0);
    return;
  }
  const int32_t kept = keepImbuement ? CategoryOf(LastChoice.imbuement) : -1;
  const int32_t category = kept >= 0 ? kept : (categories->ItemCount() > 0 ? 0 : -1);
  categories->Select(category, false);
  PickCategory(category, kept >= 0 ? LastChoice.imbuement : 0);
}

// ---- refreshing ---------------------------------------------------------------------

void RefreshGold() {
  if (auto* label = Find<GUI_Label>(kGoldId)) label->SetText(protocol::GroupDigits(BalanceU64()));
}

void RefreshActionCaption() {
  auto* button = Find<GUI_ImbuementActionButton>(kActionId);
  if (button == nullptr) return;
  const ImbuementSlot* slot = ClearTarget();
  if (slot == nullptr) {
    button->SetCaption("Imbue Empty Slot");
    return;
  }
  // A long name is cut inside its quotes, so the caption keeps its shape.
  ImbuementSlot shown = *slot;
  shown.imbuement.name.clear();
  const int32_t frame = gui::TextWidth(kFont, ActionCaption(shown));
  shown.imbuement.name = gui::FitText(kFont, slot->imbuement.name, button->w - 16 - frame);
  button->SetCaption(ActionCaption(shown));
}

// Shows the controls of the mode and of the selection.
void RefreshControls() {
  const WindowState& state = State();
  for (uint8_t slot = 0; slot < kMaxSlots; ++slot) {
    Show(Find<GUI_Element>(kSlotId + slot), slot < SlotCount(), true);
  }
  RefreshActionCaption();
  const bool imbuing = state.mode == Mode::Imbue;
  Show(Find<GUI_Element>(kProtectId), imbuing && state.Selected() != nullptr, true);
  if (auto* sources = Find<GUI_MaterialsList>(kMaterialsId)) {
    sources->Refresh();
    // Only a list that scrolls takes the wheel and its bar's presses.
    Show(sources, imbuing && state.Selected() != nullptr, sources->Scrolls());
  }
  if (auto* bar = Find<GUI_ImbuementProgressBar>(kBarId)) {
    const ImbuementSlot* slot = ClearTarget();
    bar->remaining = slot == nullptr ? 0 : slot->remaining;
    bar->duration = slot == nullptr ? 0 : slot->imbuement.duration;
    Show(bar, slot != nullptr && slot->imbuement.duration != 0, false);
  }
  // Only a player who can apply no "Powerful" imbuement is offered premium.
  Show(Find<GUI_Element>(kPremiumId), !state.anyPowerful, true);
  RefreshGold();
}

// Selects a slot: an occupied one is for clearing, an empty one (or none,
// for an item without slots) for imbuing.
void SelectSlot(uint8_t slot, bool keepImbuement) {
  WindowState& state = State();
  state.selectedSlot = slot;
  LastChoice.slot = slot;
  const ImbuementSlot* record = state.SelectedSlot();
  state.mode = record != nullptr && !record->empty ? Mode::Clear : Mode::Imbue;
  SetUpBoxes(keepImbuement);
  RefreshControls();
}

// Kept on the screen: a window moved by the player stays where it is, but
// never past the client's right or bottom edge.
void KeepOnScreen(GUI_Dialog& dialog) {
  const int32_t nx = std::max(0, std::min(dialog.x, ClientWidth - dialog.w - 4));
  const int32_t ny = std::max(0, std::min(dialog.y, ClientHeight - dialog.h - 4));
  dialog.SetBounds(nx, ny, dialog.w, dialog.h);
}

// ---- building -----------------------------------------------------------------------

GUI_ButtonColor* PlainButton(GUI_Dialog& dialog, int32_t x, int32_t w, const char* caption,
                             int32_t id, int32_t code) {
  auto* button = dialog.AddChild(new GUI_ButtonColor(x, kBottomY, w, 20, caption, id));
  gui::ApplyAvailabilityLook(*button, true);
  button->font = kFont;
  button->interactive = 1;
  button->SetHandler(&OnImbueCode, code);
  return button;
}

void BuildGroups(GUI_Dialog& dialog) {
  dialog.AddChild(new GUI_Group(kMargin, kGroupY, kItemGroupW, kGroupH, 0));
  Label(dialog, kMargin + kItemGroupW / 2, kGroupY + 4, "Item Information", 0, kHeadingColor, 1);
  dialog.AddChild(new GUI_ImbuementItemPicture(
      kMargin + (kItemGroupW - GUI_ImbuementItemPicture::kSize) / 2, kGroupY + 30, 0));
  dialog.AddChild(new GUI_Group(kSlotGroupX, kGroupY, kSlotGroupW, kGroupH, 0));
  Label(dialog, kSlotGroupX + kSlotGroupW / 2, kGroupY + 4, "Select Slot:", 0, kHeadingColor, 1);
  const int32_t left = kSlotGroupX + (kSlotGroupW - 2 * kSlotPitch - GUI_ImbuementSlot::kWidth) / 2;
  for (uint8_t slot = 0; slot < kMaxSlots; ++slot) {
    auto* button = dialog.AddChild(
        new GUI_ImbuementSlot(left + kSlotPitch * slot, kGroupY + 26, slot, kSlotId + slot));
    button->SetHandler(&OnImbueCode, kSlotBase + slot);
  }
}

void BuildChoice(GUI_Dialog& dialog) {
  auto* action = dialog.AddChild(new GUI_ImbuementActionButton(
      kMargin, kActionY, kInnerW, kActionH, "Imbue Empty Slot", &ActionAllowed, kActionId));
  action->SetHandler(&OnImbueCode, kActionCode);
  auto* categories = dialog.AddChild(new GUI_ComboBox(kMargin, kBoxY, kBoxW, kBoxH, kCategoryId));
  categories->SetPlaceholder("Select Category");
  categories->interactive = 1;
  categories->SetHandler(&OnImbueCode, kCategoryCode);
  auto* imbuements =
      dialog.AddChild(new GUI_ComboBox(kImbuementBoxX, kBoxY, kBoxW, kBoxH, kImbuementId));
  imbuements->SetPlaceholder("Select Imbuement");
  imbuements->interactive = 1;
  imbuements->SetHandler(&OnImbueCode, kImbuementCode);
}

void BuildDetails(GUI_Dialog& dialog) {
  using Details = GUI_ImbuementDetails;
  dialog.AddChild(new GUI_Group(kMargin, kDetailsY, Details::kWidth, Details::kHeight, 0));
  dialog.AddChild(new Details(kMargin, kDetailsY, 0));
  auto* protect = dialog.AddChild(new GUI_ImbuementActionButton(
      kMargin + Details::kProtectX, kDetailsY + Details::kProtectY, Details::kProtectW,
      Details::kProtectH, "100%", &ProtectionAllowed, kProtectId));
  protect->SetHandler(&OnImbueCode, kProtectCode);
  dialog.AddChild(new GUI_MaterialsList(
      kMargin + Details::kSourcesX, kDetailsY + Details::kSourcesY,
      Details::kWidth - 2 * Details::kSourcesX,
      GUI_MaterialsList::kRows * GUI_MaterialsList::kRowHeight, kMaterialsId));
  dialog.AddChild(new GUI_ImbuementProgressBar(kMargin + Details::kBarX, kDetailsY + Details::kBarY,
                                               Details::kBarW, Details::kBarH, kBarId));
}

void BuildBottomRow(GUI_Dialog& dialog) {
  dialog.AddChild(new GUI_Separator(kMargin, kBottomY - 10, kInnerW, 2, 0));
  Label(dialog, kMargin, kBottomY + 4, "Gold:", 0, kCaptionColor);
  Label(dialog, kMargin + 42, kBottomY + 4, "0", kGoldId, kBalanceColor);
  PlainButton(dialog, kWidth - kMargin - 80 - 12 - 80, 80, "Get Premium", kPremiumId, kPremiumCode);
  // Escape closes the window too.
  PlainButton(dialog, kWidth - kMargin - 80, 80, "Close", gui::ids::kCancelButton, kCloseCode);
}

std::unique_ptr<GUI_Dialog> Build() {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Imbue Item", kPlacement);
  BuildGroups(*dialog);
  BuildDetails(*dialog);
  BuildBottomRow(*dialog);
  // Last, so an open list lies over the details.
  BuildChoice(*dialog);
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (ImbueDialog == d) ImbueDialog = nullptr;
  };
  return dialog;
}

// ---- actions ------------------------------------------------------------------------

void PressAction() {
  if (!ImbueIsCurrent() || !ActionAllowed()) return;
  if (ClearTarget() != nullptr) {
    RequestClear(State().selectedSlot);
  } else if (const ImbuementInfo* info = ImbueTarget()) {
    RequestImbue(State().selectedSlot, info->id, false);
  }
}

void PressProtection() {
  if (!ImbueIsCurrent() || !ProtectionAllowed()) return;
  RequestImbue(State().selectedSlot, ImbueTarget()->id, true);
}

void CloseWindow() {
  if (!ImbueIsCurrent()) return;
  RequestCloseWindow();
  gui::DestroyModalDialog();
}

void GetPremium() {
  if (!ImbueIsCurrent()) return;
  CloseWindow();
  protocol::RequestStoreOpen();
}

void CloseResult() {
  GUI_Dialog* restored = gui::CloseModalMessage();
  if (restored == nullptr || restored != ImbueDialog) return;
  KeepOnScreen(*restored);
  RefreshControls();
}

void OnImbueCode(int32_t code, int32_t value) {
  if (code >= kSlotBase && code < kSlotBase + kMaxSlots) {
    const auto slot = static_cast<uint8_t>(code - kSlotBase);
    if (ImbueIsCurrent() && slot < SlotCount()) SelectSlot(slot, false);
    return;
  }
  switch (code) {
    case kActionCode: PressAction(); break;
    case kProtectCode: PressProtection(); break;
    case kCategoryCode:
      if (State().mode != Mode::Imbue) break;
      PickCategory(value, 0);
      RefreshControls();
      break;
    case kImbuementCode: {
      auto* categories = Find<GUI_ComboBox>(kCategoryId);
      if (categories == nullptr || State().mode != Mode::Imbue) break;
      const std::vector<size_t> offered = Offered(categories->selected);
      if (value < 0 || static_cast<size_t>(value) >= offered.size()) break;
      Remember(State().applicable[offered[static_cast<size_t>(value)]].id);
      RefreshControls();
      break;
    }
    case kCloseCode: CloseWindow(); break;
    case kPremiumCode: GetPremium(); break;
    case kResultOk: CloseResult(); break;
    default: break;
  }
}

}  // namespace

const char* ResultTitle(uint8_t kind) {
  switch (kind) {
    case 1: return "Success!";
    case 2: return "Error";
    case 3: return "Imbue failed";
    case 4: return "Clearing Success!";
    case 5: return "Clearing Error";
    default: return "Information";
  }
}

void OpenOrUpdate() {
  // The message always ends with the window current. One set aside (under
  // a result, or under whatever replaced that result, the store say) comes
  // back in front of it: updating it where nobody sees it would leave the
  // player without the window until leaving the game. The window keeps its
  // place and the player's choice: the selected slot when the item still
  // has it, and for an empty slot the selected imbuement when it is still
  // offered.
  if (ImbueDialog != nullptr && gui::SetAsideDialog() == ImbueDialog) {
    gui::RestoreSetAsideDialog();
    KeepOnScreen(*ImbueDialog);
  }
  if (ImbueIsCurrent()) {
    SelectSlot(LastChoice.slot < SlotCount() ? LastChoice.slot : 0, true);
    return;
  }
  std::unique_ptr<GUI_Dialog> dialog = Build();
  ImbueDialog = dialog.get();
  gui::SetModalDialog(std::move(dialog));
  ImbueDialog->Place(ClientWidth, ClientHeight);
  LastChoice = Choice{};
  SelectSlot(0, false);
}

void ShowResult(uint8_t kind, const std::string& message) {
  gui::ShowModalMessage(gui::BuildMessageDialog(ResultTitle(kind), message, kResultPlacement,
                                                &OnImbueCode, kResultOk));
}

void OnGoldChanged() {
  if (ImbueIsCurrent()) RefreshGold();
}

void DestroyEverywhere() {
  if (ImbueDialog != nullptr && gui::SetAsideDialog() == ImbueDialog) gui::DestroySetAsideDialog();
  if (ImbueIsCurrent()) gui::DestroyModalDialog();
  gui::DestroyModalMessage();
}

}  // namespace imbuements
