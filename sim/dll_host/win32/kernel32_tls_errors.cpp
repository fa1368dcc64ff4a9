// Thread-local slots (TlsAlloc, TlsGetValue, TlsSetValue) and the last
// error, both per thread. Slots are never freed (the DLL imports no
// TlsFree), so a new slot is zero on every thread, as Windows guarantees.
#include <array>
#include <atomic>

#include "sim/dll_host/win32/kernel32_exports.h"

namespace sim::dll_host::win32 {
namespace {

// TLS_MINIMUM_AVAILABLE plus the expansion slots of Windows.
constexpr Dword kSlotCount = 64 + 1024;
constexpr Dword kOutOfIndexes = 0xFFFFFFFF;

std::atomic<Dword> slotsHandedOut{0};
thread_local std::array<void*, kSlotCount> slots{};
thread_local Dword lastError = kErrorSuccess;

}  // namespace

void SetThreadError(Dword code) { lastError = code; }
Dword ThreadError() { return lastError; }

Dword K32_API TlsAlloc() {
  Dword index = slotsHandedOut.load();
  do {
    if (index >= kSlotCount) return kOutOfIndexes;
  } while (!slotsHandedOut.compare_exchange_weak(index, index + 1));
  return index;
}

// Clears the last error on success: the C runtime's key destructors tell a
// stored null from a failure by it.
void* K32_API TlsGetValue(Dword index) {
  if (index >= slotsHandedOut.load()) {
    SetThreadError(kErrorInvalidParameter);
    return nullptr;
  }
  SetThreadError(kErrorSuccess);
  return slots[index];
}

Bool K32_API TlsSetValue(Dword index, void* value) {
  if (index >= slotsHandedOut.load()) {
    SetThreadError(kErrorInvalidParameter);
    return kFalse;
  }
  slots[index] = value;
  return kTrue;
}

Dword K32_API GetLastError() { return lastError; }

void K32_API SetLastError(Dword code) { lastError = code; }

}  // namespace sim::dll_host::win32
