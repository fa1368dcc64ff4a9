// Read-only file mappings (the appearance and sprite files): a mapping
// keeps its file open, a view keeps its mapping alive until unmapped.
#include <sys/mman.h>
#include <sys/stat.h>

#include <map>
#include <mutex>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/kernel32_exports.h"
#include "sim/dll_host/win32/kernel32_files.h"

namespace sim::dll_host::win32 {
namespace {

constexpr Dword kPageReadOnly = 0x02, kFileMapRead = 0x0004;
constexpr Dword kErrorMappedAlignment = 1132, kErrorInvalidAddress = 487;
constexpr uint64_t kAllocationGranularity = 0x10000;

class MappingObject final : public KernelObject {
 public:
  MappingObject(std::shared_ptr<FileObject> file, uint64_t size)
      : file(std::move(file)), size(size) {}
  const std::shared_ptr<FileObject> file;
  const uint64_t size;
};

struct View {
  uint32_t size;
  std::shared_ptr<MappingObject> mapping;
};

std::mutex& ViewLock() {
  static auto* lock = new std::mutex();
  return *lock;
}

std::map<uintptr_t, View>& Views() {
  static auto* views = new std::map<uintptr_t, View>();
  return *views;
}

}  // namespace

Handle K32_API CreateFileMappingA(Handle file, void* security, Dword protection, Dword sizeHigh,
                                  Dword sizeLow, const char* name) {
  if (protection != kPageReadOnly || name != nullptr || file == kInvalidHandle) {
    FailScenario("unimplemented import CreateFileMappingA (only unnamed read-only file mappings)");
  }
  auto object = FindHandleAs<FileObject>(file);
  if (!object) {
    SetThreadError(kErrorInvalidHandle);
    return 0;
  }
  struct stat st {};
  if (::fstat(object->fd, &st) != 0) {
    SetThreadError(ErrorFromErrno(errno, object->path));
    return 0;
  }
  const uint64_t fileSize = static_cast<uint64_t>(st.st_size);
  const uint64_t requested = (static_cast<uint64_t>(sizeHigh) << 32) | sizeLow;
  const uint64_t size = requested == 0 ? fileSize : requested;
  if (size == 0) {  // an empty file cannot be mapped
    SetThreadError(kErrorFileInvalid);
    return 0;
  }
  if (size > fileSize) {  // a read-only mapping cannot grow its file
    SetThreadError(kErrorNotEnoughMemory);
    return 0;
  }
  SetThreadError(kErrorSuccess);
  return AddHandle(std::make_shared<MappingObject>(std::move(object), size));
}

void* K32_API MapViewOfFile(Handle mapping, Dword access, Dword offsetHigh, Dword offsetLow,
                            uint32_t bytes) {
  if (access != kFileMapRead) {
    FailScenario("unimplemented import MapViewOfFile (access " + std::to_string(access) + ")");
  }
  auto object = FindHandleAs<MappingObject>(mapping);
  if (!object) {
    SetThreadError(kErrorInvalidHandle);
    return nullptr;
  }
  const uint64_t offset = (static_cast<uint64_t>(offsetHigh) << 32) | offsetLow;
  if (offset % kAllocationGranularity != 0) {
    SetThreadError(kErrorMappedAlignment);
    return nullptr;
  }
  if (offset >= object->size || bytes > object->size - offset ||
      (bytes == 0 && object->size - offset > 0xFFFFFFFFu)) {
    SetThreadError(kErrorAccessDenied);
    return nullptr;
  }
  const uint32_t length = bytes != 0 ? bytes : static_cast<uint32_t>(object->size - offset);
  void* view = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, object->file->fd,
                      static_cast<off_t>(offset));
  if (view == MAP_FAILED) {
    SetThreadError(kErrorNotEnoughMemory);
    return nullptr;
  }
  std::lock_guard hold(ViewLock());
  Views()[reinterpret_cast<uintptr_t>(view)] = {length, std::move(object)};
  return view;
}

Bool K32_API UnmapViewOfFile(const void* view) {
  View found;
  {
    std::lock_guard hold(ViewLock());
    auto it = Views().find(reinterpret_cast<uintptr_t>(view));
    if (it == Views().end()) {
      SetThreadError(kErrorInvalidAddress);
      return kFalse;
    }
    found = std::move(it->second);
    Views().erase(it);
  }
  ::munmap(const_cast<void*>(view), found.size);
  return kTrue;
}

}  // namespace sim::dll_host::win32
