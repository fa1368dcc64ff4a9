#include "web/status_window.h"

#include <cstdint>
#include <memory>

#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/window_sets.h"
#include "web/status_bar.h"

namespace web {

GUI_Dialog* CreateServerStatusWindow() {
  static GUI_Dialog* window = nullptr;
  if (window != nullptr) return window;
  auto dialog = std::make_unique<GUI_Dialog>((ClientWidth - 800) / 2, 0, 800, 30, "Server Status",
                                             GUI_Dialog::kTopCentered);
  dialog->AddChild(new GUI_TopStatusBar(4, 6, 792, 22, kStatusBarId));
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (window == d) window = nullptr;
  };
  window = gui::AppendToWindowList(std::move(dialog));
  return window;
}

}  // namespace web
