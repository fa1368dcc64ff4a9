#include "sim/simulator.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>
#include <utility>

#include "host/host_functions.h"
#include "sim/address_space.h"
#include "sim/appearance_host.h"

namespace sim {
namespace {

constexpr char kMainWindowClassName[] = "QuorlanHostWindow";

// Host functions of the simulated image that stand behind the call sites
// the library patches (their original targets).
constexpr uint32_t kHostMainLoopWork = 0x45A000;
constexpr uint32_t kHostFrameCall = 0x4D3000;
constexpr uint32_t kHostFormattedPrint = 0x571000;
constexpr uint32_t kHostSpriteDrawA = 0x4AE000;
constexpr uint32_t kHostSpriteDrawB = 0x4AE100;
constexpr uint32_t kHostSpriteDrawC = 0x4AE200;
constexpr uint32_t kImportCreateWindow = 0x5FF000;
constexpr uint32_t kHostClock = 0x5FF010;
constexpr uint32_t kHostCharacterHandler = 0x458200;
constexpr uint32_t kLayoutBlockSize = 8192;
// The host's own loading before its data files, the call at the load gate.
constexpr uint32_t kHostLoadSequence = 0x458000;
// The host's folder buffers (MAX_PATH bytes each).
constexpr size_t kHostFolderCapacity = 260;

std::string MakeRoot() {
  char pattern[] = "/tmp/quorlan-sim-XXXXXX";
  const char* made = ::mkdtemp(pattern);
  if (made == nullptr) throw SimError("cannot create a folder for the simulator");
  return made;
}

const char* HostText(uint32_t address) {
  return static_cast<const char*>(host::Pointer(address));
}

}  // namespace

constexpr int32_t kInGameState = 8;

void WriteCall(uint32_t site, uint32_t target) {
  host::Write<uint8_t>(site, 0xE8);
  host::Write<uint32_t>(site + 1, target - (site + 5));
}

Simulator::Simulator(const std::string& root) {
  AddressSpace::Reset();
  os_ = std::make_unique<sim::Os>();
  host_ = std::make_unique<SimHost>();
  interface_ = std::make_unique<HostInterface>(*host_);
  host_->onAddChild = [this](uint32_t parent, uint32_t child) { interface_->AddChild(parent, child); };
  // The host draws its own interface as part of its frame.
  host_->onFrame = [this] { interface_->Draw(width_, height_); };
  host_->onAddMenuEntry = [this](uint32_t menu, int32_t command, const char* text,
                                 const char* hint) {
    interface_->AddMenuEntry(menu, command, text, hint);
  };
  library_ = MakeLibraryLink(*this);
  host_->SetLibrary(library_.get());

  root_ = root.empty() ? MakeRoot() : root;
  ownsRoot_ = root.empty();
  folders_ = {root_ + "/user", root_ + "/data", root_ + "/appdata"};
  for (const std::string* folder : {&folders_.user, &folders_.data, &folders_.appdata}) {
    std::filesystem::create_directories(*folder);
  }
  os_->folderNames = {{"user", folders_.user}, {"data", folders_.data}, {"appdata", folders_.appdata}};
  // The user's application-data folder, where the hotkey files live.
  os_->environment["APPDATA"] = folders_.appdata;
  host_->SetDataFolder(folders_.data);
  // The host keeps its user and data folders as paths the library reads.
  for (const auto& [address, folder] : {std::pair{host::addr::kUserFolder, &folders_.user},
                                        std::pair{host::addr::kDataFolder, &folders_.data}}) {
    if (folder->size() >= kHostFolderCapacity) {
      throw SimError("the simulator's folder path is too long");
    }
    std::memcpy(host::Pointer(address), folder->c_str(), folder->size() + 1);
  }

  os_->createWindow = [this](const char* className, int width, int height, uintptr_t parent) {
    const uintptr_t window = nextWindow_++;
    if (std::strcmp(className, kMainWindowClassName) == 0 && mainWindow_ == 0) {
      mainWindow_ = window;
      os_->mainWindow = window;
    }
    return window;
  };
  os_->hostWindowProcedure = [this](uintptr_t window, uint32_t message, uintptr_t wParam,
                                intptr_t lParam) {
    return HostWindowProcedure(window, message, wParam, lParam);
  };
  LayOutHostCode();
}

Simulator::~Simulator() {
  WaitForWorkers();
  library_->Detach();
  if (ownsRoot_) {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
}

void Simulator::LayOutHostCode() {
  SimHost& h = *host_;
  // Call sites the simulated host runs, with their original targets.
  WriteCall(site::kOpcodeRead, 0x4F98A0);
  WriteCall(site::kMainLoopTick, kHostMainLoopWork);
  WriteCall(site::kFrameDraw, kHostFrameCall);
  WriteCall(site::kFormattedPrint, kHostFormattedPrint);
  WriteCall(0x4AF699, kHostSpriteDrawA);
  WriteCall(0x4B0012, kHostSpriteDrawA);
  WriteCall(0x4AFB8B, kHostSpriteDrawB);
  WriteCall(0x4B046C, kHostSpriteDrawC);
  WriteCall(0x4340C4, 0x4B96E0);  // the two status bars' fills
  WriteCall(0x434276, 0x4B96E0);
  WriteCall(0x4327E6, 0x4B5990);  // object drawing
  WriteCall(0x434DFC, 0x4B5990);
  WriteCall(0x4394FA, 0x4B5990);
  WriteCall(0x4CFB8A, kHostCharacterHandler);
  WriteCall(site::kLoadGate, kHostLoadSequence);

  // Function pointers the host calls through.
  host::Write<uint32_t>(site::kCreateWindowSlot, kImportCreateWindow);
  host::Write<uint32_t>(site::kClockSlot, kHostClock);
  host::Write<uint32_t>(site::kMenuCommandSlot, 0x44E960);
  host::Write<uint32_t>(site::kPanelCommandSlot, 0x4D4EA0);
  std::memcpy(host::Pointer(site::kMainWindowClass), kMainWindowClassName,
              sizeof(kMainWindowClassName));
  // The host's interface layout block (its rectangles start 4,784 bytes in).
  host::Write<uint32_t>(site::kLayoutBlockPointer, AddressSpace::Allocate(kLayoutBlockSize));

  h.DefineFunction(kHostMainLoopWork, [](const uint32_t*, int) { return 0u; });
  // The host's load sequence: six routines, each taking the previous one's
  // result, the first the host's data block.
  h.DefineFunction(kHostLoadSequence, [&h](const uint32_t*, int) {
    uint32_t value = 0x63DB48;
    for (uint32_t routine : {0x4AB620u, 0x4AB610u, 0x4FECF0u, 0x51D620u, 0x51D610u, 0x415C70u}) {
      value = h.Execute(routine, {value});
    }
    return value;
  });
  h.DefineFunction(kHostFrameCall, [&h](const uint32_t* args, int count) {
    host::FrameArgs frame;
    for (int i = 0; i < count && i < 10; ++i) frame.values[i] = static_cast<int32_t>(args[i]);
    return static_cast<uint32_t>(h.RendererFrame(h.Renderer(), frame));
  });
  h.DefineFunction(kHostFormattedPrint, [](const uint32_t* args, int count) -> uint32_t {
    if (count < 3 || args[0] == 0 || args[1] == 0) return 0;
    char* buffer = static_cast<char*>(host::Pointer(args[0]));
    return static_cast<uint32_t>(std::sprintf(buffer, HostText(args[1]), args[2]));
  });
  for (uint32_t sprite : {kHostSpriteDrawA, kHostSpriteDrawB, kHostSpriteDrawC}) {
    h.DefineFunction(sprite, [&h, sprite](const uint32_t* args, int count) {
      h.Draws().push_back({"HostSpriteDraw", {static_cast<int32_t>(sprite)}, ""});
      return 0u;
    });
  }
  h.DefineFunction(kImportCreateWindow, [this](const uint32_t* a, int count) -> uint32_t {
    if (count < 12) return 0;
    return static_cast<uint32_t>(
        os_->CreateWindow(HostText(a[1]), static_cast<int>(a[6]), static_cast<int>(a[7]), a[8]));
  });
  h.DefineFunction(kHostCharacterHandler, [this](const uint32_t* args, int count) {
    if (count > 0) hostCharacters_ += static_cast<char>(args[0] & 0xFF);
    return 0u;
  });
  h.DefineFunction(kHostClock, [this](const uint32_t*, int) {
    return static_cast<uint32_t>(os_->ClockNow());
  });
  DefineAppearanceHostFunctions(h);
  interface_->DefineFunctions();
  interface_->LayOutCallSites();
}

void Simulator::SetScreen(int width, int height) {
  width_ = width;
  height_ = height;
  if (started_ && mainWindow_ != 0) {
    constexpr uint32_t kWmSize = 0x0005;
    const intptr_t size = static_cast<intptr_t>((static_cast<uint32_t>(height) << 16) |
                                                (static_cast<uint32_t>(width) & 0xFFFF));
    os_->SendWindowMessage(mainWindow_, kWmSize, 0, size);
  }
}

void Simulator::Start() {
  if (started_) return;
  library_->Attach();
  started_ = true;
  // The host creates its main window through its CreateWindowExA import.
  constexpr uint32_t kOverlappedWindow = 0x00CF0000;
  const uint32_t className = AddressSpace::String(kMainWindowClassName);
  const uint32_t title = AddressSpace::String("Quorlan");
  host_->ExecutePointer(site::kCreateWindowSlot,
                        {0, className, title, kOverlappedWindow, 0, 0,
                         static_cast<uint32_t>(width_), static_cast<uint32_t>(height_), 0, 0,
                         0x400000, 0});
  interface_->BuildSidePanel();
}

void Simulator::SetGameState(int32_t state) { HostGameState() = state; }

void Simulator::ReachLoadGate() {
  if (os_->Exited()) return;
  host_->ExecuteCallSite(site::kLoadGate, {});
}

void Simulator::Frame(int count) {
  for (int i = 0; i < count; ++i) {
    // A process that ended (before the frame, in a message it delivers or
    // in the main loop's work) draws nothing more; the last frame stays what
    // the scenario looks at.
    if (os_->Exited()) return;
    DeliverPostedMessages();
    if (os_->Exited()) return;
    std::vector<DrawCall> previous;
    previous.swap(host_->Draws());
    // A frame draws about what the last one drew: room for it at once
    // rather than the record growing call by call.
    host_->Draws().reserve(previous.size());
    host_->ExecuteCallSite(site::kMainLoopTick, {});
    if (os_->Exited()) {
      host_->Draws().swap(previous);
      return;
    }
    // The patched frame call (and with it the library's login dialogs)
    // belongs to the host's screens outside the game world; in the game the
    // host draws its frame by its own path.
    if (HostGameState() != kInGameState) {
      host_->ExecuteCallSite(site::kFrameDraw, std::vector<uint32_t>(10, 0));
    } else {
      host_->Execute(kHostFrameCall, std::vector<uint32_t>(10, 0));
    }
    if (afterFrame) afterFrame(host_->Draws());
  }
}

std::vector<int> Simulator::ServerMessage(const std::vector<uint8_t>& bytes) {
  host_->SetMessage(bytes);
  lastHostOpcodes_.clear();
  // The host's parsing loop: each opcode it receives it parses (the
  // simulated parser knows no payloads). A pump that never ends a message
  // would hang the real client; here it is an error.
  for (size_t guard = 0; guard <= bytes.size() + 1; ++guard) {
    const int32_t opcode = static_cast<int32_t>(host_->ExecuteCallSite(site::kOpcodeRead, {}));
    if (opcode == -1) return lastHostOpcodes_;
    lastHostOpcodes_.push_back(opcode);
  }
  throw SimError("the opcode pump did not end the message");
}

bool Simulator::WaitForWorkers(int timeoutMs, int remaining) {
  return WaitForWorkers(timeoutMs, [remaining] { return remaining; });
}

bool Simulator::WaitForWorkers(int timeoutMs, const std::function<int()>& remaining) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (os_->RunningThreads() > remaining()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

intptr_t Simulator::SendToMainWindow(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  sendingInput_ = true;
  const intptr_t result = os_->SendWindowMessage(mainWindow_, message, wParam, lParam);
  sendingInput_ = false;
  return result;
}

// The host's message loop, at the start of a pass, hands each posted
// message to the window's procedure; those that reach the host's own
// procedure count as passed like the scenario's own input.
void Simulator::DeliverPostedMessages() {
  for (const Os::PostedMessage& m : os_->TakePostedMessages()) {
    sendingInput_ = true;
    os_->SendWindowMessage(m.window, m.message, m.wParam, m.lParam);
    sendingInput_ = false;
  }
}

intptr_t Simulator::HostWindowProcedure(uintptr_t window, uint32_t message, uintptr_t wParam,
                                        intptr_t lParam) {
  if (window != mainWindow_) {
    childWindowMessages_.push_back({window, message});
    return 0;
  }
  hostWindowMessages_.push_back(message);
  if (sendingInput_) passedMessages_.push_back(message);
  constexpr uint32_t kFirstMouseMessage = 0x0200, kLastMouseMessage = 0x020D;
  if (message >= kFirstMouseMessage && message <= kLastMouseMessage) {
    interface_->OnMouse(message, static_cast<int16_t>(lParam & 0xFFFF),
                        static_cast<int16_t>((lParam >> 16) & 0xFFFF));
  }
  return 0;
}

}  // namespace sim
