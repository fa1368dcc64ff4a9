// The threads the DLL starts, shared by CreateThread (KERNEL32) and
// _beginthreadex (msvcrt), and the ways such a thread ends.
#pragma once

#include "sim/dll_host/win32/kernel32_exports.h"

namespace sim::dll_host::win32 {

constexpr Dword kCreateSuspended = 0x4;
constexpr Dword kStackSizeIsReservation = 0x10000;
constexpr Dword kStillActive = 259;

// Starts `start(parameter)` on a new thread (suspended when `flags` says
// so) and returns a handle to it, or 0 with the reason in *error. The
// machine counts the thread as started from here until it ends.
// REQUIRES: `flags` holds only kCreateSuspended and kStackSizeIsReservation.
Handle StartLibraryThread(ThreadStartRoutine start, void* parameter, Dword flags,
                          Dword* threadId, Dword* error);

// Whether the calling thread is one StartLibraryThread started.
bool OnLibraryWorker();

// Ends the calling worker thread with `code` at once, as ExitThread does:
// DLL_THREAD_DETACH runs when `detach` (not when the process is ending),
// then the thread counts as ended and its handle is signalled. Nothing of
// the DLL's frames is unwound. REQUIRES: OnLibraryWorker().
[[noreturn]] void EndLibraryThread(Dword code, bool detach);

}  // namespace sim::dll_host::win32
