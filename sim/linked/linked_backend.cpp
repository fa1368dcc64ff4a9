#include "sim/linked/linked_backend.h"

#include <sys/mman.h>

#include "host/host_memory.h"
#include "sim/address_space.h"

namespace sim {
namespace {

constexpr uint32_t kLibraryDataBase = 0x1F000000;
constexpr uint32_t kLibraryDataSize = 0x00100000;

}  // namespace

uint32_t LinkedBackend::HandlerAddress(uint16_t handler) { return TokenFor(handler); }

void* LinkedBackend::LibraryDataStorage(uint32_t size) {
  static void* region = [] {
    void* wanted = host::Pointer(kLibraryDataBase);
    void* got = ::mmap(wanted, kLibraryDataSize, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    if (got != wanted) throw SimError("cannot map the library data region");
    return got;
  }();
  if (size > kLibraryDataSize) throw SimError("library data too large");
  return region;
}

SimHost* LinkedHost() {
  auto* backend = dynamic_cast<LinkedBackend*>(&host::Backend());
  return backend == nullptr ? nullptr : &backend->Host();
}

}  // namespace sim
