// The simulated machine's disk operations that its faults (file_faults.h)
// reach, on the real POSIX files of the scenario's folders. Both hosts write
// and rename files through these alone: quorlan-sim's platform backend for
// the core's file calls (sim/linked/sim_files.cpp) and quorlan-host32's
// Win32 layer for the DLL's WriteFile, MoveFileExA and GetTempFileNameA
// (sim/dll_host/win32/kernel32_files.cpp). So a fault fires at the same
// write or rename in both, and the temporary files they leave have the same
// names. Any thread.
#pragma once

#include <cstdint>
#include <string>

namespace sim {

class Os;

// The exit code of a process the machine kills, as a user ending it from
// the task list would (TerminateProcess with 1).
inline constexpr uint32_t kKilledExitCode = 1;

// Writes `size` bytes to `fd` (the file at `posixPath`) as far as the armed
// fault lets them through; *written counts the bytes that reached the file.
// 0 when all were written, else the errno of the failure: EIO for a write
// fault, ENOSPC for a full disk, or what write(2) reported.
int WriteFaulting(Os& os, int fd, const std::string& posixPath, const void* data, uint32_t size,
                  uint32_t* written);

enum class RenameOutcome : uint8_t { Renamed, Failed, Killed };
// Renames `from` onto `to`, replacing it (rename(2)), unless the armed fault
// kills the process at this rename: the process then has ended
// (Os::ExitProcess with kKilledExitCode) and nothing was renamed. *error is
// the errno when the rename failed.
RenameOutcome RenameFaulting(Os& os, const std::string& from, const std::string& to, int* error);

// Creates a new empty file "<posixBase>XXXX.tmp", XXXX the machine's next
// temporary number in four hexadecimal digits, skipping the numbers whose
// file exists (GetTempFileNameA with unique 0). Returns the number, or 0
// with the errno in *error.
uint32_t CreateTemporaryFile(Os& os, const std::string& posixBase, int* error);

}  // namespace sim
