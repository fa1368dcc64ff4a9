// The six patch primitives and the one conditional call patch.
//
// Each primitive opens exactly the bytes it writes with PAGE_READWRITE, keeps
// the old protection, writes, and restores the old protection. The result of
// VirtualProtect is ignored: the write happens regardless.
//
//   E8 xxxxxxxx   CALL  target, xxxxxxxx = target - (address + 5)
//   E9 xxxxxxxx   JMP   target, same displacement
//   90 ...        NOP   count bytes
//   xxxxxxxx      DWORD little-endian
//   xxxx          WORD  little-endian
//   xx            BYTE
#pragma once

#include <cstdint>

namespace host {

void PatchCall(uint32_t address, uint32_t target);
void PatchJump(uint32_t address, uint32_t target);
void PatchNops(uint32_t address, uint32_t count);
void PatchDword(uint32_t address, uint32_t value);
void PatchWord(uint32_t address, uint16_t value);
void PatchByte(uint32_t address, uint8_t value);

// Redirects an existing CALL (0xE8) at `address` to `target`: opens the five
// bytes with PAGE_EXECUTE_READWRITE and rewrites the displacement only when
// that succeeded and the opcode byte is 0xE8. Returns whether it patched.
bool PatchExistingCall(uint32_t address, uint32_t target);

// The displacement a CALL or JMP at `address` needs to reach `target`.
inline uint32_t RelativeDisplacement(uint32_t address, uint32_t target) {
  return target - (address + 5);
}

}  // namespace host
