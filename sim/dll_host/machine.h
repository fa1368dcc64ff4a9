// Sets the simulated machine that session.h's MachineOs() and MachineHost()
// answer: the host that loads the DLL sets it before the DLL is attached
// and clears it (nulls) when its scenario ends.
#pragma once

namespace sim {
class Os;
class SimHost;
}  // namespace sim

namespace sim::dll_host {

// Neither is owned; both must outlive every call into the DLL made while
// they are set. `host` may be null for a host without the simulated
// client's functions (the probe command).
void SetMachine(Os* os, SimHost* host);

}  // namespace sim::dll_host
