// How the simulated host reaches the library. The host itself only follows
// host code: when a CALL, a JMP or a function pointer it runs leads to code
// that is not the host's, it hands over to the link. The simulator links
// the core and turns the handler tokens the patch table wrote back into
// core calls (sim/linked); quorlan-host32 loads the real quorlan.dll and
// executes the patched machine code (sim/dll_host). Everything else a
// scenario asks of the library goes through here too, so the host's own
// code is the same in both programs.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sim {

class Simulator;

// A library window or dialog as the scenario sees it.
struct WindowSeen {
  std::string title;
  int32_t x = 0, y = 0, w = 0, h = 0;
  std::string set;  // "singleton", "modal", "login list" (the simulator) or "drawn" (host32)
};

class LibraryLink {
 public:
  virtual ~LibraryLink() = default;

  // Loads (host32) and attaches the library: process attach of its entry
  // point, which applies the patch table.
  virtual void Attach() = 0;
  // Whether `address`, the target of host code, lies in the library.
  virtual bool IsLibraryCode(uint32_t address) const = 0;

  // The host's CALL at `site` leads into the library. `args` are the stack
  // arguments as the host's code there passes them (the object of a member
  // call first). Returns EAX.
  virtual uint32_t EnterAtCallSite(uint32_t site, std::vector<uint32_t> args) = 0;
  // The host called through the function pointer stored at `slot`.
  virtual uint32_t EnterThroughPointer(uint32_t slot, uint32_t target,
                                       std::vector<uint32_t> args) = 0;
  // The host called its function `function`, whose start the library
  // diverted to `target` with a JMP.
  virtual uint32_t EnterThroughJump(uint32_t function, uint32_t target,
                                    std::vector<uint32_t> args) = 0;

  // The library's web addresses point at the scenario's server `base`
  // ("http://127.0.0.1:PORT").
  virtual void PointWebAt(const std::string& base) = 0;
  // Whether [address, address + size) is library data that the host may
  // address (LargeMessageBuffer and the other variables host code points at).
  virtual bool IsLibraryData(uint32_t address, uint32_t size) const = 0;
  // The library's windows and dialogs that are open: the simulator asks the
  // core; host32 answers from what the last frame drew.
  virtual std::vector<WindowSeen> OpenWindows() = 0;
  // Ends the library's part of a scenario (workers waited for by the caller).
  virtual void Detach() {}
  // What broke in the library's threads since the last call, where the
  // link can see it (a worker of the DLL that met an unimplemented import).
  virtual std::vector<std::string> TakeFailures() { return {}; }
};

// The link of this program: the core (quorlan-sim) or the DLL (quorlan-host32).
std::unique_ptr<LibraryLink> MakeLibraryLink(Simulator& simulator);
// The library file to load from now on (quorlan-host32's --dll); false for
// a program that links the library itself.
bool UseLibraryFile(const std::string& path);

}  // namespace sim
