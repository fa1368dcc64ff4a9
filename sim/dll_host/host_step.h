// A host step: the simulated host hands control to machine code of the
// library (or to host code the library patched) exactly as the real client
// would, and checks what the client relies on once control comes back.
//
// The step pushes the stack words of the site, sets the registers the site
// holds (the object in ECX, a frame in EBP where a handler reads the host's
// locals), and enters `start`: either the patched CALL itself (which pushes
// its own return address) or a target reached with `returnTo` pushed as the
// return address. Control comes back at the step's return code, which the
// host places at the address the host's code continues at. Afterwards ESP
// must be where the host's contract puts it (the words the callee removes),
// EBX, ESI, EDI and EBP must hold what they held, and the direction flag
// must be clear; anything else fails the step with a message naming the
// site and what broke.
//
// A host function that the library calls during the step (through the
// machine code the host put at its address, host_gate.h) may raise a host
// exception: the step is then abandoned, as a host exception passes the
// library's frames unseen, and the exception continues in the host's code
// that ran the step. Main thread only; steps nest (a host function called
// by the library may run a step of its own).
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace sim::dll_host {

struct StepSetup {
  std::string what;           // for messages: "entry at 0x4340C4", "window procedure", ...
  uint32_t start = 0;         // the first instruction to run
  std::vector<uint32_t> stack;  // pushed so that stack[0] lies lowest (the first argument)
  uint32_t returnTo = 0;      // pushed as the return address before entering; 0: none
  uint32_t ecx = 0, edx = 0, eax = 0;
  uint32_t ebp = 0;           // 0: a recognisable sentinel that the code must keep
  uint32_t poppedWords = 0;   // stack words the code removes before control comes back
};

struct StepResult {
  uint32_t eax = 0, edx = 0, ecx = 0;
};

// Runs the step; throws StepFailure for a broken contract and rethrows a
// host exception raised inside it. A step the process ended in (abandoned
// without an exception) returns all zeros.
StepResult RunHostStep(const StepSetup& setup);

struct StepFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The address of the machine code that ends a step (a JMP to it, written
// where the host's code continues, hands control back).
uint32_t StepReturnAddress();

// Inside a step: marks it to be abandoned, with `error` rethrown by
// RunHostStep (none: the process ended); the caller then jumps to the
// step's abandon code. False when no step runs.
bool AbandonCurrentStep(std::exception_ptr error);
bool InsideHostStep();
// The innermost open step's `what` ("" outside steps).
std::string CurrentStepName();

}  // namespace sim::dll_host
