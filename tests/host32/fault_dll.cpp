// A stand-in for quorlan.dll that breaks one host contract on purpose, so
// the tests can prove that quorlan-host32 catches it: on process attach it
// redirects the host's main-loop CALL (0x45A18D, where the library's frame
// tick goes) to a hook that does one thing wrong. Built by the win32 preset
// once per fault (QUORLAN_FAULT); never shipped.
#include <windows.h>

#include <cstdint>

namespace {

constexpr uint32_t kMainLoopSite = 0x45A18D;

}  // namespace

extern "C" {

#if QUORLAN_FAULT == 1
// Removes one argument the cdecl caller did not pass.
__attribute__((naked)) void FaultyHook() { asm("movb $1, %al\n ret $4\n"); }
#elif QUORLAN_FAULT == 2
// Returns with EBX, which the host keeps there, destroyed.
__attribute__((naked)) void FaultyHook() { asm("xorl %ebx, %ebx\n movb $1, %al\n ret\n"); }
#elif QUORLAN_FAULT == 3
// Lets a C++ exception out towards the host's frames.
uint8_t FaultyHook() { throw 42; }
#elif QUORLAN_FAULT == 4
// Calls a system function the host's Win32 layer does not provide.
uint8_t FaultyHook() {
  Beep(440, 10);
  return 1;
}
#else
#error "QUORLAN_FAULT must be 1 to 4"
#endif

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  auto* site = reinterpret_cast<uint8_t*>(kMainLoopSite);
  DWORD old = 0;
  VirtualProtect(site, 5, PAGE_EXECUTE_READWRITE, &old);
  const auto hook = reinterpret_cast<uint32_t>(&FaultyHook);
  site[0] = 0xE8;
  const uint32_t displacement = hook - (kMainLoopSite + 5);
  CopyMemory(site + 1, &displacement, 4);
  VirtualProtect(site, 5, old, &old);
  return TRUE;
}

}  // extern "C"
