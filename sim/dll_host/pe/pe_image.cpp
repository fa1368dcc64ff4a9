#include "sim/dll_host/pe/pe_image.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace sim::dll_host::pe {
namespace {

// A DLL larger than this is not one the host ever loads; the bound keeps a
// corrupt SizeOfImage from asking for gigabytes.
constexpr uint32_t kMaxImageSize = 256u << 20;
constexpr uint32_t kPageSize = 0x1000;

template <typename T>
bool ReadAt(std::span<const uint8_t> file, uint64_t offset, T* out) {
  if (offset > file.size() || file.size() - offset < sizeof(T)) return false;
  std::memcpy(out, file.data() + offset, sizeof(T));
  return true;
}

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%X", value);
  return text;
}

std::string SectionName(const SectionHeader& section) {
  return std::string(section.name, strnlen(section.name, sizeof(section.name)));
}

// Checks one section against the file and the image. Empty on success.
std::string SectionFault(const SectionHeader& section, uint64_t fileSize, uint32_t imageSize) {
  const std::string name = "section '" + SectionName(section) + "'";
  const uint64_t rawEnd = uint64_t{section.pointerToRawData} + section.sizeOfRawData;
  if (section.sizeOfRawData != 0 && rawEnd > fileSize) {
    return name + " lies outside the file (bytes " + Hex(section.pointerToRawData) + ".." +
           Hex(static_cast<uint32_t>(rawEnd)) + " of a " + std::to_string(fileSize) +
           "-byte file)";
  }
  const uint32_t span = section.virtualSize != 0 ? section.virtualSize : section.sizeOfRawData;
  if (uint64_t{section.virtualAddress} + span > imageSize) {
    return name + " lies outside SizeOfImage " + Hex(imageSize);
  }
  return {};
}

std::string Validate(std::span<const uint8_t> file, PeImage* image) {
  uint16_t dosMagic = 0;
  if (!ReadAt(file, 0, &dosMagic) || file.size() < kDosLfanewOffset + 4) {
    return file.empty() ? "empty file" : "too short for a DOS header";
  }
  if (dosMagic != kDosMagic) return "not a PE file (no MZ signature)";
  uint32_t peOffset = 0, signature = 0;
  ReadAt(file, kDosLfanewOffset, &peOffset);
  if (!ReadAt(file, peOffset, &signature)) return "truncated before the PE header";
  if (signature != kPeSignature) return "not a PE file (no PE signature)";

  FileHeader& header = image->fileHeader;
  if (!ReadAt(file, uint64_t{peOffset} + 4, &header)) return "truncated in the COFF header";
  if (header.machine != kMachineI386) {
    return "machine " + Hex(header.machine) + " is not i386 (0x14C)";
  }
  const uint64_t optionalAt = uint64_t{peOffset} + 4 + sizeof(FileHeader);
  uint16_t magic = 0;
  if (!ReadAt(file, optionalAt, &magic)) return "truncated before the optional header";
  if (magic == kOptionalMagicPe32Plus) return "a 64-bit (PE32+) image, not a 32-bit one";
  if (magic != kOptionalMagicPe32) return "optional header magic " + Hex(magic) + " is not PE32";
  if (header.sizeOfOptionalHeader < sizeof(OptionalHeader32)) {
    return "optional header too small (" + std::to_string(header.sizeOfOptionalHeader) +
           " bytes)";
  }
  OptionalHeader32& optional = image->optional;
  if (!ReadAt(file, optionalAt, &optional)) return "truncated in the optional header";
  if ((header.characteristics & kCharacteristicDll) == 0) return "not a DLL (an executable)";
  if ((header.characteristics & kCharacteristicExecutable) == 0) {
    return "not marked executable (an object or a failed link)";
  }

  const uint32_t directoryCount = std::min(optional.numberOfRvaAndSizes, kDirectoryCount);
  const uint64_t directoriesAt = optionalAt + sizeof(OptionalHeader32);
  if (directoryCount * sizeof(DataDirectory) + sizeof(OptionalHeader32) >
      header.sizeOfOptionalHeader) {
    return "data directories extend past the optional header";
  }
  for (uint32_t i = 0; i < directoryCount; ++i) {
    if (!ReadAt(file, directoriesAt + i * sizeof(DataDirectory), &image->directories[i])) {
      return "truncated in the data directories";
    }
  }

  if (optional.sizeOfImage == 0 || optional.sizeOfImage > kMaxImageSize) {
    return "SizeOfImage " + Hex(optional.sizeOfImage) + " is out of range";
  }
  if (optional.imageBase % kPageSize != 0) {
    return "ImageBase " + Hex(optional.imageBase) + " is not page-aligned";
  }
  if (uint64_t{optional.imageBase} + optional.sizeOfImage > 0xFFFFFFFFull) {
    return "the image does not fit below 4 GiB";
  }
  if (optional.sizeOfHeaders > file.size() || optional.sizeOfHeaders > optional.sizeOfImage) {
    return "SizeOfHeaders " + Hex(optional.sizeOfHeaders) + " exceeds the file or the image";
  }
  if (optional.addressOfEntryPoint >= optional.sizeOfImage) {
    return "entry point " + Hex(optional.addressOfEntryPoint) + " lies outside the image";
  }

  const uint64_t sectionsAt = optionalAt + header.sizeOfOptionalHeader;
  for (uint32_t i = 0; i < header.numberOfSections; ++i) {
    SectionHeader section{};
    if (!ReadAt(file, sectionsAt + uint64_t{i} * sizeof(SectionHeader), &section)) {
      return "truncated in the section table";
    }
    if (std::string fault = SectionFault(section, file.size(), optional.sizeOfImage);
        !fault.empty()) {
      return fault;
    }
    image->sections.push_back(section);
  }

  for (uint32_t i = 0; i < kDirectoryCount; ++i) {
    const DataDirectory& directory = image->directories[i];
    if (i == kDirectorySecurity || directory.virtualAddress == 0) continue;
    if (uint64_t{directory.virtualAddress} + directory.size > optional.sizeOfImage) {
      return "data directory " + std::to_string(i) + " lies outside the image";
    }
  }
  return {};
}

}  // namespace

bool ParsePeImage(std::span<const uint8_t> file, const std::string& path, PeImage* out,
                  std::string* error) {
  *out = PeImage{};
  const std::string fault = Validate(file, out);
  if (fault.empty()) return true;
  *error = path + ": " + fault;
  return false;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>* out, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = path + ": cannot be opened";
    return false;
  }
  out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    *error = path + ": cannot be read";
    return false;
  }
  return true;
}

}  // namespace sim::dll_host::pe
