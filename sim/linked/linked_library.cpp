// The simulator's link to the library: the core is linked into this
// program. Attaching runs the core's entry point; the patch table wrote
// handler tokens, which the link turns back into the core's handlers with
// the arguments the host's code passed; the scenario's questions about the
// library's windows go to the core's window sets.
#include <memory>

#include "gui/dialog.h"
#include "gui/texture/texture.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "host/task_queue.h"
#include "host/handler_registry.h"
#include "host/host_memory.h"
#include "host/library_data.h"
#include "host/patch_table.h"
#include "library.h"
#include "sim/address_space.h"
#include "sim/library_link.h"
#include "sim/linked/linked_backend.h"
#include "sim/linked/sim_platform.h"
#include "sim/linked/sim_texture.h"
#include "sim/simulator.h"
#include "web/endpoints.h"

namespace sim {
namespace {

constexpr uint32_t kModuleHandle = 0x10000000;

class LinkedLibrary final : public LibraryLink {
 public:
  explicit LinkedLibrary(Simulator& simulator)
      : host_(simulator.Host()), platform_(simulator.Os()), backend_(simulator.Host()) {
    platform::Install(&platform_);
    host::Install(&backend_);
    gui::SetTextureFactory(&CreateSimTexture);
    // Nothing the simulator runs reaches beyond this machine: until a
    // scenario's web server takes them over, the operator's addresses point
    // at a local port where nothing listens.
    web::UseEndpointsBelow("http://127.0.0.1:1");
  }

  void Attach() override { quorlan::DllMainBody(kModuleHandle, 1, 0); }
  // Tasks the workers left for a frame that never came own what they carry
  // (a finished download's request): they run here rather than leak, or
  // reach the next simulator of the same process.
  // A task that finds the process killed stops there (ProcessKilled); the
  // rest still run, each throw having taken its task off the queue.
  void Detach() override {
    for (;;) {
      try {
        host::RunMainThreadTasks();
        return;
      } catch (const ProcessKilled&) {
      }
    }
  }

  bool IsLibraryCode(uint32_t address) const override { return IsToken(address); }

  uint32_t EnterAtCallSite(uint32_t site, std::vector<uint32_t> args) override {
    const uint32_t target = site + 5 + host::Read<uint32_t>(site + 1);
    return Invoke(HandlerOfToken(target), std::move(args), site);
  }
  uint32_t EnterThroughPointer(uint32_t, uint32_t target, std::vector<uint32_t> args) override {
    return Invoke(HandlerOfToken(target), std::move(args), 0);
  }
  uint32_t EnterThroughJump(uint32_t, uint32_t target, std::vector<uint32_t> args) override {
    return Invoke(HandlerOfToken(target), std::move(args), 0);
  }

  void PointWebAt(const std::string& base) override { web::UseEndpointsBelow(base); }

  bool IsLibraryData(uint32_t address, uint32_t size) const override {
    const uint64_t start = host::AddressOf(&host::Data());
    return address >= start && address + uint64_t{size} <= start + sizeof(host::LibraryData);
  }

  std::vector<WindowSeen> OpenWindows() override {
    std::vector<WindowSeen> windows;
    for (int i = 0; i < gui::kSingletonCount; ++i) {
      const GUI_Window* w = gui::SingletonWindow(static_cast<gui::Singleton>(i));
      if (w != nullptr && w->open) {
        windows.push_back({w->title, w->x, w->y, w->w, w->h, "singleton"});
      }
    }
    if (const GUI_Dialog* d = gui::ModalDialog()) {
      windows.push_back({d->title, d->x, d->y, d->w, d->h, "modal"});
    }
    for (const auto& d : gui::WindowList()) {
      if (d->open) windows.push_back({d->title, d->x, d->y, d->w, d->h, "login list"});
    }
    return windows;
  }

 private:
  // The handler behind a token with the host's arguments, and what the
  // thunks of the DLL add: the continuation of a tail jump, the original
  // target of a sprite hook's call.
  uint32_t Invoke(uint16_t handler, std::vector<uint32_t> args, uint32_t site) {
    if (handler >= host::kHandlerCount) throw SimError("jump to an unknown handler token");
    const host::HandlerInfo& info = host::Info(static_cast<host::Handler>(handler));
    if (args.size() < static_cast<size_t>(info.argumentCount)) args.resize(info.argumentCount, 0);
    uint32_t result = 0;
    try {
      result = info.invoke(args.data());
    } catch (const ProcessKilled&) {
      return 0;  // the process ended inside the step: the host goes no further
    }
    if (info.continuation != 0) {
      if (info.id == host::Handler::DoubleFirstArgument && !args.empty()) args[0] = result;
      return host_.Execute(info.continuation, args);
    }
    const bool spriteHook = info.id == host::Handler::SpriteHookA ||
                            info.id == host::Handler::SpriteHookB ||
                            info.id == host::Handler::SpriteHookC;
    if (spriteHook && site != 0) {
      const uint32_t original = host::OriginalCallTarget(site);
      if (original != 0) return host_.Execute(original, args);
    }
    return result;
  }

  SimHost& host_;
  SimPlatform platform_;
  LinkedBackend backend_;
};

}  // namespace

std::unique_ptr<LibraryLink> MakeLibraryLink(Simulator& simulator) {
  return std::make_unique<LinkedLibrary>(simulator);
}

bool UseLibraryFile(const std::string&) { return false; }

}  // namespace sim
