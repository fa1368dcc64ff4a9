// The simulated host client. It owns the emulated address space, the host
// functions and the operating system, lays out the host code the patch
// table expects to find, and runs the host's loops: start-up, main-loop
// passes (frame tick and frame draw) and the parsing of server messages.
// The library is reached only through what the patch table wrote.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sim/host_interface.h"
#include "sim/sim_host.h"
#include "sim/library_link.h"
#include "sim/os/sim_os.h"

namespace sim {

// Host code locations the simulated host executes.
namespace site {
inline constexpr uint32_t kOpcodeRead = 0x45C3A5;     // next opcode in the parse loop
inline constexpr uint32_t kMainLoopTick = 0x45A18D;   // once per main-loop pass
inline constexpr uint32_t kFrameDraw = 0x4D3AC8;      // the renderer's frame call
inline constexpr uint32_t kFormattedPrint = 0x55A147; // the experience text
inline constexpr uint32_t kCreateWindowSlot = 0x5B8574;
inline constexpr uint32_t kClockSlot = 0x5B85A0;
inline constexpr uint32_t kMenuCommandSlot = 0x5BD9C0;
inline constexpr uint32_t kPanelCommandSlot = 0x5C98D0;
inline constexpr uint32_t kMainWindowClass = 0x5CD9E8;
inline constexpr uint32_t kLoadGate = 0x458845;  // before the host loads its data files
inline constexpr uint32_t kLayoutBlockPointer = 0x79CDE4;
// A byte of the simulated host: the container slot its store inbox opens in
// (what host function 0x4CA7A0 answers).
inline constexpr uint32_t kInboxContainerVariable = 0x7F0000;
}  // namespace site

// Writes a CALL from `site` to `target` into host code, as the host's own
// code stands before the library patches it.
void WriteCall(uint32_t site, uint32_t target);

struct Folders {
  std::string user, data, appdata;
};

class Simulator {
 public:
  // A fresh host: cleared memory, original host code, empty folders under
  // `root` (a temporary folder when empty).
  explicit Simulator(const std::string& root = "");
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // Setup.
  void SetScreen(int width, int height);
  // Process attach of the library, then the host creates its main window
  // through its CreateWindowExA import slot.
  void Start();
  bool Started() const { return started_; }
  void SetGameState(int32_t state);
  // The host reaches the call before it loads its data files (the load
  // gate), as the real client does once it is ready to load them.
  void ReachLoadGate();

  // One main-loop pass: the frame tick, then the frame draw.
  void Frame(int count = 1);
  // One incoming message through the host's parsing loop; returns the
  // opcodes that reached the host's own parser, in order.
  std::vector<int> ServerMessage(const std::vector<uint8_t>& bytes);
  const std::vector<int>& LastHostOpcodes() const { return lastHostOpcodes_; }
  // Waits (real time, at most `timeoutMs`) until every thread the library
  // started has ended. Returns whether they all did.
  bool WaitForWorkers(int timeoutMs = 10000, int remaining = 0);
  // The same, with the number allowed to go on running asked again and again.
  bool WaitForWorkers(int timeoutMs, const std::function<int()>& remaining);

  SimHost& Host() { return *host_; }
  HostInterface& Interface() { return *interface_; }
  sim::Os& Os() { return *os_; }
  LibraryLink& Library() { return *library_; }
  const Folders& folders() const { return folders_; }
  uintptr_t MainWindowHandle() const { return mainWindow_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Sends a window message to the main window as the real window would
  // receive it (through whatever procedure it has now). Messages that reach
  // the host's own procedure this way are recorded in PassedMessages.
  intptr_t SendToMainWindow(uint32_t message, uintptr_t wParam, intptr_t lParam);
  // Window messages sent by SendToMainWindow that reached the host's own
  // window procedure.
  std::vector<uint32_t>& PassedMessages() { return passedMessages_; }
  // The characters that reached the host's own character handler.
  std::string& HostCharacters() { return hostCharacters_; }
  // Every message that reached the host's own main-window procedure,
  // including those the library sent itself (key repeats).
  std::vector<uint32_t>& HostWindowMessages() { return hostWindowMessages_; }
  // Called after each main-loop pass with the draw calls of that pass (the
  // scenario's record writes them).
  std::function<void(const std::vector<DrawCall>&)> afterFrame;
  // Messages that reached the host's own procedure of its other windows
  // (the login child window), as (window, message).
  std::vector<std::pair<uintptr_t, uint32_t>>& ChildWindowMessages() {
    return childWindowMessages_;
  }

 private:
  void LayOutHostCode();
  void DeliverPostedMessages();
  intptr_t HostWindowProcedure(uintptr_t window, uint32_t message, uintptr_t wParam,
                               intptr_t lParam);

  std::unique_ptr<sim::Os> os_;
  std::unique_ptr<SimHost> host_;
  std::unique_ptr<HostInterface> interface_;
  std::unique_ptr<LibraryLink> library_;
  Folders folders_;
  std::string root_;
  bool ownsRoot_ = false;
  bool started_ = false;
  int width_ = 800, height_ = 600;
  uintptr_t mainWindow_ = 0;
  uintptr_t nextWindow_ = 0x10010;
  std::vector<int> lastHostOpcodes_;
  std::vector<uint32_t> passedMessages_;
  std::vector<uint32_t> hostWindowMessages_;
  std::vector<std::pair<uintptr_t, uint32_t>> childWindowMessages_;
  bool sendingInput_ = false;
  std::string hostCharacters_;
};

}  // namespace sim
