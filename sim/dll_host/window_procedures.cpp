#include "sim/dll_host/window_procedures.h"

#include <cstdio>
#include <string>

#include "sim/dll_host/host_step.h"

namespace sim::dll_host {

intptr_t CallDllWindowProcedure(uintptr_t procedure, uintptr_t window, uint32_t message,
                                uintptr_t wParam, intptr_t lParam) {
  char what[64];
  std::snprintf(what, sizeof(what), "the window procedure 0x%X (message 0x%X)",
                static_cast<uint32_t>(procedure), message);
  StepSetup step;
  step.what = what;
  step.start = static_cast<uint32_t>(procedure);
  step.returnTo = StepReturnAddress();
  step.stack = {static_cast<uint32_t>(window), message, static_cast<uint32_t>(wParam),
                static_cast<uint32_t>(lParam)};
  step.poppedWords = 4;
  return static_cast<intptr_t>(RunHostStep(step).eax);
}

}  // namespace sim::dll_host
