// FindImport over the Win32 layer's tables (import_table.h). A table whose
// file is not linked yet answers nothing, through the weak empty defaults
// below; the table's own (strong) definition replaces its default.
#include <algorithm>
#include <cctype>
#include <string>

#include "sim/dll_host/win32/import_table.h"

namespace sim::dll_host {

__attribute__((weak)) std::span<const ImportSymbol> Kernel32Symbols() { return {}; }
__attribute__((weak)) std::span<const ImportSymbol> MsvcrtSymbols() { return {}; }
__attribute__((weak)) std::span<const ImportSymbol> User32Symbols() { return {}; }
__attribute__((weak)) std::span<const ImportSymbol> Shell32Symbols() { return {}; }
__attribute__((weak)) std::span<const ImportSymbol> WininetSymbols() { return {}; }
__attribute__((weak)) std::span<const ImportSymbol> OpenGl32Symbols() { return {}; }

namespace {

// "KERNEL32.dll" -> "kernel32"; "opengl32" stays as it is.
std::string DllKey(std::string_view dll) {
  std::string key(dll);
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::string_view kSuffix = ".dll";
  if (key.size() > kSuffix.size() && key.ends_with(kSuffix)) key.resize(key.size() - kSuffix.size());
  return key;
}

std::span<const ImportSymbol> TableOf(const std::string& key) {
  if (key == "kernel32") return Kernel32Symbols();
  if (key == "msvcrt") return MsvcrtSymbols();
  if (key == "user32") return User32Symbols();
  if (key == "shell32") return Shell32Symbols();
  if (key == "wininet") return WininetSymbols();
  if (key == "opengl32") return OpenGl32Symbols();
  return {};
}

}  // namespace

const void* FindImport(std::string_view dll, std::string_view name) {
  for (const ImportSymbol& symbol : TableOf(DllKey(dll))) {
    if (symbol.name != nullptr && name == symbol.name) return symbol.address;
  }
  return nullptr;
}

}  // namespace sim::dll_host
