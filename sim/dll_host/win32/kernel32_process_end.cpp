// EndProcess: the one way the DLL ends the process (see process_end.h).
#include "sim/dll_host/win32/process_end.h"

#include <cstdlib>

#include "sim/dll_host/win32/kernel32_threads.h"
#include "sim/os/sim_os.h"
#include "sim/dll_host/session.h"

namespace sim::dll_host {

void EndProcess(uint32_t code) {
  MachineOs().ExitProcess(code);
  // Windows ends the other threads without DLL_THREAD_DETACH; this worker
  // ends at once the same way.
  if (win32::OnLibraryWorker()) win32::EndLibraryThread(code, /*detach=*/false);
  AbandonHostStep(code);
}

__attribute__((weak)) void AbandonHostStep(uint32_t code) { std::_Exit(static_cast<int>(code)); }

}  // namespace sim::dll_host
