// Which keys and buttons may log in: Enter only on the login screen's own
// dialogs, and no login action at all while the character is in the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "enhancements/exit_warning.h"
#include "gui/window_sets.h"
#include "host/host_functions.h"
#include "login/account_list.h"
#include "login/button_actions.h"
#include "login/login_dialogs.h"
#include "login/login_pending.h"
#include "sim/simulator.h"

namespace {

constexpr uint32_t kWmKeyDown = 0x0100, kWmSysCommand = 0x0112;
constexpr uintptr_t kVkReturn = 0x0D, kScClose = 0xF060;
constexpr int32_t kUntouchedDialogState = 7;

const std::vector<std::string> kLoggedIn{"HostLogin(\"alice\", \"pw1\")",
                                         "HostGuiCommand(75, 0, 0)", "HostGuiCommand(3, 0, 0)"};

// Each case starts a fresh simulator on the login screen as at a start with
// "Saved Accounts" open: its list holds one account, selected.
class LoginActions : public ::testing::Test {
 protected:
  void TearDown() override { End(); }

  sim::Simulator& Begin() {
    End();
    sim = std::make_unique<sim::Simulator>();
    sim::Simulator& simulator = *sim;
    simulator.SetScreen(1024, 768);
    simulator.Start();
    gui::DestroyWindowList();
    login::ForgetAccountsForTests();
    const std::filesystem::path folder = simulator.folders().user + "/Quorlan";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Chars.acc", std::ios::binary) << "alice\npw1\n";
    login::CreateLoginDialog();
    login::OpenSavedAccounts();
    HostDialogState() = kUntouchedDialogState;
    return simulator;
  }
  void End() {
    if (sim == nullptr) return;
    login::RestoreLoginDialog();  // a login handed over stays pending otherwise
    gui::DestroyModalDialog();
    gui::DestroySetAsideDialog();
    gui::DestroyWindowList();
    login::ForgetAccountsForTests();
    sim.reset();
  }
  void SetGameState(int32_t state) {
    sim->SetGameState(state);
    sim->Frame();
  }
  // The host calls made since the last look, queued button events included.
  std::vector<std::string> TakeHostCalls() {
    sim->Frame();
    return std::exchange(sim->Host().HostCalls(), {});
  }

  std::unique_ptr<sim::Simulator> sim;
};

enum class Warning { None, ByClosing, Opened };
enum class Trigger { EnterKey, EnterGameButton, LoginButton, ListDoubleClick };

struct Case {
  const char* name;
  int32_t gameState;
  Warning warning;
  Trigger trigger;
  bool logsIn;
};

TEST_F(LoginActions, EnterLogsInOnlyOnALoginDialogAndNothingLogsInInTheGame) {
  const Case cases[] = {
      {"Enter on the login screen", 0, Warning::None, Trigger::EnterKey, true},
      {"Login button on the login screen", 0, Warning::None, Trigger::LoginButton, true},
      // The warning is not a login dialog, whatever the list behind it holds.
      {"Enter on the warning outside the game", 0, Warning::Opened, Trigger::EnterKey, false},
      {"Enter on the warning in the game", 8, Warning::ByClosing, Trigger::EnterKey, false},
      {"Enter Game button in the game", 8, Warning::None, Trigger::EnterGameButton, false},
      {"Login button in the game", 8, Warning::None, Trigger::LoginButton, false},
      {"double click in the list in the game", 8, Warning::None, Trigger::ListDoubleClick, false},
  };
  for (const Case& c : cases) {
    sim::Simulator& simulator = Begin();
    SetGameState(c.gameState);
    if (c.warning == Warning::ByClosing) simulator.SendToMainWindow(kWmSysCommand, kScClose, 0);
    if (c.warning == Warning::Opened) enhancements::OpenExitWarning();
    TakeHostCalls();
    switch (c.trigger) {
      case Trigger::EnterKey: simulator.SendToMainWindow(kWmKeyDown, kVkReturn, 1); break;
      case Trigger::EnterGameButton: login::OnButtonAction(login::kEnterGame, 1); break;
      case Trigger::LoginButton: login::OnButtonAction(login::kLoginSelected, 1); break;
      case Trigger::ListDoubleClick: login::OnButtonAction(login::kActivateSelected, 1); break;
    }
    const std::vector<std::string> calls = TakeHostCalls();
    if (c.logsIn) {
      EXPECT_EQ(calls, kLoggedIn) << c.name;
      EXPECT_EQ(HostDialogState(), 0) << c.name;
      continue;
    }
    EXPECT_EQ(calls, std::vector<std::string>{}) << c.name;
    EXPECT_FALSE(login::LoginPending()) << c.name;
    // A drawn modal dialog holds the host's dialog state at 0 by itself.
    if (c.warning == Warning::None) {
      EXPECT_EQ(HostDialogState(), kUntouchedDialogState) << c.name;
    } else {
      EXPECT_NE(enhancements::ExitWarningDialog, nullptr) << c.name << ": the warning stays";
    }
  }
}

}  // namespace
