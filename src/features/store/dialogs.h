// The store's dialogs in the modal slot: the message box, the gift dialog
// and the Name Changer. Each is shown over the store, which is set aside
// and comes back, placed again and with fresh coin labels, when the dialog
// closes.
#pragma once

#include <cstdint>
#include <string>

namespace store {

// A message box titled by `type` (store::MessageBoxTitle), one line per
// "\n" of `message`, and "Ok".
void ShowMessageBox(uint8_t type, const std::string& message);
// The gift dialog, when at least one package of coins can be gifted;
// otherwise the message box that says so.
void OpenGiftDialog();
// The Name Changer for that offer.
void OpenNameChanger(uint32_t offerId);

// The dialogs' codes: 212 (slider), 1005 (message box "Ok"), 2000 / 2001
// (gift "Cancel" / "Gift"), 3000 / 3001 (Name Changer "Cancel" / "Change").
void OnDialogCode(int32_t code, int32_t value);
// Whether a store dialog is the current window.
bool StoreDialogIsCurrent();

}  // namespace store
