// Modules: the host's image, the loaded quorlan.dll, and the system DLLs the
// layer implements, which answer GetProcAddress from their import tables.
// Any other DLL (libgcc_s_dw2-1.dll, which the unwinder probes for before
// falling back on its static frame tables; advapi32.dll) is not present.
#include <array>
#include <cctype>
#include <string>

#include "sim/dll_host/session.h"
#include "sim/dll_host/win32/dll_identity.h"
#include "sim/dll_host/win32/import_table.h"
#include "sim/dll_host/win32/kernel32_exports.h"

namespace sim::dll_host::win32 {
namespace {

constexpr Handle kHostModule = 0x400000;

struct SystemModule {
  const char* name;  // lower case, without ".dll"
  Handle handle;     // a module handle no mapping of this program uses
};
constexpr std::array<SystemModule, 6> kSystemModules{{{"kernel32", 0x7FF00000},
                                                      {"msvcrt", 0x7FF10000},
                                                      {"user32", 0x7FF20000},
                                                      {"shell32", 0x7FF30000},
                                                      {"wininet", 0x7FF40000},
                                                      {"opengl32", 0x7FF50000}}};

// "C:\\Windows\\System32\\KERNEL32.DLL" and "kernel32" both become "kernel32".
std::string ModuleKey(std::string name) {
  const size_t separator = name.find_last_of("\\/");
  if (separator != std::string::npos) name.erase(0, separator + 1);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dll") == 0) name.resize(name.size() - 4);
  return name;
}

std::string Narrow(const char16_t* wide) {
  std::string text;
  for (; *wide != 0; ++wide) text.push_back(*wide < 0x100 ? static_cast<char>(*wide) : '?');
  return text;
}

// The handle of the loaded module `name`, 0 when there is none.
Handle FindModule(const std::string& name) {
  const std::string key = ModuleKey(name);
  if (key == "quorlan") return LoadedDllBase();
  for (const SystemModule& module : kSystemModules) {
    if (key == module.name) return module.handle;
  }
  return 0;
}

Handle FindModuleOrFail(const std::string& name) {
  const Handle module = FindModule(name);
  if (module == 0) SetThreadError(kErrorModNotFound);
  return module;
}

}  // namespace

Handle K32_API GetModuleHandleA(const char* name) {
  if (name == nullptr) return kHostModule;
  return FindModuleOrFail(name);
}

Handle K32_API GetModuleHandleW(const char16_t* name) {
  if (name == nullptr) return kHostModule;
  return FindModuleOrFail(Narrow(name));
}

const void* K32_API GetProcAddress(Handle module, const char* name) {
  const auto nameValue = reinterpret_cast<uintptr_t>(name);
  if (module != 0 && module == LoadedDllBase()) {
    FailScenario("unimplemented import GetProcAddress (the DLL's own exports)");
  }
  for (const SystemModule& system : kSystemModules) {
    if (module != system.handle) continue;
    if (nameValue > 0xFFFF) {  // not an ordinal
      if (const void* symbol = FindImport(system.name, name)) return symbol;
    }
    break;
  }
  // Unknown modules, ordinals, and the host's image, which exports nothing.
  SetThreadError(kErrorProcNotFound);
  return nullptr;
}

Handle K32_API LoadLibraryA(const char* name) {
  if (name == nullptr) {
    SetThreadError(kErrorInvalidParameter);
    return 0;
  }
  return FindModuleOrFail(name);
}

Handle K32_API LoadLibraryW(const char16_t* name) {
  if (name == nullptr) {
    SetThreadError(kErrorInvalidParameter);
    return 0;
  }
  return FindModuleOrFail(Narrow(name));
}

// Loaded modules stay loaded: nothing here is ever unmapped.
Bool K32_API FreeLibrary(Handle module) {
  if (module == kHostModule || (module != 0 && module == LoadedDllBase())) return kTrue;
  for (const SystemModule& system : kSystemModules) {
    if (module == system.handle) return kTrue;
  }
  SetThreadError(kErrorInvalidHandle);
  return kFalse;
}

}  // namespace sim::dll_host::win32
