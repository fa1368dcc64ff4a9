// Memory: protection changes (recorded by the machine, as the simulator's
// platform does; this program's memory is writable already), VirtualQuery
// for the C runtime's relocator, and the Global/Local blocks the clipboard
// code hands to and receives from USER32.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/handle_table.h"
#include "sim/dll_host/win32/kernel32_exports.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host::win32 {
namespace {

constexpr Dword kErrorBadLength = 24, kErrorInvalidAddress = 487;
constexpr Dword kMemCommit = 0x1000, kMemFree = 0x10000, kMemPrivate = 0x20000;
constexpr Dword kPageNoAccess = 0x01, kPageExecuteReadWrite = 0x40;
constexpr uint32_t kPageSize = 0x1000;

constexpr Dword kGmemMoveable = 0x0002, kGmemZeroInit = 0x0040;
// Flags that change nothing for memory that never moves or is discarded.
constexpr Dword kGmemAccepted = kGmemMoveable | kGmemZeroInit | 0x0010 /*NOCOMPACT*/ |
                                0x0020 /*NODISCARD*/ | 0x0100 /*DISCARDABLE*/ | 0x2000 /*SHARE*/;

// A mapping of this program's address space (as /proc/self/maps lists it).
struct Region {
  uint32_t begin = 0, end = 0;
};

bool FindRegion(uint32_t address, Region* found) {
  std::FILE* maps = std::fopen("/proc/self/maps", "r");
  if (maps == nullptr) return false;
  char line[512];
  bool hit = false;
  while (!hit && std::fgets(line, sizeof line, maps) != nullptr) {
    unsigned long long begin = 0, end = 0;
    if (std::sscanf(line, "%llx-%llx", &begin, &end) != 2) continue;
    if (address >= begin && address < end) {
      *found = {static_cast<uint32_t>(begin), static_cast<uint32_t>(end)};
      hit = true;
    }
  }
  std::fclose(maps);
  return hit;
}

// A block GlobalAlloc handed out. Its bytes never move, so a moveable
// block's lock always answers the same pointer.
struct GlobalBlock : KernelObject {
  explicit GlobalBlock(uint32_t size) : size(size), data(std::calloc(size == 0 ? 1 : size, 1)) {}
  ~GlobalBlock() override { std::free(data); }
  const uint32_t size;
  void* const data;
  uint32_t locks = 0;  // under BlockLock()
};

std::mutex& BlockLock() {
  static auto* lock = new std::mutex();
  return *lock;
}

// Fixed blocks are known by their address; moveable ones by their handle
// in the handle table.
std::map<uint32_t, std::shared_ptr<GlobalBlock>>& FixedBlocks() {
  static auto* blocks = new std::map<uint32_t, std::shared_ptr<GlobalBlock>>();
  return *blocks;
}

std::shared_ptr<GlobalBlock> BlockFor(Handle memory) {
  if (auto moveable = FindHandleAs<GlobalBlock>(memory)) return moveable;
  std::lock_guard hold(BlockLock());
  auto it = FixedBlocks().find(memory);
  return it == FixedBlocks().end() ? nullptr : it->second;
}

bool IsMoveable(Handle memory) { return FindHandleAs<GlobalBlock>(memory) != nullptr; }

}  // namespace

Bool K32_API VirtualProtect(void* address, uint32_t size, Dword newProtection,
                            Dword* oldProtection) {
  const auto where = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address));
  if (!MachineOs().VirtualProtect(where, size, newProtection, oldProtection)) {
    SetThreadError(kErrorInvalidAddress);
    return kFalse;
  }
  return kTrue;
}

// Every mapped page answers committed and PAGE_EXECUTE_READWRITE: this
// program may write anywhere it maps, so the relocator needs no changes.
uint32_t K32_API VirtualQuery(const void* address, MemoryBasicInformation* info, uint32_t size) {
  if (size < sizeof(MemoryBasicInformation)) {
    SetThreadError(kErrorBadLength);
    return 0;
  }
  const auto where = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address));
  const uint32_t page = where & ~(kPageSize - 1);
  Region region;
  *info = {};
  info->baseAddress = page;
  if (!FindRegion(where, &region)) {
    info->regionSize = kPageSize;
    info->state = kMemFree;
    info->protect = kPageNoAccess;
    return sizeof(MemoryBasicInformation);
  }
  info->allocationBase = region.begin;
  info->allocationProtect = kPageExecuteReadWrite;
  info->regionSize = region.end - page;
  info->state = kMemCommit;
  info->protect = kPageExecuteReadWrite;
  info->type = kMemPrivate;
  return sizeof(MemoryBasicInformation);
}

Handle K32_API GlobalAlloc(Dword flags, uint32_t bytes) {
  if ((flags & ~kGmemAccepted) != 0) {
    FailScenario("unimplemented import GlobalAlloc (flags " + std::to_string(flags) + ")");
  }
  auto block = std::make_shared<GlobalBlock>(bytes);
  if (block->data == nullptr) {
    SetThreadError(kErrorNotEnoughMemory);
    return 0;
  }
  if ((flags & kGmemMoveable) != 0) return AddHandle(block);
  const auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(block->data));
  std::lock_guard hold(BlockLock());
  FixedBlocks()[address] = std::move(block);
  return address;
}

void* K32_API GlobalLock(Handle memory) {
  auto block = BlockFor(memory);
  if (!block) {
    SetThreadError(kErrorInvalidHandle);
    return nullptr;
  }
  std::lock_guard hold(BlockLock());
  if (IsMoveable(memory)) ++block->locks;
  return block->data;
}

// Nonzero while the block stays locked; zero with no error once unlocked.
Bool K32_API GlobalUnlock(Handle memory) {
  auto block = BlockFor(memory);
  if (!block) {
    SetThreadError(kErrorInvalidHandle);
    return kFalse;
  }
  std::lock_guard hold(BlockLock());
  if (!IsMoveable(memory)) {
    SetThreadError(kErrorSuccess);
    return kFalse;
  }
  if (block->locks == 0) {
    SetThreadError(kErrorNotLocked);
    return kFalse;
  }
  if (--block->locks > 0) return kTrue;
  SetThreadError(kErrorSuccess);
  return kFalse;
}

uint32_t K32_API GlobalSize(Handle memory) {
  auto block = BlockFor(memory);
  if (!block) {
    SetThreadError(kErrorInvalidHandle);
    return 0;
  }
  return block->size;
}

// Null when freed; the handle itself when it names no block.
Handle K32_API GlobalFree(Handle memory) {
  if (memory == 0) return 0;
  if (IsMoveable(memory)) {
    RemoveHandle(memory);
    return 0;
  }
  std::lock_guard hold(BlockLock());
  if (FixedBlocks().erase(memory) == 0) {
    SetThreadError(kErrorInvalidHandle);
    return memory;
  }
  return 0;
}

// Local and global blocks are one kind of memory on 32-bit Windows.
Handle K32_API LocalFree(Handle memory) { return GlobalFree(memory); }

}  // namespace sim::dll_host::win32
