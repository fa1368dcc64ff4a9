// libFuzzer target: server messages through the host's parsing loop.
//
// An input is several messages (message_framing.h). Each goes through
// Simulator::ServerMessage of a started simulated host in the game (state 8)
// with the feature windows open, so whatever opcode a feature registers with
// the dispatcher is parsed by its real handler behind the patched call site
// and refreshes real windows; a frame then draws them. While a message is
// parsed, the bytes of its buffer after its end are poisoned, so
// AddressSanitizer reports a handler that reads past its message. Leaving
// the game afterwards resets the per-game state and closes the windows, so
// every input starts from the same screen.
#include <sanitizer/asan_interface.h>

#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "message_framing.h"
#include "host/host_functions.h"
#include "host/host_memory.h"
#include "sim/scenario/screen_queries.h"
#include "sim/simulator.h"

namespace {

constexpr int32_t kInGame = 8;
constexpr int32_t kLoggedOut = 0;
constexpr uint32_t kWmLButtonDown = 0x201, kWmLButtonUp = 0x202;

// How the windows that show what messages carry are opened, as a player
// opens them: a side-panel command, then buttons by their text.
struct Opening {
  uint32_t panelCommand;
  std::vector<std::string> buttons;
};
const Opening kOpenings[] = {
    {1004, {"Exp Tracker", "Drop Tracker", "Kill Tracker"}},  // the analyzer
    {1006, {}},                                               // the prey tracker
    {1015, {}},                                               // the imbuement tracker
    {1018, {}},                                               // the bestiary tracker
};

// The current dialog is one at a time: inputs take turns at which is open,
// so every dialog's refreshes meet the messages.
const Opening kDialogOpenings[] = {
    {1013, {}},  // the forge, on Transfer
    {1017, {}},  // the cyclopedia, on its Bestiary page
    {1014, {}},  // the hotkey options, while 159 switches presets
};

// Inputs after which a new simulated host is made: its recorded calls and
// the protections it remembers only grow.
constexpr int kInputsPerHost = 2000;

class Session {
 public:
  Session() {
    simulator_.SetScreen(1024, 768);
    simulator_.Start();
    simulator_.Host().onMessageSet = [this](uint32_t buffer, uint32_t length, uint32_t capacity) {
      poisoned_ = static_cast<uint8_t*>(host::Pointer(buffer)) + length;
      poisonedSize_ = capacity - length;
      ASAN_POISON_MEMORY_REGION(poisoned_, poisonedSize_);
    };
  }

  void Run(const std::vector<std::vector<uint8_t>>& messages) {
    simulator_.SetGameState(kInGame);
    simulator_.Frame();
    OpenWindows();
    Open(kDialogOpenings[runs_++ % std::size(kDialogOpenings)]);
    for (const std::vector<uint8_t>& message : messages) {
      simulator_.ServerMessage(message);
      Unpoison();
    }
    // The workers the messages started (the store's pictures) end and hand
    // their reports to the main thread within this input.
    simulator_.WaitForWorkers();
    simulator_.Frame();
    simulator_.SetGameState(kLoggedOut);
    simulator_.Frame();
    Forget();
  }

 private:
  void OpenWindows() {
    for (const Opening& opening : kOpenings) Open(opening);
  }

  void Open(const Opening& opening) {
    simulator_.Host().ExecutePointer(sim::site::kPanelCommandSlot, {opening.panelCommand});
    simulator_.Frame();
    for (const std::string& button : opening.buttons) {
      const auto seen = sim::scenario::FindText(simulator_.Host().Draws(), button, 1);
      if (!seen) continue;
      const auto point = static_cast<intptr_t>((static_cast<uint32_t>(seen->centerY) << 16) |
                                               (static_cast<uint32_t>(seen->centerX) & 0xFFFF));
      simulator_.SendToMainWindow(kWmLButtonDown, 0, point);
      simulator_.SendToMainWindow(kWmLButtonUp, 0, point);
      simulator_.Frame(2);  // a button's code runs on the next tick
    }
  }

  void Unpoison() {
    if (poisoned_ != nullptr) ASAN_UNPOISON_MEMORY_REGION(poisoned_, poisonedSize_);
    poisoned_ = nullptr;
  }

  void Forget() {
    simulator_.Host().Sent().clear();
    simulator_.Host().HostCalls().clear();
    simulator_.Os().ClearProtectCalls();
    simulator_.Os().TakeDebugOutput();
  }

  sim::Simulator simulator_;
  size_t runs_ = 0;
  uint8_t* poisoned_ = nullptr;
  uint32_t poisonedSize_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::unique_ptr<Session> session;
  static int inputs = 0;
  if (inputs++ % kInputsPerHost == 0) {
    session.reset();  // one simulated host at a time: it owns the address space
    session = std::make_unique<Session>();
  }
  session->Run(fuzz::SplitMessages(data, size));
  return 0;
}
