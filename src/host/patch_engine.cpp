#include "host/patch_engine.h"

#include <cstring>

#include "host/host_memory.h"
#include "platform/platform.h"

namespace host {
namespace {

// Writes `size` bytes at `address` inside an opened protection window.
void WriteProtected(uint32_t address, const uint8_t* bytes, uint32_t size) {
  platform::Platform& os = platform::Get();
  uint32_t oldProtection = 0;
  os.VirtualProtect(address, size, platform::kPageReadWrite, &oldProtection);
  std::memcpy(Pointer(address), bytes, size);
  uint32_t ignored = 0;
  os.VirtualProtect(address, size, oldProtection, &ignored);
}

void WriteBranch(uint8_t opcode, uint32_t address, uint32_t target) {
  const uint32_t displacement = RelativeDisplacement(address, target);
  uint8_t bytes[5] = {opcode};
  std::memcpy(bytes + 1, &displacement, 4);
  WriteProtected(address, bytes, 5);
}

}  // namespace

void PatchCall(uint32_t address, uint32_t target) { WriteBranch(0xE8, address, target); }
void PatchJump(uint32_t address, uint32_t target) { WriteBranch(0xE9, address, target); }

void PatchNops(uint32_t address, uint32_t count) {
  // Entries never NOP more than a handful of bytes; a fixed buffer suffices.
  uint8_t bytes[16];
  while (count > 0) {
    const uint32_t chunk = count < sizeof(bytes) ? count : sizeof(bytes);
    std::memset(bytes, 0x90, chunk);
    WriteProtected(address, bytes, chunk);
    address += chunk;
    count -= chunk;
  }
}

void PatchDword(uint32_t address, uint32_t value) {
  uint8_t bytes[4];
  std::memcpy(bytes, &value, 4);
  WriteProtected(address, bytes, 4);
}

void PatchWord(uint32_t address, uint16_t value) {
  uint8_t bytes[2];
  std::memcpy(bytes, &value, 2);
  WriteProtected(address, bytes, 2);
}

void PatchByte(uint32_t address, uint8_t value) { WriteProtected(address, &value, 1); }

bool PatchExistingCall(uint32_t address, uint32_t target) {
  platform::Platform& os = platform::Get();
  uint32_t oldProtection = 0;
  if (!os.VirtualProtect(address, 5, platform::kPageExecuteReadWrite, &oldProtection)) return false;
  const bool isCall = Read<uint8_t>(address) == 0xE8;
  if (isCall) Write<uint32_t>(address + 1, RelativeDisplacement(address, target));
  uint32_t ignored = 0;
  os.VirtualProtect(address, 5, oldProtection, &ignored);
  return isCall;
}

}  // namespace host
