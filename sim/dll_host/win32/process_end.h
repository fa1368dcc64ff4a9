// How the DLL ends the process (ExitProcess, msvcrt's exit, abort and
// _amsg_exit) on quorlan-host32.
#pragma once

#include <cstdint>

namespace sim::dll_host {

// Records the exit on the machine (Os::ExitProcess) and ends the calling
// flow: a worker thread of the library ends there (counted as ended, its
// handle signalled, no DLL_THREAD_DETACH as on Windows); the main thread
// leaves the DLL's frames through AbandonHostStep.
[[noreturn]] void EndProcess(uint32_t code);

// Returns the main thread to the host's loop after the process ended inside
// a host step; the lead's host implements it. The weak default ends this
// program with `code`.
[[noreturn]] void AbandonHostStep(uint32_t code);

}  // namespace sim::dll_host
