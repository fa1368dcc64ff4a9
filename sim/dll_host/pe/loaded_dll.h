// quorlan.dll as this process holds it: parsed and validated (pe_image.h),
// mapped and relocated (pe_mapping.h), its imports bound to the Win32 layer
// or to traps (pe_imports.h), its TLS read (pe_tls.h), and a thread block
// for every thread that runs its code (thread_block.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/dll_host/pe/pe_tls.h"

namespace sim::dll_host {

class LoadedDll {
 public:
  // Loads the DLL file `path` and gives the calling thread (the host's
  // main thread) its thread block; nothing of the DLL runs yet. Becomes
  // CurrentDll(). Null with *error set to one line naming the file and what
  // is wrong when the file is not a loadable 32-bit x86 DLL.
  static std::unique_ptr<LoadedDll> Load(const std::string& path, std::string* error);
  // The image stays mapped: the DLL's threads may still run its code.
  ~LoadedDll();
  LoadedDll(const LoadedDll&) = delete;
  LoadedDll& operator=(const LoadedDll&) = delete;

  uint32_t Base() const { return base_; }
  uint32_t Size() const { return size_; }
  bool Contains(uint32_t address) const { return address - base_ < size_; }
  // Whether the preferred base was taken and the image was relocated.
  bool Relocated() const { return relocated_; }
  // "DLL!name" of each import bound to a trap, in import table order.
  const std::vector<std::string>& TrappedImports() const { return trapped_; }

  // Process attach on the calling (main) thread: the TLS callbacks with
  // reason 1, then DllMain(base, 1, 0). Returns DllMain's result (1 when the
  // DLL has no entry point).
  uint32_t Attach();

  // Thread attach and detach on the calling thread (session.h's
  // EnterLibraryThread / LeaveLibraryThread): Enter installs the thread's
  // block and runs the TLS callbacks and DllMain with reason 2; Leave runs
  // them with reason 3 and removes the block. A thread that has a block
  // already (the main thread) is left as it is by Enter.
  void EnterThread();
  void LeaveThread();

 private:
  LoadedDll() = default;
  void Notify(uint32_t reason);

  std::string path_;
  uint32_t base_ = 0, size_ = 0, entryPoint_ = 0;
  bool relocated_ = false;
  std::vector<std::string> trapped_;
  pe::TlsLayout tls_;
};

// The DLL loaded last, while it lives; null before.
LoadedDll* CurrentDll();

}  // namespace sim::dll_host
