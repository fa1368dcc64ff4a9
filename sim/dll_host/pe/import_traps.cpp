#include "sim/dll_host/pe/import_traps.h"

#include <sys/mman.h>

#include <cstring>
#include <deque>
#include <mutex>

#include "sim/dll_host/session.h"

// The common tail of every stub. On entry [ESP] is the stub's return address
// (unused) and [ESP+4] the trap's number; the DLL's own return address lies
// above. The DLL called with a 4-byte aligned stack: realign before C++.
extern "C" [[noreturn]] void QuorlanImportTrapped(uint32_t index);
extern "C" void quorlan_import_trap();
asm(R"(
.intel_syntax noprefix
.text
.globl quorlan_import_trap
quorlan_import_trap:
  mov eax, [esp+4]
  cld
  and esp, -16
  sub esp, 12
  push eax
  call QuorlanImportTrapped
  ud2
.att_syntax prefix
)");

namespace sim::dll_host::pe {
namespace {

// push imm32 (68 xx xx xx xx); call rel32 (E8 xx xx xx xx)
constexpr uint32_t kStubSize = 10;
constexpr uint32_t kChunkSize = 0x10000;

struct TrapRegistry {
  std::mutex lock;
  std::deque<std::string> names;  // by trap number; never shrinks
  uint8_t* chunk = nullptr;       // where the next stub goes
  uint32_t chunkLeft = 0;
};

TrapRegistry& Registry() {
  static auto* registry = new TrapRegistry();  // reached by worker threads until exit
  return *registry;
}

uint32_t Address(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

}  // namespace

uint32_t MakeImportTrap(const std::string& dll, const std::string& name) {
  TrapRegistry& registry = Registry();
  std::lock_guard hold(registry.lock);
  if (registry.chunkLeft < kStubSize) {
    void* chunk = ::mmap(nullptr, kChunkSize, PROT_READ | PROT_WRITE | PROT_EXEC,
                         MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (chunk == MAP_FAILED) return 0;
    registry.chunk = static_cast<uint8_t*>(chunk);
    registry.chunkLeft = kChunkSize;
  }
  const auto index = static_cast<uint32_t>(registry.names.size());
  registry.names.push_back(name);
  uint8_t* stub = registry.chunk;
  const uint32_t callEnd = Address(stub) + kStubSize;
  const uint32_t relative = Address(reinterpret_cast<const void*>(&quorlan_import_trap)) - callEnd;
  stub[0] = 0x68;
  std::memcpy(stub + 1, &index, 4);
  stub[5] = 0xE8;
  std::memcpy(stub + 6, &relative, 4);
  registry.chunk += kStubSize;
  registry.chunkLeft -= kStubSize;
  return Address(stub);
}

}  // namespace sim::dll_host::pe

extern "C" void QuorlanImportTrapped(uint32_t index) {
  using sim::dll_host::pe::Registry;
  std::string name = "?";
  {
    std::lock_guard hold(Registry().lock);
    if (index < Registry().names.size()) name = Registry().names[index];
  }
  sim::dll_host::FailScenario("unimplemented import " + name);
}
