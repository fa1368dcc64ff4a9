// libFuzzer target: server messages through the host's parsing loop.
//
// An input is several messages (message_framing.h). Each goes through
// Simulator::ServerMessage of a started simulated host in the game (state 8)
// with the feature windows open, so whatever opcode a feature registers with
// the dispatcher is parsed by its real handler behind the patched call site
// and refreshes real windows; a frame then draws them. While a message is
// parsed, the bytes of its buffer after its end are poisoned, so
// AddressSanitizer reports a handler that reads past its message.
//
// The host is started once per process, not per input: starting it is
// most of an input's cost. Leaving the game after each input resets the
// per-game state and closes the windows, so every input starts from the
// same screen, and which dialog is open is taken from the input itself, so
// an input found here does what it did when replayed alone. With
// QUORLAN_FUZZ_REPLAY=1 in the environment the target checks that: each
// input runs, then the input before it, then it again, and its two records
// (requests sent, host calls, the last frame in the game) must be equal.
#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/host_functions.h"
#include "host/host_memory.h"
#include "message_framing.h"
#include "sim/address_space.h"
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

// The current dialog is one at a time: the input's bytes choose which is
// open, so every dialog's refreshes meet the messages, and an input always
// meets the same one.
const Opening kDialogOpenings[] = {
    {1013, {}},  // the forge, on Transfer
    {1017, {}},  // the cyclopedia, on its Bestiary page
    {1014, {}},  // the hotkey options, while 159 switches presets
};

// Host memory is never freed; a new host is made while this much is left,
// far more than one input can take.
constexpr uint32_t kHostHeapReserve = 16u << 20;

const Opening& DialogFor(const std::vector<std::vector<uint8_t>>& messages) {
  uint32_t sum = 0;
  for (const auto& message : messages) {
    for (const uint8_t byte : message) sum += byte;
  }
  return kDialogOpenings[sum % std::size(kDialogOpenings)];
}

// What an input made the library do, as a scenario's record sees it.
struct Record {
  std::vector<sim::Packet> sent;
  std::vector<std::string> hostCalls;
  std::vector<std::string> lastFrame;  // what it shows (Seen)

  bool operator==(const Record&) const = default;
};

// The first entry in which two lists differ, for the report.
std::string FirstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string left = i < a.size() ? a[i] : "(none)";
    const std::string right = i < b.size() ? b[i] : "(none)";
    if (left != right) return "#" + std::to_string(i) + ": " + left + " | then: " + right;
  }
  return "none";
}

std::string Describe(const sim::DrawCall& draw) {
  std::string text = draw.name;
  for (const int32_t arg : draw.args) text += " " + std::to_string(arg);
  return text + " \"" + draw.text + "\"";
}

// The frame as the player sees it. The host's side panel outlives the
// games: a button the library adds (a new blessings indicator per status)
// stays its child, drawn under the newer one at its place, so of the
// host's buttons only the topmost at each place counts.
std::vector<std::string> Seen(const std::vector<sim::DrawCall>& draws) {
  std::vector<std::string> seen;
  std::map<std::pair<int32_t, int32_t>, std::string> topButtons;
  for (const sim::DrawCall& draw : draws) {
    if (draw.name == "HostButton" && draw.args.size() >= 2) {
      topButtons[{draw.args[0], draw.args[1]}] = Describe(draw);
    } else {
      seen.push_back(Describe(draw));
    }
  }
  for (const auto& [place, button] : topButtons) seen.push_back(button);
  return seen;
}

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

  // Runs one input; with `record`, keeps what it made the library do.
  void Run(const std::vector<std::vector<uint8_t>>& messages, Record* record = nullptr) {
    simulator_.SetGameState(kInGame);
    simulator_.Frame();
    OpenWindows(DialogFor(messages));
    for (const std::vector<uint8_t>& message : messages) {
      simulator_.ServerMessage(message);
      Unpoison();
    }
    // The workers the messages started (the store's pictures) end and hand
    // their reports to the main thread within this input.
    simulator_.WaitForWorkers();
    simulator_.Frame();
    if (record != nullptr) {
      *record = {simulator_.Host().Sent(), simulator_.Host().HostCalls(),
                 Seen(simulator_.Host().Draws())};
    }
    simulator_.SetGameState(kLoggedOut);
    simulator_.Frame();
    // The fetch that leaving the game starts ends within this input too.
    simulator_.WaitForWorkers();
    simulator_.Frame();
    Forget();
  }

 private:
  // The windows first, then their buttons, all clicked on the one frame
  // that shows them (each click's code runs on the next tick), then the
  // dialog: as few frames as opening them takes.
  void OpenWindows(const Opening& dialog) {
    for (const Opening& opening : kOpenings) PanelCommand(opening.panelCommand);
    simulator_.Frame();
    const std::vector<sim::DrawCall> shown = simulator_.Host().Draws();
    for (const Opening& opening : kOpenings) {
      for (const std::string& button : opening.buttons) Click(shown, button);
    }
    simulator_.Frame(2);
    PanelCommand(dialog.panelCommand);
    simulator_.Frame();
  }

  void PanelCommand(uint32_t command) {
    simulator_.Host().ExecutePointer(sim::site::kPanelCommandSlot, {command});
  }

  void Click(const std::vector<sim::DrawCall>& shown, const std::string& button) {
    const auto seen = sim::scenario::FindText(shown, button, 1);
    if (!seen) return;
    const auto point = static_cast<intptr_t>((static_cast<uint32_t>(seen->centerY) << 16) |
                                             (static_cast<uint32_t>(seen->centerX) & 0xFFFF));
    simulator_.SendToMainWindow(kWmLButtonDown, 0, point);
    simulator_.SendToMainWindow(kWmLButtonUp, 0, point);
  }

  void Unpoison() {
    if (poisoned_ != nullptr) ASAN_UNPOISON_MEMORY_REGION(poisoned_, poisonedSize_);
    poisoned_ = nullptr;
  }

  // What the host recorded only grows; nothing of it feeds back into the
  // library, and the next input's record starts empty.
  void Forget() {
    simulator_.Host().Sent().clear();
    simulator_.Host().HostCalls().clear();
    simulator_.Host().Draws().clear();
    simulator_.Os().ClearProtectCalls();
    simulator_.Os().TakeDebugOutput();
    simulator_.Os().MessageBoxes().clear();
    simulator_.Os().OpenedPages().clear();
    simulator_.Os().ClearUrlsOpened();
    simulator_.Os().SyntheticKeys().clear();
    simulator_.PassedMessages().clear();
    simulator_.HostWindowMessages().clear();
    simulator_.ChildWindowMessages().clear();
    simulator_.HostCharacters().clear();
  }

  sim::Simulator simulator_;
  uint8_t* poisoned_ = nullptr;
  uint32_t poisonedSize_ = 0;
};

Session& CurrentSession() {
  static std::unique_ptr<Session> session;
  if (session == nullptr || sim::AddressSpace::HeapLeft() < kHostHeapReserve) {
    session.reset();  // one simulated host at a time: it owns the address space
    session = std::make_unique<Session>();
  }
  return *session;
}

bool ReplayChecked() {
  static const bool checked = [] {
    const char* value = std::getenv("QUORLAN_FUZZ_REPLAY");
    return value != nullptr && std::string(value) == "1";
  }();
  return checked;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::vector<uint8_t>> messages = fuzz::SplitMessages(data, size);
  if (!ReplayChecked()) {
    CurrentSession().Run(messages);
    return 0;
  }
  static std::vector<std::vector<uint8_t>> previous;
  Record first, again;
  CurrentSession().Run(messages, &first);
  if (!previous.empty()) CurrentSession().Run(previous);
  CurrentSession().Run(messages, &again);
  if (again != first) {
    std::fprintf(stderr,
                 "server_message_fuzz: the input did otherwise after another one\n"
                 "  requests sent: %zu, then %zu\n  host calls: %s\n  last frame: %s\n",
                 first.sent.size(), again.sent.size(),
                 FirstDifference(first.hostCalls, again.hostCalls).c_str(),
                 FirstDifference(first.lastFrame, again.lastFrame).c_str());
    std::abort();
  }
  previous = messages;
  return 0;
}
