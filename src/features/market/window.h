// The "Market" window: building it, its views, what its children show and
// the handler of every market control.
#pragma once

#include <cstdint>

class GUI_Dialog;

namespace market {

// The window while it exists; null once destroyed.
extern GUI_Dialog* MarketDialog;
bool MarketIsCurrent();

// Message 246, after the gold balance and the depot were replaced: the
// window opens (on the offers view, nothing selected) unless it is open, and
// shows the balances.
void OnMarketEntered();
// Message 247: the window is destroyed.
void OnMarketLeft();
// Message 248, after the state's details were replaced: the panes show them
// when they are the selected item's.
void OnDetailsReplaced();
// Message 249, after the state's lists for `request` were replaced: the
// tables that show them start without a selection.
void OnOffersReplaced(uint16_t request);
// The balances changed (223, 242, 251, 238): the gold and coin labels, and
// the amount a buy offer may hold.
void RefreshBalances();

// Leaving the game: no market window is left.
void DestroyEverywhere();

}  // namespace market
