// The running scenario's machine as the Win32 layer reaches it (session.h).
// FailScenario and the worker failures live in escape.cpp; thread attach
// and detach in pe/loaded_dll.cpp.
#include "sim/dll_host/session.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "sim/dll_host/machine.h"

namespace sim::dll_host {
namespace {

// Read by the DLL's worker threads while the main thread runs the scenario.
std::atomic<Os*> machineOs{nullptr};
std::atomic<SimHost*> machineHost{nullptr};

[[noreturn]] void Unset(const char* what) {
  std::fprintf(stderr, "quorlan-host32: %s used with no scenario running\n", what);
  std::abort();
}

}  // namespace

void SetMachine(Os* os, SimHost* host) {
  machineOs = os;
  machineHost = host;
}

Os& MachineOs() {
  Os* os = machineOs;
  if (os == nullptr) Unset("MachineOs()");
  return *os;
}

SimHost& MachineHost() {
  SimHost* host = machineHost;
  if (host == nullptr) Unset("MachineHost()");
  return *host;
}

}  // namespace sim::dll_host
