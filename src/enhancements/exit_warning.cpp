#include "enhancements/exit_warning.h"

#include <memory>

#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "host/host_functions.h"
#include "platform/platform.h"

namespace enhancements {

GUI_Dialog* ExitWarningDialog = nullptr;

namespace {

// Centred on the screen, as the toolkit's message boxes. Never a login
// screen kind: Enter on a kind-0 dialog is the login dialog's Enter and
// would log in with the saved account chosen behind the warning.
constexpr int32_t kPlacement = 11;
constexpr int32_t kWidth = 600;
constexpr int32_t kHeight = 120;
constexpr int32_t kButtonWidth = 58;
constexpr int32_t kButtonHeight = 20;
constexpr const char* kLines[] = {
    "If you shut down the program, your character might stay in the game.",
    "Click on \"Logout\" to ensure that your character leaves the game properly.",
    "Click on \"Exit\" if you want to exit the program without logging out your character.",
};

void SendLogoutIntent(uint8_t leaving) {
  HostPacketBegin(0x5B);
  HostPacketAddU8(leaving);
  HostPacketSend(1);
}

// Closing the warning brings back the dialog it had set aside.
void CloseWarning() {
  if (gui::ModalDialog() == ExitWarningDialog && ExitWarningDialog != nullptr) {
    gui::RestoreSetAsideDialog();
    if (GUI_Dialog* restored = gui::ModalDialog()) restored->Place(ClientWidth, ClientHeight);
  }
}

std::unique_ptr<GUI_Dialog> BuildWarning() {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Warning", kPlacement);
  int32_t y = 26;
  for (const char* line : kLines) {
    dialog->AddChild(new GUI_Label(12, y, kWidth - 24, 14, line, 0, 220, 220, 220));
    y += 16;
  }
  struct ButtonSpec {
    const char* caption;
    int32_t command;
    int32_t id;
  };
  const ButtonSpec buttons[] = {{"Exit", kExitCommand, 0},
                                {"Logout", kLogoutCommand, 0},
                                {"Cancel", kCancelCommand, 2001}};  // Escape cancels
  int32_t x = kWidth - 3 * (kButtonWidth + 8) - 4;
  for (const ButtonSpec& spec : buttons) {
    auto* button = new GUI_Button(x, kHeight - kButtonHeight - 10, kButtonWidth, kButtonHeight,
                                  spec.caption, spec.id);
    button->interactive = 1;
    button->SetHandler(&OnExitWarningCommand, spec.command);
    dialog->AddChild(button);
    x += kButtonWidth + 8;
  }
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (ExitWarningDialog == d) ExitWarningDialog = nullptr;
  };
  return dialog;
}

}  // namespace

void OpenExitWarning() {
  std::unique_ptr<GUI_Dialog> dialog = BuildWarning();
  GUI_Dialog* raw = dialog.get();
  if (ExitWarningDialog != nullptr && ExitWarningDialog == gui::ModalDialog()) {
    // Closing again while the warning is up: the new warning takes the old
    // one's place, and the dialog it had set aside stays set aside, so
    // there is one warning and closing it brings that dialog back.
    gui::SetModalDialog(std::move(dialog));
  } else {
    if (ExitWarningDialog != nullptr && gui::SetAsideDialog() == ExitWarningDialog) {
      gui::DestroySetAsideDialog();
    }
    gui::StackModalDialog(std::move(dialog));
  }
  ExitWarningDialog = raw;
  raw->Place(ClientWidth, ClientHeight);
}

void OnExitWarningCommand(int32_t code, int32_t value) {
  switch (code) {
    case kExitCommand:
      SendLogoutIntent(1);
      platform::Get().ExitProcess(0);
      break;
    case kLogoutCommand:
      CloseWarning();
      HostPacketBegin(0x14);
      HostPacketSend(1);
      break;
    case kCancelCommand:
      SendLogoutIntent(0);
      CloseWarning();
      break;
    default:
      break;
  }
}

}  // namespace enhancements
