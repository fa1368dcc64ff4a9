#include "sim/address_space.h"

#include <sys/mman.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace sim {
namespace {

uint32_t heapNext = kHeapBase;
std::mutex heapLock;

void MapFixed(uint32_t base, uint32_t size, int protection) {
  void* wanted = reinterpret_cast<void*>(static_cast<uintptr_t>(base));
  void* got = ::mmap(wanted, size, protection,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
  if (got != wanted) {
    std::fprintf(stderr, "quorlan-sim: cannot map host memory at 0x%08x\n", base);
    std::abort();
  }
}

}  // namespace

void AddressSpace::Reset() {
  static bool mapped = false;
  if (!mapped) {
    // The image is executable: quorlan-host32 runs the host's code there.
    MapFixed(kImageBase, kImageEnd - kImageBase, PROT_READ | PROT_WRITE | PROT_EXEC);
    MapFixed(kHeapBase, kHeapSize, PROT_READ | PROT_WRITE);
    mapped = true;
  }
  std::memset(reinterpret_cast<void*>(static_cast<uintptr_t>(kImageBase)), 0,
              kImageEnd - kImageBase);
  std::memset(reinterpret_cast<void*>(static_cast<uintptr_t>(kHeapBase)), 0, kHeapSize);
  std::lock_guard guard(heapLock);
  heapNext = kHeapBase + 0x1000;  // keep the first page free: no object at the base
}

uint32_t AddressSpace::Allocate(uint32_t size, uint32_t alignment) {
  std::lock_guard guard(heapLock);
  const uint32_t start = (heapNext + alignment - 1) & ~(alignment - 1);
  if (size > kHeapBase + kHeapSize - start) {
    std::fprintf(stderr, "quorlan-sim: host heap exhausted\n");
    std::abort();
  }
  heapNext = start + size;
  return start;
}

uint32_t AddressSpace::String(const std::string& text) {
  const uint32_t address = Allocate(static_cast<uint32_t>(text.size()) + 1, 1);
  std::memcpy(reinterpret_cast<void*>(static_cast<uintptr_t>(address)), text.data(), text.size());
  return address;
}

uint32_t AddressSpace::HeapLeft() {
  std::lock_guard guard(heapLock);
  return kHeapBase + kHeapSize - heapNext;
}

bool AddressSpace::Contains(uint32_t address, uint32_t size) {
  const uint64_t end = uint64_t{address} + size;
  return (address >= kImageBase && end <= kImageEnd) ||
         (address >= kHeapBase && end <= uint64_t{kHeapBase} + kHeapSize);
}

}  // namespace sim
