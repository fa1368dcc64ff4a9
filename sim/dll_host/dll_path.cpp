#include "sim/dll_host/dll_path.h"

#include <unistd.h>

#include <filesystem>
#include <utility>

namespace sim::dll_host {
namespace {

// The win32 preset's DLL: build/win32/quorlan.dll below the current folder
// (the source tree's root), else beside this program's build folder
// (build/host32/../win32), so the program runs from anywhere in the tree.
std::string DefaultPath() {
  const std::string fromRoot = "build/win32/quorlan.dll";
  std::error_code error;
  if (std::filesystem::exists(fromRoot, error)) return fromRoot;
  char self[4096];
  const ssize_t length = ::readlink("/proc/self/exe", self, sizeof(self) - 1);
  if (length <= 0) return fromRoot;
  const std::filesystem::path beside =
      std::filesystem::path(std::string(self, static_cast<size_t>(length))).parent_path() /
      ".." / "win32" / "quorlan.dll";
  return std::filesystem::exists(beside, error) ? beside.lexically_normal().string() : fromRoot;
}

std::string& Path() {
  static std::string path = DefaultPath();
  return path;
}

}  // namespace

const std::string& DllPath() { return Path(); }
void SetDllPath(std::string path) { Path() = std::move(path); }

}  // namespace sim::dll_host
