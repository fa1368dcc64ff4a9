#include "sim/dll_host/dll_path.h"

#include <utility>

namespace sim::dll_host {
namespace {

std::string& Path() {
  static std::string path = "build/win32/quorlan.dll";
  return path;
}

}  // namespace

const std::string& DllPath() { return Path(); }
void SetDllPath(std::string path) { Path() = std::move(path); }

}  // namespace sim::dll_host
