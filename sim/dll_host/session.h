// What the Win32 layer and the PE loader of quorlan-host32 reach of the
// simulated host that loaded quorlan.dll. One host runs one scenario at a
// time; the session is set before the DLL is attached and stays valid until
// the scenario ends (its workers included).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {
class Os;
class SimHost;
}  // namespace sim

namespace sim::dll_host {

// The running scenario's machine and host. REQUIRES: a scenario is running.
Os& MachineOs();
SimHost& MachineHost();

// Threads the DLL starts (CreateThread, _beginthreadex) call these on their
// own thread: Enter gives the thread its thread block (FS) and runs the
// DLL's TLS callbacks and DllMain with DLL_THREAD_ATTACH; Leave runs them
// with DLL_THREAD_DETACH. The loader implements both.
void EnterLibraryThread();
void LeaveLibraryThread();

// Fails the running scenario with `message` (printed as the failure line).
// On the main thread inside a host step it abandons the step, as a host
// exception passing the DLL's frames unseen would, and does not return; on
// any other thread it ends that thread.
[[noreturn]] void FailScenario(const std::string& message);
// The failures of worker threads since the last call.
std::vector<std::string> TakeWorkerFailures();

}  // namespace sim::dll_host
