// What the graphics test program's session lets the tests observe, and how
// they call a COM method by slot as the DLL's code does.
//
// The program links every graphics/*.cpp but draw_sink.cpp (test_session.cpp
// collects the draws instead), win32/opengl32.cpp, win32/tests/
// layer_test_main.cpp, the DLL's own pixel work src/gui/texture/
// texture_pixels.cpp, libpng and zlib for i686:
//   i686-linux-gnu-g++ -std=c++20 -O1 -mincoming-stack-boundary=2 -static -pthread
//     -I. -Isrc -I<libpng and pnglibconf.h> <those files> libpng.a libz.a
//   qemu-i386 -cpu max ./graphics_test
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/sim_host.h"

namespace sim::dll_host::test {

// FailScenario's message, thrown instead of ending the scenario.
struct ScenarioFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Every texture draw recorded since the program started.
std::vector<DrawCall>& Draws();

// Calls slot `slot` of `object`'s virtual table: stdcall, the object first.
template <typename R = uint32_t, typename... Args>
R CallSlot(const void* object, size_t slot, Args... args) {
  using Method = R(__attribute__((stdcall))*)(const void*, Args...);
  const void* const* table = *static_cast<const void* const* const*>(object);
  return reinterpret_cast<Method>(table[slot])(object, args...);
}

// The message the call fails the scenario with; empty when it does not.
template <typename Call>
std::string FailureOf(Call call) {
  try {
    call();
  } catch (const ScenarioFailed& failed) {
    return failed.what();
  }
  return "";
}

}  // namespace sim::dll_host::test
