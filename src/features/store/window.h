// The "Store" window: building it, what its children show, the handler of
// every store control and the store's place in the modal slot.
#pragma once

#include <cstdint>

class GUI_Dialog;

namespace store {

// The window while it exists, current or set aside; null once destroyed.
extern GUI_Dialog* StoreDialog;
bool StoreIsCurrent();

// Message 251, after the state took its values: the window opens unless it
// is current, the category list is filled (with pictures) and the offers of
// the selected category are asked for.
void OnStoreData();
// Message 252, after the state's offers were replaced: a current window
// shows them all, with pictures, and the first one's details.
void OnOffersReplaced();
// Message 253, after the state's history page was replaced.
void OnHistoryReplaced();
// Coin balances changed (223, 242, 251, 254): the balance labels and what
// depends on the balance.
void RefreshCoinLabels();

// The handler of every store window, dialog and image worker.
void OnStoreCode(int32_t code, int32_t value);

// Leaving the game: no store window or store dialog is left anywhere.
void DestroyEverywhere();

}  // namespace store
