// Offering an event to the library's window sets in the window procedure's
// fixed order: the singleton feature windows (input order), then the modal
// dialog, then the login dialog list.
#pragma once

#include <cstdint>

#include "gui/window_sets.h"

class GUI_Dialog;
class GUI_Window;

namespace input {

// The first existing, open singleton (input order) for which `offer` answers
// true, or none.
template <typename Offer>
GUI_Window* OfferToSingletons(Offer offer) {
  for (gui::Singleton which : gui::kSingletonInputOrder) {
    GUI_Window* window = gui::SingletonWindow(which);
    if (window != nullptr && window->open && offer(window)) return window;
  }
  return nullptr;
}

// Calls `give` for every dialog of the login list (an index walk: a dialog
// may open or close others while it handles the event). With `onlyOpen`,
// closed dialogs are skipped.
template <typename Give>
void GiveToWindowList(Give give, bool onlyOpen) {
  auto& list = gui::WindowList();
  for (size_t i = 0; i < list.size(); ++i) {
    GUI_Dialog* dialog = list[i].get();
    if (onlyOpen && !dialog->open) continue;
    give(dialog);
  }
}

// The first dialog of the login list containing the point (inclusive).
GUI_Dialog* WindowListDialogAt(int32_t x, int32_t y);

}  // namespace input
