#include "sim/dll_host/dll_symbols.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" {
uint32_t quorlan_library_raise = 0;
}

namespace sim::dll_host {
namespace {

template <typename T>
bool ReadAt(const std::vector<uint8_t>& file, uint64_t offset, T* out) {
  if (offset + sizeof(T) > file.size()) return false;
  std::memcpy(out, file.data() + offset, sizeof(T));
  return true;
}

constexpr uint32_t kSymbolSize = 18, kSectionHeaderSize = 40;

}  // namespace

uint32_t FindDllSymbol(const std::string& path, uint32_t base, const std::string& name) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  uint32_t peOffset = 0, symbols = 0, symbolCount = 0;
  uint16_t sectionCount = 0, optionalSize = 0;
  if (!ReadAt(file, 0x3C, &peOffset) || !ReadAt(file, peOffset + 6, &sectionCount) ||
      !ReadAt(file, peOffset + 12, &symbols) || !ReadAt(file, peOffset + 16, &symbolCount) ||
      !ReadAt(file, peOffset + 20, &optionalSize) || symbols == 0) {
    return 0;
  }
  const uint64_t sectionTable = uint64_t{peOffset} + 24 + optionalSize;
  const uint64_t strings = uint64_t{symbols} + uint64_t{symbolCount} * kSymbolSize;
  for (uint32_t i = 0; i < symbolCount; ++i) {
    const uint64_t at = uint64_t{symbols} + uint64_t{i} * kSymbolSize;
    uint8_t entry[kSymbolSize];
    if (at + kSymbolSize > file.size()) return 0;
    std::memcpy(entry, file.data() + at, kSymbolSize);
    std::string symbolName;
    uint32_t zeroes = 0, nameOffset = 0;
    std::memcpy(&zeroes, entry, 4);
    std::memcpy(&nameOffset, entry + 4, 4);
    if (zeroes != 0) {
      symbolName.assign(reinterpret_cast<const char*>(entry), strnlen(reinterpret_cast<const char*>(entry), 8));
    } else if (strings + nameOffset < file.size()) {
      const char* text = reinterpret_cast<const char*>(file.data() + strings + nameOffset);
      symbolName.assign(text, strnlen(text, file.size() - (strings + nameOffset)));
    }
    const uint8_t auxiliary = entry[17];
    if (symbolName == name) {
      uint32_t value = 0;
      int16_t section = 0;
      std::memcpy(&value, entry + 8, 4);
      std::memcpy(&section, entry + 12, 2);
      uint32_t sectionAddress = 0;
      if (section < 1 || section > sectionCount ||
          !ReadAt(file, sectionTable + (section - 1) * kSectionHeaderSize + 12, &sectionAddress)) {
        return 0;
      }
      return base + sectionAddress + value;
    }
    i += auxiliary;
  }
  return 0;
}

void SetLibraryRaise(uint32_t address) { quorlan_library_raise = address; }

}  // namespace sim::dll_host
