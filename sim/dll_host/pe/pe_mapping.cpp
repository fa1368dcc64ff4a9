#include "sim/dll_host/pe/pe_mapping.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace sim::dll_host::pe {

constexpr uint32_t kPageSize = 0x1000;

namespace {

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%X", value);
  return text;
}

void* MapAnywhereOrAt(uint32_t preferred, size_t size) {
  constexpr int kProtection = PROT_READ | PROT_WRITE | PROT_EXEC;
  void* at = ::mmap(reinterpret_cast<void*>(uintptr_t{preferred}), size, kProtection,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
  // A kernel (or emulator) that does not know MAP_FIXED_NOREPLACE takes the
  // address as a hint and may return another one: that is "elsewhere" too.
  if (at != MAP_FAILED) return at;
  at = ::mmap(nullptr, size, kProtection, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return at == MAP_FAILED ? nullptr : at;
}

}  // namespace

bool MapImage(std::span<const uint8_t> file, const PeImage& image, const std::string& path,
              ImageView* out, std::string* error) {
  const uint32_t size = (image.optional.sizeOfImage + kPageSize - 1) & ~(kPageSize - 1);
  auto* base = static_cast<uint8_t*>(MapAnywhereOrAt(image.optional.imageBase, size));
  if (base == nullptr) {
    *error = path + ": no memory for its " + Hex(size) + "-byte image";
    return false;
  }
  // ParsePeImage checked every range below against the file and the image.
  std::memcpy(base, file.data(), image.optional.sizeOfHeaders);
  for (const SectionHeader& section : image.sections) {
    uint32_t bytes = section.sizeOfRawData;
    if (section.virtualSize != 0) bytes = std::min(bytes, section.virtualSize);
    if (bytes == 0) continue;
    std::memcpy(base + section.virtualAddress, file.data() + section.pointerToRawData, bytes);
  }
  *out = ImageView(base, image.optional.sizeOfImage);
  return true;
}

bool Relocate(ImageView& view, const PeImage& image, const std::string& path,
              std::string* error) {
  const uint32_t delta = view.Base() - image.optional.imageBase;
  if (delta == 0) return true;
  const DataDirectory& directory = image.Directory(kDirectoryBaseReloc);
  if (directory.virtualAddress == 0 || directory.size == 0) {
    *error = path + ": its preferred base " + Hex(image.optional.imageBase) +
             " is taken and it has no base relocations";
    return false;
  }
  const uint32_t end = directory.virtualAddress + directory.size;  // inside the image (parsed)
  uint32_t at = directory.virtualAddress;
  while (end - at >= sizeof(BaseRelocationBlock)) {
    BaseRelocationBlock block{};
    view.Read(at, &block);
    if (block.blockSize < sizeof(BaseRelocationBlock) || block.blockSize > end - at) {
      *error = path + ": malformed base relocation block at " + Hex(at);
      return false;
    }
    const uint32_t entries = (block.blockSize - sizeof(BaseRelocationBlock)) / 2;
    for (uint32_t i = 0; i < entries; ++i) {
      uint16_t entry = 0;
      view.Read(at + sizeof(BaseRelocationBlock) + i * 2, &entry);
      const uint16_t type = entry >> 12;
      if (type == kRelocAbsolute) continue;
      const uint64_t target = uint64_t{block.pageRva} + (entry & 0xFFF);
      uint32_t word = 0;
      if (type != kRelocHighLow) {
        *error = path + ": unsupported base relocation type " + std::to_string(type);
        return false;
      }
      if (target > UINT32_MAX || !view.Read(static_cast<uint32_t>(target), &word)) {
        *error = path + ": base relocation outside the image at " +
                 Hex(static_cast<uint32_t>(target));
        return false;
      }
      view.Write(static_cast<uint32_t>(target), word + delta);
    }
    at += block.blockSize;
  }
  return true;
}

}  // namespace sim::dll_host::pe

namespace sim::dll_host::pe {

void UnmapImage(const ImageView& view) {
  const uint32_t size = (view.Size() + kPageSize - 1) & ~(kPageSize - 1);
  ::munmap(reinterpret_cast<void*>(uintptr_t{view.Base()}), size);
}

}  // namespace sim::dll_host::pe
