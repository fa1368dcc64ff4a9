#include "host/start_up.h"

#include <cstring>

#include "host/host_memory.h"
#include "host/patch_engine.h"
#include "host/patch_table.h"
#include "host/task_queue.h"
#include "platform/platform.h"

namespace host {
namespace {

constexpr uint8_t kScrambleKey = 0xAA;

// "QuorlanClientLibrary", each byte XOR 0xAA, so the text does not appear in
// the library's data as plain characters.
constexpr uint8_t kScrambledText[20] = {
    'Q' ^ 0xAA, 'u' ^ 0xAA, 'o' ^ 0xAA, 'r' ^ 0xAA, 'l' ^ 0xAA, 'a' ^ 0xAA, 'n' ^ 0xAA,
    'C' ^ 0xAA, 'l' ^ 0xAA, 'i' ^ 0xAA, 'e' ^ 0xAA, 'n' ^ 0xAA, 't' ^ 0xAA, 'L' ^ 0xAA,
    'i' ^ 0xAA, 'b' ^ 0xAA, 'r' ^ 0xAA, 'a' ^ 0xAA, 'r' ^ 0xAA, 'y' ^ 0xAA};

constexpr uint32_t kSse2Bit = 1u << 26;

bool ProcessorHasSse2() {
  platform::Platform& os = platform::Get();
  if (os.Cpuid(0).eax < 1) return false;
  return (os.Cpuid(1).edx & kSse2Bit) != 0;
}

void ApplyPatchTable() {
  for (const PatchEntry& entry : MainPatchTable()) ApplyPatch(entry);
  if (!ProcessorHasSse2()) return;
  for (const PatchEntry& entry : Sse2PatchTable()) ApplyPatch(entry);
}

}  // namespace

void HostDataText(char out[kHostDataTextSize]) {
  for (int i = 0; i < 20; ++i) out[i] = static_cast<char>(kScrambledText[i] ^ kScrambleKey);
  out[20] = '\0';
}

uint32_t HostDataThread() {
  platform::Platform& os = platform::Get();
  os.Sleep(1000);
  char text[kHostDataTextSize];
  HostDataText(text);
  for (uint32_t slot : kHostDataSlots) {
    uint32_t oldProtection = 0;
    if (!os.VirtualProtect(slot, kHostDataTextSize, platform::kPageExecuteReadWrite,
                           &oldProtection)) {
      return 1;
    }
    std::memcpy(Pointer(slot), text, kHostDataTextSize);
    uint32_t ignored = 0;
    if (!os.VirtualProtect(slot, kHostDataTextSize, oldProtection, &ignored)) return 1;
  }
  return 0;
}

uint32_t HostTuningThread() {
  platform::Get().Sleep(1000);
  PatchDword(0x64AC64, 263);
  PatchDword(0x64AC7C, 263);
  PatchDword(0x64B008, 0);
  PatchDword(0x64AFEC, 0);
  return 0;
}

int32_t LibraryEntryPoint(uint32_t module, uint32_t reason, uint32_t reserved) {
  if (reason != kProcessAttach) return 1;
  platform::Platform& os = platform::Get();
  os.StartThread(&HostDataThread);
  os.StartThread(&HostTuningThread);
  CreateTaskQueueLock();
  ApplyPatchTable();
  return 1;
}

}  // namespace host
