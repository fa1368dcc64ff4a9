#include "web/updater/data_files.h"

#include <cstring>

#include "host/host_functions.h"

namespace updater {
namespace {

struct DataFile {
  int32_t hostNumber;
  uint32_t displayName;  // NUL-terminated text in host memory
};

constexpr DataFile kDataFiles[] = {
    {0, 0x5CD80C}, {1, 0x5CD822}, {3, 0x5CD84C}, {5, 0x5CD884}, {4, 0x5CD868},
};

constexpr size_t kMaxDisplayName = 63;

}  // namespace

int32_t HostFileNumber(int index) { return kDataFiles[index].hostNumber; }

std::string DisplayName(int index) {
  const char* text = static_cast<const char*>(host::Pointer(kDataFiles[index].displayName));
  return std::string(text, strnlen(text, kMaxDisplayName));
}

std::string DataFilePath(int index, PathVariant variant) {
  const char* path = HostDataFilePath(HostFileNumber(index), static_cast<int32_t>(variant));
  return path != nullptr ? path : "";
}

}  // namespace updater
