// What user32_test_machine.cpp lets the USER32/SHELL32/WININET tests use.
#pragma once

#include <stdexcept>

#include "sim/os/sim_os.h"

namespace sim::dll_host::test {

// FailScenario's message, thrown (outside a host step) instead of ending
// the scenario; inside a step it leaves the step, as the real session does,
// and RunHostStep rethrows it.
struct ScenarioFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A fresh simulated machine for the next case; the previous one is left
// alive (a worker of an earlier case may still hold it).
Os& FreshMachine();

}  // namespace sim::dll_host::test
