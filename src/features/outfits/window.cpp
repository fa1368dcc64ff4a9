#include "features/outfits/window.h"

#include <memory>
#include <string>

#include "features/outfits/outfit_colors.h"
#include "features/outfits/outfit_list.h"
#include "features/outfits/outfit_view.h"
#include "features/outfits/requests.h"
#include "features/outfits/rules.h"
#include "features/outfits/search_box.h"
#include "features/outfits/state.h"
#include "features/outfits/store_button.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/widgets/tab_button.h"
#include "gui/window_sets.h"
#include "protocol/store_request.h"

namespace outfits {
namespace {

GUI_Dialog* OutfitDialog = nullptr;

constexpr int32_t kWidth = 700, kHeight = 450;
// Centred on the screen, movable by its title bar, Enter on "Ok" and
// Escape on "Cancel" (kinds 0 to 5 have login-screen meanings).
constexpr int32_t kPlacement = 6;
constexpr int32_t kFont = 1;
constexpr gui::Color kBoxColour{200, 200, 200};
constexpr gui::Color kDisabledColour{112, 112, 112};
constexpr gui::Color kCaptionColour{175, 175, 175};
constexpr gui::Color kNameColour{230, 230, 230};

enum Code : int32_t {
  kRotateCode = 8001,
  kMovementCode,
  kShowOutfitCode,
  kShowFloorCode,
  kPrevOutfitCode,
  kNextOutfitCode,
  kPrevMountCode,
  kNextMountCode,
  kAddon1Code,
  kAddon2Code,
  kMountBoxCode,
  kOutfitsTabCode,
  kMountsTabCode,
  kFilterCode,
  kListCode,
  kOkCode,
  kCancelCode,
  kStoreCode,
};

enum ChildId : int32_t {
  kOutfitNameId = 8101,
  kMountNameId,
  kAddon1Id,
  kAddon2Id,
  kOutfitsTabId,
  kMountsTabId,
  kListId,
  kFilterId = gui::ids::kTabFirst,
  kOkId = gui::ids::kDefaultButton,
  kCancelId = gui::ids::kCancelButton,
};

// The names stand centred between their arrows.
constexpr int32_t kNameCentreX = 354, kNameRoom = 212;

template <typename T>
T* Child(int32_t id) {
  return gui::ChildAs<T>(OutfitDialog, id);
}

void OnOutfitCode(int32_t code, int32_t value);

// ---- building ------------------------------------------------------------------------

GUI_CheckBox* AddBox(GUI_Dialog& d, int32_t x, int32_t y, const char* caption, bool checked,
                     int32_t id, int32_t code) {
  auto* box = d.AddChild(new GUI_CheckBox(x, y, 120, 20, caption, checked, id, kBoxColour.r,
                                          kBoxColour.g, kBoxColour.b));
  box->noFrame = 1;
  box->interactive = 1;
  box->SetHandler(&OnOutfitCode, code);
  return box;
}

template <typename Button>
Button* AddButton(GUI_Dialog& d, Button* button, int32_t code) {
  button->interactive = 1;
  button->SetHandler(&OnOutfitCode, code);
  return d.AddChild(button);
}

GUI_Label* AddLabel(GUI_Dialog& d, int32_t x, int32_t y, const char* text, int32_t id,
                    gui::Color colour, int32_t align) {
  auto* label = d.AddChild(new GUI_Label(x, y, 0, 14, text, id, colour.r, colour.g, colour.b));
  label->font = kFont;
  label->align = align;
  return label;
}

void BuildPreview(GUI_Dialog& d, const OutfitWindowState& state) {
  d.AddChild(new GUI_WindowChild(8, 24, 200, 382, "Preview", 0));
  d.AddChild(new GUI_Outfit_View(16, 46, 184, 184, 0));
  AddButton(d, new GUI_Button(16, 236, 184, 20, "Rotate", 0), kRotateCode);
  AddBox(d, 16, 262, "Movement", state.movement, 0, kMovementCode);
  AddBox(d, 16, 284, "Show Outfit", state.showOutfit, 0, kShowOutfitCode);
  AddBox(d, 16, 306, "Show Floor", state.showFloor, 0, kShowFloorCode);
}

void BuildConfigure(GUI_Dialog& d, const OutfitWindowState& state) {
  d.AddChild(new GUI_WindowChild(216, 24, 276, 382, "Configure", 0));
  AddButton(d, new GUI_Button(224, 48, 20, 20, "<", 0), kPrevOutfitCode);
  AddLabel(d, kNameCentreX, 54, "", kOutfitNameId, kNameColour, 1);
  AddButton(d, new GUI_Button(464, 48, 20, 20, ">", 0), kNextOutfitCode);
  AddButton(d, new GUI_Button(224, 76, 20, 20, "<", 0), kPrevMountCode);
  AddLabel(d, kNameCentreX, 82, "", kMountNameId, kNameColour, 1);
  AddButton(d, new GUI_Button(464, 76, 20, 20, ">", 0), kNextMountCode);
  AddBox(d, 224, 104, "Addon 1", false, kAddon1Id, kAddon1Code);
  AddBox(d, 352, 104, "Addon 2", false, kAddon2Id, kAddon2Code);
  AddBox(d, 224, 126, "Mount", state.mountBox, 0, kMountBoxCode);
  d.AddChild(new GUI_Outfit_Colors(226, 160, 0));
}

void BuildLists(GUI_Dialog& d) {
  d.AddChild(new GUI_WindowChild(500, 24, 192, 382, "Change Appearance", 0));
  AddButton(d, new GUI_TabButton(508, 46, 86, 20, "Outfits", kOutfitsTabId), kOutfitsTabCode);
  AddButton(d, new GUI_TabButton(598, 46, 86, 20, "Mounts", kMountsTabId), kMountsTabCode);
  AddLabel(d, 508, 74, "Filter by Name", 0, kCaptionColour, 0);
  auto* filter = d.AddChild(new GUI_OutfitSearchPlaceholder(508, 90, 176, 18, kFilterId));
  filter->interactive = 1;
  filter->maxLength = 30;
  filter->SetHandler(&OnOutfitCode, kFilterCode);
  auto* list = d.AddChild(new GUI_Outfit_List(508, 114, 176, 284, kListId));
  list->SetHandler(&OnOutfitCode, kListCode);
}

std::unique_ptr<GUI_Dialog> Build() {
  const OutfitWindowState& state = Window();
  auto dialog =
      std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Customise Character", kPlacement);
  BuildPreview(*dialog, state);
  BuildConfigure(*dialog, state);
  BuildLists(*dialog);
  AddButton(*dialog, new GUI_OutfitStoreButton(8, 414, 86, 22, 0), kStoreCode);
  AddButton(*dialog, new GUI_Button(516, 414, 86, 22, "Ok", kOkId), kOkCode);
  AddButton(*dialog, new GUI_Button(606, 414, 86, 22, "Cancel", kCancelId), kCancelCode);
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (OutfitDialog == d) OutfitDialog = nullptr;
  };
  return dialog;
}

// ---- showing the state ---------------------------------------------------------------

void SetAddonBox(int32_t id, bool available, bool checked) {
  auto* box = Child<GUI_CheckBox>(id);
  if (box == nullptr) return;
  box->interactive = available ? 1 : 0;
  box->textColor = available ? kBoxColour : kDisabledColour;
  box->SetChecked(available && checked, false);
}

// The addon boxes: enabled for the addons the current outfit has, checked
// for those the look wears.
void ShowAddons() {
  const OutfitWindowState& state = Window();
  const int32_t index = FindOutfit(state.outfitList, state.look.lookType);
  const uint8_t available = index < 0 ? 0 : state.outfitList[static_cast<size_t>(index)].addons;
  SetAddonBox(kAddon1Id, (available & kFirstAddon) != 0, (state.look.addons & kFirstAddon) != 0);
  SetAddonBox(kAddon2Id, (available & kSecondAddon) != 0, (state.look.addons & kSecondAddon) != 0);
}

void ShowNames() {
  const OutfitWindowState& state = Window();
  gui::SetLabelText(
      OutfitDialog, kOutfitNameId,
      gui::FitText(kFont, OutfitName(state.outfitList, state.look.lookType), kNameRoom));
  gui::SetLabelText(OutfitDialog, kMountNameId,
                    gui::FitText(kFont, MountName(state.mountList, state.mount), kNameRoom));
}

void ShowList(bool scrollToCurrent) {
  const OutfitWindowState& state = Window();
  const bool outfitsShown = state.view == ListView::Outfits;
  if (auto* tab = Child<GUI_TabButton>(kOutfitsTabId)) tab->SetSelected(outfitsShown);
  if (auto* tab = Child<GUI_TabButton>(kMountsTabId)) tab->SetSelected(!outfitsShown);
  if (auto* list = Child<GUI_Outfit_List>(kListId)) list->Rebuild(scrollToCurrent);
}

// ---- actions -----------------------------------------------------------------------

// The outfit `index` of the list becomes current and starts with every
// addon it has.
void ChooseOutfit(int32_t index) {
  OutfitWindowState& state = Window();
  if (index < 0 || static_cast<size_t>(index) >= state.outfitList.size()) return;
  const OutfitEntry& entry = state.outfitList[static_cast<size_t>(index)];
  state.look.lookType = entry.lookType;
  state.look.addons = StartingAddons(entry);
  ShowAddons();
  ShowNames();
  ShowList(false);
}

void ChooseMount(int32_t index) {
  OutfitWindowState& state = Window();
  if (index < 0 || static_cast<size_t>(index) >= state.mountList.size()) return;
  state.mount = state.mountList[static_cast<size_t>(index)].lookType;
  ShowNames();
  ShowList(false);
}

void StepOutfit(bool forward) {
  const OutfitWindowState& state = Window();
  ChooseOutfit(StepEntry(FindOutfit(state.outfitList, state.look.lookType),
                         static_cast<int32_t>(state.outfitList.size()), forward));
}

void StepMount(bool forward) {
  const OutfitWindowState& state = Window();
  ChooseMount(StepEntry(FindMount(state.mountList, state.mount),
                        static_cast<int32_t>(state.mountList.size()), forward));
}

void SetAddon(uint8_t bit, bool on) {
  gui::Outfit& look = Window().look;
  look.addons = on ? (look.addons | bit) : (look.addons & ~bit);
}

void ChooseView(ListView view) {
  OutfitWindowState& state = Window();
  if (state.view == view) return;
  state.view = view;
  ShowList(true);
}

void OnListRow(int32_t row) {
  auto* list = Child<GUI_Outfit_List>(kListId);
  if (list == nullptr) return;
  const int32_t entry = list->EntryAt(row);
  if (Window().view == ListView::Outfits) {
    ChooseOutfit(entry);
  } else {
    ChooseMount(entry);
  }
}

// Closing: the "Mount" box is remembered, the window destroyed and the
// lists freed.
void Close() {
  Mounted() = Window().mountBox;
  if (OutfitWindowIsCurrent()) gui::DestroyModalDialog();
  OutfitDialog = nullptr;
  Window() = OutfitWindowState{};
}

void OnOutfitCode(int32_t code, int32_t value) {
  // Events queued by a window that has gone since find nothing to act on.
  if (!OutfitWindowIsCurrent()) return;
  OutfitWindowState& state = Window();
  switch (code) {
    case kRotateCode: state.direction = static_cast<uint8_t>((state.direction + 1) % 4); break;
    case kMovementCode: state.movement = value != 0; break;
    case kShowOutfitCode: state.showOutfit = value != 0; break;
    case kShowFloorCode: state.showFloor = value != 0; break;
    case kPrevOutfitCode: StepOutfit(false); break;
    case kNextOutfitCode: StepOutfit(true); break;
    case kPrevMountCode: StepMount(false); break;
    case kNextMountCode: StepMount(true); break;
    case kAddon1Code: SetAddon(kFirstAddon, value != 0); break;
    case kAddon2Code: SetAddon(kSecondAddon, value != 0); break;
    case kMountBoxCode: state.mountBox = value != 0; break;
    case kOutfitsTabCode: ChooseView(ListView::Outfits); break;
    case kMountsTabCode: ChooseView(ListView::Mounts); break;
    case kFilterCode:
      if (auto* box = Child<GUI_TextBox>(kFilterId)) state.filter = box->text;
      ShowList(true);
      break;
    case kListCode: OnListRow(value); break;
    case kOkCode: {
      const gui::Outfit look = state.look;
      const uint16_t mount = state.mount;
      RequestOutfit(look, mount);
      Close();
      break;
    }
    case kCancelCode: Close(); break;
    case kStoreCode:
      Close();
      protocol::RequestStoreOpen();
      break;
    default: break;
  }
}

}  // namespace

bool OutfitWindowIsCurrent() {
  return OutfitDialog != nullptr && gui::ModalDialog() == OutfitDialog;
}

void OpenOutfitWindow() {
  std::unique_ptr<GUI_Dialog> dialog = Build();
  GUI_Dialog* built = dialog.get();
  gui::SetModalDialog(std::move(dialog));
  OutfitDialog = built;
  OutfitDialog->Place(ClientWidth, ClientHeight);
  ShowAddons();
  ShowNames();
  ShowList(true);
}

}  // namespace outfits
