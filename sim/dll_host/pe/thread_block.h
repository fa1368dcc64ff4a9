// The Windows thread information block each thread that runs DLL code
// needs, reached through FS as the DLL's code (and its MinGW runtime, which
// reads fs:[0x18] for the block's linear address) expects:
//   fs:[0x00] 0xFFFFFFFF (no SEH frame)     fs:[0x04] stack base (its top)
//   fs:[0x08] stack limit (its bottom)      fs:[0x18] the block's own address
//   fs:[0x20] process id                    fs:[0x24] thread id
//   fs:[0x2C] the TLS array, whose slot `tls.index` holds this thread's copy
//             of the DLL's TLS template
//   fs:[0x30] a zeroed stand-in for the process environment block
// Each block gets an LDT entry of its own (modify_ldt) and the thread loads
// its selector into FS. GS is glibc's and is left alone.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/dll_host/pe/pe_tls.h"

namespace sim::dll_host::pe {

class ThreadBlock {
 public:
  // Creates a block for the calling thread and loads FS with it. Null with
  // a message when no LDT entry or memory can be had.
  static std::unique_ptr<ThreadBlock> InstallOnThisThread(const TlsLayout& tls,
                                                          std::string* error);
  // Clears FS when destroyed on its own thread (it must not keep a selector
  // whose entry another thread may get) and frees the LDT entry.
  ~ThreadBlock();
  ThreadBlock(const ThreadBlock&) = delete;
  ThreadBlock& operator=(const ThreadBlock&) = delete;

  uint32_t Address() const;
  uint16_t Selector() const { return selector_; }

 private:
  ThreadBlock() = default;

  uint8_t* memory_ = nullptr;     // the block (page 0) and the TLS array (page 1)
  std::vector<uint8_t> tlsData_;  // this thread's copy of the TLS template
  int ldtEntry_ = -1;
  uint16_t selector_ = 0;
  pid_t owner_ = 0;
};

// What FS holds on the calling thread (0 when nothing was loaded).
uint16_t CurrentFsSelector();
// The 32-bit word at fs:[offset] on the calling thread.
uint32_t ReadFsWord(uint32_t offset);

}  // namespace sim::dll_host::pe
