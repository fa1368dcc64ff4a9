// What test_machine.cpp lets the tests observe.
#pragma once

#include <atomic>
#include <stdexcept>
#include <string>

namespace sim::dll_host::test {

// FailScenario's message, thrown instead of ending the scenario.
struct ScenarioFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

extern std::atomic<int> threadsEntered, threadsLeft;

}  // namespace sim::dll_host::test
