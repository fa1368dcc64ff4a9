#include "features/store/dialogs.h"

#include <memory>

#include "features/store/pieces.h"
#include "features/store/requests.h"
#include "features/store/rules.h"
#include "features/store/state.h"
#include "features/store/window.h"
#include "gui/dialog.h"
#include "gui/draw.h"
#include "gui/message_dialog.h"
#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "protocol/shared_values.h"

namespace store {
namespace {

enum Code : int32_t {
  kSliderCode = 212,
  kMessageOkCode = 1005,
  kGiftCancelCode = 2000,
  kGiftCode = 2001,
  kNameCancelCode = 3000,
  kNameChangeCode = 3001,
};

constexpr int32_t kMessagePlacement = 11;
constexpr int32_t kGiftPlacement = 12;
constexpr int32_t kNamePlacement = 13;

// Gift dialog children.
constexpr int32_t kGiftableId = 207, kAmountId = 208, kRecipientId = 209;
constexpr int32_t kGiftableIconId = 210, kAmountIconId = 211, kSliderId = 212;
constexpr int32_t kGiftableY = 122, kAmountY = 147;
// Name Changer children: the offer id's low and high halves, the name box.
constexpr int32_t kLowHalfId = 9916, kHighHalfId = 9932, kNameBoxId = 301;

constexpr gui::Color kTextColor{180, 180, 180};
constexpr gui::Color kBoxTextColor{220, 220, 220};

// The store dialog that is shown (current) while it exists.
GUI_Dialog* Shown = nullptr;
// The giftable coins when the gift dialog opened: the slider's range and
// the amounts it offers stay those of what the player saw.
uint32_t GiftableAtOpen = 0;

// Over the store, which is set aside until the dialog closes; over any
// other store dialog, which it replaces (the store stays set aside); over
// any other window, which it replaces.
void Show(std::unique_ptr<GUI_Dialog> dialog) {
  GUI_Dialog* raw = dialog.get();
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (Shown == d) Shown = nullptr;
  };
  if (StoreIsCurrent()) {
    gui::StackModalDialog(std::move(dialog));
  } else {
    gui::SetModalDialog(std::move(dialog));
  }
  Shown = raw;
  raw->Place(ClientWidth, ClientHeight);
}

// Destroys the shown dialog; the window set aside under it comes back,
// placed for the screen as it is now, and the store with fresh coin labels.
void CloseShown() {
  if (!StoreDialogIsCurrent()) return;
  GUI_Dialog* back = gui::RestoreSetAsideDialog();
  if (back == nullptr) return;
  back->Place(ClientWidth, ClientHeight);
  if (back == StoreDialog) RefreshCoinLabels();
}

GUI_Label* AddLabel(GUI_Dialog& d, int32_t x, int32_t y, const std::string& text, int32_t id) {
  return d.AddChild(new GUI_Label(x, y, 0, 14, text, id, kTextColor.r, kTextColor.g, kTextColor.b));
}

void AddButton(GUI_Dialog& d, int32_t x, int32_t y, const char* caption, int32_t id, int32_t code) {
  auto* button = d.AddChild(new GUI_Button(x, y, 43, 20, caption, id));
  button->interactive = 1;
  button->SetHandler(&OnStoreCode, code);
}

GUI_TextBox* AddTextBox(GUI_Dialog& d, int32_t x, int32_t y, int32_t w, int32_t id) {
  auto* box = d.AddChild(
      new GUI_TextBox(x, y, w, 16, "", id, kBoxTextColor.r, kBoxTextColor.g, kBoxTextColor.b));
  box->maxLength = 22;
  box->interactive = 1;
  return box;
}

// An amount label with its coin sign just right of the text.
void SetAmount(GUI_Dialog& d, int32_t labelId, int32_t iconId, uint32_t amount) {
  auto* label = dynamic_cast<GUI_Label*>(d.FindChild(labelId));
  GUI_Element* icon = d.FindChild(iconId);
  if (label == nullptr || icon == nullptr) return;
  label->SetText(std::to_string(amount));
  icon->x = label->x + gui::TextWidth(label->font, label->text) + 4;
}

template <typename T>
T* ShownChild(int32_t id) {
  return gui::ChildAs<T>(Shown, id);
}

std::string TextOf(int32_t id) {
  const auto* box = ShownChild<GUI_TextBox>(id);
  return box != nullptr ? box->text : std::string();
}

void OnSliderMoved(int32_t position) {
  if (Shown == nullptr || Shown->FindChild(kSliderId) == nullptr) return;
  SetAmount(*Shown, kAmountId, kAmountIconId,
            GiftAmount(position, GiftableAtOpen, State().packageSize));
}

void OnGift() {
  const auto* slider = ShownChild<GUI_HScrollBar>(kSliderId);
  if (slider == nullptr) return;
  const std::string recipient = TextOf(kRecipientId);
  if (!recipient.empty()) {
    RequestGift(recipient, GiftAmount(slider->position, GiftableAtOpen, State().packageSize));
  }
  CloseShown();
}

void OnNameChange() {
  const auto* low = ShownChild<GUI_ItemViewer>(kLowHalfId);
  const auto* high = ShownChild<GUI_ItemViewer>(kHighHalfId);
  if (low == nullptr || high == nullptr) return;
  const std::string name = TextOf(kNameBoxId);
  if (!name.empty()) {
    const uint32_t offerId =
        static_cast<uint32_t>(low->itemId) | (static_cast<uint32_t>(high->itemId) << 16);
    RequestNameChange(offerId, name);
  }
  CloseShown();
}

std::unique_ptr<GUI_Dialog> BuildGiftDialog(uint32_t giftable, uint16_t packageSize) {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, 270, 234, "Gift Ardun Coins", kGiftPlacement);
  GUI_Dialog& d = *dialog;
  static constexpr const char* kLines[] = {"Please select the amount of Ardun",
                                           "Coins you like to gift and enter the",
                                           "name of the character that should",
                                           "receive the Ardun Coins.",
                                           "Recipient:",
                                           "Giftable Ardun Coins:",
                                           "Amount to gift:"};
  static constexpr int32_t kLineY[] = {30, 44, 58, 72, 97, kGiftableY, kAmountY};
  for (int32_t i = 0; i < 7; ++i) AddLabel(d, 16, kLineY[i], kLines[i], 200 + i);
  AddLabel(d, 134, kGiftableY, "", kGiftableId);
  AddLabel(d, 107, kAmountY, "", kAmountId);
  for (const int32_t id : {kGiftableIconId, kAmountIconId}) {
    const int32_t y = id == kGiftableIconId ? kGiftableY : kAmountY;
    d.AddChild(new GUI_StaticImage(0, y, kCoinIconSize, kCoinIconSize, 4, kCoinIconSrcX,
                                   kCoinIconSrcY, id));
  }
  SetAmount(d, kGiftableId, kGiftableIconId, giftable);
  SetAmount(d, kAmountId, kAmountIconId, GiftAmount(0, giftable, packageSize));

  auto* slider = d.AddChild(
      new GUI_HScrollBar(16, 170, 244, 12, GiftSliderMaximum(giftable, packageSize), 0, kSliderId));
  slider->interactive = 1;
  slider->SetHandler(&OnStoreCode, kSliderCode);
  d.AddChild(new GUI_Separator(13, 194, 244, 2, 0));
  AddButton(d, 214, 204, "Cancel", gui::ids::kCancelButton, kGiftCancelCode);
  AddButton(d, 161, 204, "Gift", gui::ids::kDefaultButton, kGiftCode);
  // Typing goes to the recipient.
  d.SetFocus(AddTextBox(d, 110, 93, 150, kRecipientId));
  return dialog;
}

std::unique_ptr<GUI_Dialog> BuildNameChanger(uint32_t offerId) {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, 277, 130, "Name Changer", kNamePlacement);
  GUI_Dialog& d = *dialog;
  for (const auto& [id, half] :
       {std::pair{kLowHalfId, offerId & 0xFFFFu}, std::pair{kHighHalfId, offerId >> 16}}) {
    auto* viewer = d.AddChild(new GUI_ItemViewer(0, 0, 0, 0, static_cast<uint16_t>(half), id));
    viewer->visible = 0;
  }
  AddLabel(d, 16, 30, "Please select new name for your character.", 300);
  d.AddChild(new GUI_Separator(13, 90, 251, 2, 0));
  AddButton(d, 221, 100, "Cancel", gui::ids::kCancelButton, kNameCancelCode);
  AddButton(d, 168, 100, "Change", gui::ids::kDefaultButton, kNameChangeCode);
  d.SetFocus(AddTextBox(d, 16, 52, 249, kNameBoxId));
  return dialog;
}

}  // namespace

void ShowMessageBox(uint8_t type, const std::string& message) {
  std::unique_ptr<GUI_Dialog> box = gui::BuildMessageDialog(
      MessageBoxTitle(type), message, kMessagePlacement, &OnStoreCode, kMessageOkCode);
  // The store's boxes stand their "Ok" (both of them) 20 pixels left of the
  // text's right edge, W - 20 with W = width - 36; the box is still at 0, 0.
  for (const int32_t id : {gui::ids::kDefaultButton, gui::ids::kCancelButton}) {
    if (GUI_Element* ok = box->FindChild(id)) ok->x = box->w - 36 - 20;
  }
  Show(std::move(box));
}

void OpenGiftDialog() {
  const uint16_t packageSize = State().packageSize;
  const uint32_t transferable = CoinBalanceB();
  if (!CanGift(transferable, packageSize)) {
    ShowMessageBox(3, "You don't have enough coins to gift.");
    return;
  }
  GiftableAtOpen = GiftableCoins(transferable, packageSize);
  Show(BuildGiftDialog(GiftableAtOpen, packageSize));
}

void OpenNameChanger(uint32_t offerId) { Show(BuildNameChanger(offerId)); }

void OnDialogCode(int32_t code, int32_t value) {
  // A late event of a dialog that is gone, or of another store dialog,
  // finds nothing to act on: each code belongs to one kind of dialog.
  if (!StoreDialogIsCurrent()) return;
  const int32_t kind = Shown->kind;
  switch (code) {
    case kSliderCode:
      if (kind == kGiftPlacement) OnSliderMoved(value);
      break;
    case kMessageOkCode:
      if (kind == kMessagePlacement) CloseShown();
      break;
    case kGiftCancelCode:
      if (kind == kGiftPlacement) CloseShown();
      break;
    case kGiftCode:
      if (kind == kGiftPlacement) OnGift();
      break;
    case kNameCancelCode:
      if (kind == kNamePlacement) CloseShown();
      break;
    case kNameChangeCode:
      if (kind == kNamePlacement) OnNameChange();
      break;
    default: break;
  }
}

bool StoreDialogIsCurrent() { return Shown != nullptr && gui::ModalDialog() == Shown; }

}  // namespace store
