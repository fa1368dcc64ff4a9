// A PE file's headers, read and checked against the bytes of the file: what
// the loader maps, and nothing it has not validated. Every read is bounded
// by the file's size, so a truncated or foreign file is refused with a
// message instead of read past its end.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "sim/dll_host/pe/pe_format.h"

namespace sim::dll_host::pe {

struct PeImage {
  FileHeader fileHeader{};
  OptionalHeader32 optional{};
  DataDirectory directories[kDirectoryCount] = {};  // missing ones are zero
  std::vector<SectionHeader> sections;

  const DataDirectory& Directory(uint32_t index) const { return directories[index]; }
};

// Parses and validates `file` as a 32-bit x86 PE DLL: MZ and PE signatures,
// machine i386, a PE32 optional header, the DLL characteristic, headers and
// sections inside the file, sections and the directories the loader reads
// inside SizeOfImage. On failure returns false with *error set to one line
// naming `path` and what is wrong.
bool ParsePeImage(std::span<const uint8_t> file, const std::string& path, PeImage* out,
                  std::string* error);

// The file's bytes; false with a message naming `path` when it cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>* out, std::string* error);

}  // namespace sim::dll_host::pe
