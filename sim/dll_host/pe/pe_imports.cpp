#include "sim/dll_host/pe/pe_imports.h"

#include <cstdio>

#include "sim/dll_host/pe/import_traps.h"
#include "sim/dll_host/win32/import_table.h"

namespace sim::dll_host::pe {
namespace {

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%X", value);
  return text;
}

// Binds the thunks of one descriptor. `lookup` names the imports, `slots`
// receives their addresses (the same table when the linker left no lookup).
bool BindDescriptor(ImageView& view, const std::string& dll, uint32_t lookup, uint32_t slots,
                    const std::string& path, std::vector<std::string>* trapped,
                    std::string* error) {
  for (uint32_t i = 0;; ++i) {
    uint32_t thunk = 0;
    if (!view.Read(lookup + i * 4, &thunk) || !view.Holds(slots + i * 4, 4)) {
      *error = path + ": import table of " + dll + " runs past the image";
      return false;
    }
    if (thunk == 0) return true;
    if ((thunk & kOrdinalFlag) != 0) {
      *error = path + ": imports ordinal " + std::to_string(thunk & 0xFFFF) + " of " + dll +
               " (only imports by name are supported)";
      return false;
    }
    std::string name;
    if (!view.ReadString(thunk + 2, &name)) {  // past the 16-bit hint
      *error = path + ": import name at " + Hex(thunk) + " of " + dll + " lies outside the image";
      return false;
    }
    uint32_t address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(FindImport(dll, name)));
    if (address == 0) {
      address = MakeImportTrap(dll, name);
      if (address == 0) {
        *error = path + ": no memory for the trap of " + dll + "!" + name;
        return false;
      }
      trapped->push_back(dll + "!" + name);
    }
    view.Write(slots + i * 4, address);
  }
}

}  // namespace

bool BindImports(ImageView& view, const PeImage& image, const std::string& path,
                 std::vector<std::string>* trapped, std::string* error) {
  const DataDirectory& directory = image.Directory(kDirectoryImport);
  if (directory.virtualAddress == 0) return true;
  for (uint32_t at = directory.virtualAddress;; at += sizeof(ImportDescriptor)) {
    ImportDescriptor descriptor{};
    if (!view.Read(at, &descriptor)) {
      *error = path + ": import directory runs past the image";
      return false;
    }
    if (descriptor.name == 0 && descriptor.firstThunk == 0) return true;
    std::string dll;
    if (!view.ReadString(descriptor.name, &dll)) {
      *error = path + ": import DLL name at " + Hex(descriptor.name) + " lies outside the image";
      return false;
    }
    const uint32_t lookup =
        descriptor.originalFirstThunk != 0 ? descriptor.originalFirstThunk : descriptor.firstThunk;
    if (!BindDescriptor(view, dll, lookup, descriptor.firstThunk, path, trapped, error)) {
      return false;
    }
  }
}

}  // namespace sim::dll_host::pe
