#include "platform/platform.h"

#include <cstdlib>

namespace platform {
namespace {
Platform* installed = nullptr;
}  // namespace

void Install(Platform* platform) { installed = platform; }

Platform& Get() {
  // Running without a platform is a wiring error of the backend, never a
  // state the host can produce; stop loudly rather than dereference null.
  if (installed == nullptr) std::abort();
  return *installed;
}

}  // namespace platform
