// Clipboard blocks over the KERNEL32 imports (see global_memory.h): the
// same GlobalAlloc / GlobalLock / GlobalSize / GlobalUnlock / GlobalFree
// the DLL calls, so either side may allocate a block the other reads.
#include <cstring>

#include "sim/dll_host/win32/global_memory.h"
#include "sim/dll_host/win32/user32_exports.h"

namespace sim::dll_host::win32 {
namespace {

constexpr Dword kGmemMoveable = 0x0002;

using GlobalAllocFunction = Handle(K32_API*)(Dword flags, uint32_t bytes);
using GlobalLockFunction = void*(K32_API*)(Handle memory);
using GlobalUnlockFunction = Bool(K32_API*)(Handle memory);
using GlobalSizeFunction = uint32_t(K32_API*)(Handle memory);
using GlobalFreeFunction = Handle(K32_API*)(Handle memory);

}  // namespace

uint32_t GlobalMemoryFromText(const std::string& text) {
  const Handle block =
      Kernel32Function<GlobalAllocFunction>("GlobalAlloc")(kGmemMoveable, text.size() + 1);
  if (block == 0) return 0;
  auto* chars = static_cast<char*>(Kernel32Function<GlobalLockFunction>("GlobalLock")(block));
  if (chars == nullptr) {
    GlobalMemoryFree(block);
    return 0;
  }
  std::memcpy(chars, text.c_str(), text.size() + 1);
  Kernel32Function<GlobalUnlockFunction>("GlobalUnlock")(block);
  return block;
}

bool GlobalMemoryText(uint32_t handle, std::string* text) {
  if (handle == 0) return false;
  const auto* chars =
      static_cast<const char*>(Kernel32Function<GlobalLockFunction>("GlobalLock")(handle));
  if (chars == nullptr) return false;
  const uint32_t capacity = Kernel32Function<GlobalSizeFunction>("GlobalSize")(handle);
  const void* end = std::memchr(chars, '\0', capacity);
  const size_t length =
      end != nullptr ? static_cast<size_t>(static_cast<const char*>(end) - chars) : capacity;
  text->assign(chars, length);
  Kernel32Function<GlobalUnlockFunction>("GlobalUnlock")(handle);
  return true;
}

void GlobalMemoryFree(uint32_t handle) {
  if (handle != 0) Kernel32Function<GlobalFreeFunction>("GlobalFree")(handle);
}

}  // namespace sim::dll_host::win32
