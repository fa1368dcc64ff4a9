// quorlan-host32's link to the library: the real quorlan.dll, loaded by the
// PE loader and reached only by executing the machine code the patch table
// wrote. Each entry is a host step (host_step.h) set up as the host's code
// at that place would set it up (site_contracts.h), and checked afterwards.
#include <cstring>
#include <memory>
#include <stdexcept>

#include "host/host_memory.h"
#include "sim/address_space.h"
#include "sim/dll_host/dll_path.h"
#include "sim/dll_host/dll_symbols.h"
#include "sim/dll_host/graphics/renderer_devices.h"
#include "sim/dll_host/host_gate.h"
#include "sim/dll_host/host_step.h"
#include "sim/dll_host/machine.h"
#include "sim/dll_host/session.h"
#include "sim/dll_host/pe/loaded_dll.h"
#include "sim/dll_host/site_contracts.h"
#include "sim/host_conventions.h"
#include "sim/library_link.h"
#include "sim/scenario/screen_queries.h"
#include "sim/simulator.h"

namespace sim::dll_host {
namespace {

constexpr uint32_t kFrameDrawSite = 0x4D3AC8;
// The host's Direct3D 9 render-state setup before the library draws a texture.
constexpr uint32_t kRenderStateSetupFunction = 0x534650;
constexpr uint8_t kJumpOpcode = 0xE9;

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%X", value);
  return text;
}

class DllLibrary final : public LibraryLink {
 public:
  explicit DllLibrary(Simulator& simulator) : simulator_(simulator) {
    SetMachine(&simulator.Os(), &simulator.Host());
    LayOutHostFunctions(simulator.Host());
  }
  ~DllLibrary() override { SetMachine(nullptr, nullptr); }

  void Attach() override {
    InstallGraphics(simulator_.Host());
    std::string error;
    dll_ = LoadedDll::Load(DllPath(), &error);
    if (dll_ == nullptr) throw std::runtime_error(error);
    SetLibraryRaise(FindDllSymbol(DllPath(), dll_->Base(), "__ZSt16__throw_bad_castv"));
    dll_->Attach();
  }

  bool IsLibraryCode(uint32_t address) const override {
    return dll_ != nullptr && dll_->Contains(address);
  }

  uint32_t EnterAtCallSite(uint32_t site, std::vector<uint32_t> args) override {
    const SiteContract* contract = ContractAt(site);
    StepSetup step;
    step.what = "the call at " + Hex(site) + (contract != nullptr ? std::string(" (") + contract->what + ")" : "");
    if (site == kFrameDrawSite) args.insert(args.begin(), simulator_.Host().Renderer());
    const SiteKind kind = contract != nullptr ? contract->kind : SiteKind::Cdecl;
    if (kind == SiteKind::MemberFramed) return EnterFramed(*contract, std::move(args), step);
    if (kind == SiteKind::Member && !args.empty()) {
      step.ecx = args.front();
      args.erase(args.begin());
    }
    step.stack = std::move(args);
    if (kind != SiteKind::Cdecl) step.poppedWords = static_cast<uint32_t>(step.stack.size());
    step.start = site;
    // The CALL pushes site + 5; the host's code continues there.
    ContinuationAt continuation(site + 5);
    return RunHostStep(step).eax;
  }

  uint32_t EnterThroughPointer(uint32_t slot, uint32_t target,
                               std::vector<uint32_t> args) override {
    const SiteContract* contract = ContractAt(slot);
    StepSetup step;
    step.what = "the pointer at " + Hex(slot) + (contract != nullptr ? std::string(" (") + contract->what + ")" : "");
    step.start = target;
    step.returnTo = StepReturnAddress();
    step.stack = std::move(args);
    if (contract != nullptr && contract->kind == SiteKind::Stdcall) {
      step.poppedWords = static_cast<uint32_t>(step.stack.size());
    }
    return RunHostStep(step).eax;
  }

  uint32_t EnterThroughJump(uint32_t function, uint32_t target,
                            std::vector<uint32_t> args) override {
    StepSetup step;
    step.what = "host " + Hex(function) + " diverted";
    step.start = target;
    step.returnTo = StepReturnAddress();
    step.stack = std::move(args);
    return RunHostStep(step).eax;
  }

  std::vector<std::string> TakeFailures() override { return TakeWorkerFailures(); }

  void PointWebAt(const std::string& base) override {
    simulator_.Os().RouteSiteTo(base, QUORLAN_SITE_URL, QUORLAN_COMMUNITY_URL);
  }

  bool IsLibraryData(uint32_t address, uint32_t size) const override {
    return dll_ != nullptr && dll_->Contains(address) && dll_->Contains(address + size - 1);
  }

  // What the host sees of the library's windows: the titles the last frame drew.
  std::vector<WindowSeen> OpenWindows() override {
    return scenario::DrawnWindows(simulator_.Host().Draws());
  }

 private:
  // The renderer's graphics interfaces, which the DLL draws its textures
  // with; the two host functions it calls before such a draw tell which
  // surface the draw lands on (the simulator's versions of them draw
  // nothing and need not know).
  static void InstallGraphics(SimHost& host) {
    graphics::InstallRendererDevices(host.Renderer());
    host.DefineFunction(kRenderStateSetupFunction, [](const uint32_t* a, int count) {
      if (count > 0) graphics::NoteRenderStateSetup(static_cast<int32_t>(a[0]));
      return 0u;
    });
    // A member call: the renderer, then the surface.
    host.DefineFunction(kRendererPrepareFunction, [](const uint32_t* a, int count) {
      if (count > 1) graphics::NoteSurfacePrepared(static_cast<int32_t>(a[1]));
      return 0u;
    });
  }

  // A CALL whose host code continues at `address` hands control back there
  // for the duration of the step: a JMP to the step's return code, the
  // host's bytes put back afterwards.
  class ContinuationAt {
   public:
    explicit ContinuationAt(uint32_t address) : address_(address) {
      std::memcpy(saved_, host::Pointer(address), sizeof(saved_));
      host::Write<uint8_t>(address, kJumpOpcode);
      host::Write<uint32_t>(address + 1, StepReturnAddress() - (address + 5));
    }
    ~ContinuationAt() { std::memcpy(host::Pointer(address_), saved_, sizeof(saved_)); }

   private:
    uint32_t address_;
    uint8_t saved_[5];
  };

  // The patched sequence starts before the CALL: it pushes [EBP + 8], the
  // first argument of the host function it stands in, so the step gives it
  // a frame whose [EBP + 8] holds that value (the second of `args`).
  uint32_t EnterFramed(const SiteContract& contract, std::vector<uint32_t> args,
                       StepSetup& step) {
    if (args.size() < 2) throw StepFailure(step.what + ": needs the object and the framed value");
    frame_[2] = args[1];
    step.ecx = args[0];
    step.ebp = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&frame_[0]));
    step.stack.assign(args.begin() + 2, args.end());
    step.poppedWords = static_cast<uint32_t>(step.stack.size());
    step.start = contract.start;
    ContinuationAt continuation(contract.exit);
    return RunHostStep(step).eax;
  }

  Simulator& simulator_;
  std::unique_ptr<LoadedDll> dll_;
  uint32_t frame_[4] = {};
};

}  // namespace
}  // namespace sim::dll_host

namespace sim {

std::unique_ptr<LibraryLink> MakeLibraryLink(Simulator& simulator) {
  return std::make_unique<dll_host::DllLibrary>(simulator);
}

bool UseLibraryFile(const std::string& path) {
  dll_host::SetDllPath(path);
  return true;
}

}  // namespace sim
