// COM virtual tables for the graphics objects the host's renderer hands the
// DLL. A COM object is a pointer to its table, and the DLL's code reaches a
// method only by its slot number (IUnknown's three first, then the
// interface's own in their documented order), so each table is built from
// the interface's full method list: every slot starts as a stub that fails
// the scenario naming the method, and the methods this host answers are then
// bound by name.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "sim/dll_host/session.h"

// Methods are stdcall with the object first; the DLL's code keeps its stack
// only 4-byte aligned, so each entry point realigns its own frame.
#define COM_API __attribute__((stdcall, force_align_arg_pointer))

namespace sim::dll_host::graphics {

using HResult = uint32_t;
inline constexpr HResult kOk = 0;

// An interface: its name and its methods, slot by slot.
template <size_t N>
struct ComInterface {
  const char* name;
  std::array<const char*, N> methods;
};

// The stub of one slot. It never returns (FailScenario abandons the step or
// the thread), so the arguments a stdcall callee would pop do not matter.
template <const auto& Interface, size_t Slot>
COM_API void UnimplementedMethod(void*) {
  FailScenario(std::string("unimplemented import ") + Interface.name +
               "::" + Interface.methods[Slot]);
}

template <const auto& Interface>
class VirtualTable {
 public:
  static constexpr size_t kSize = Interface.methods.size();

  VirtualTable() { FillWithStubs(std::make_index_sequence<kSize>()); }

  // Gives the slot named `method` its behaviour. A name the interface lacks
  // is a fault of this program, not of the scenario: it stops at once.
  template <typename Function>
  VirtualTable& Bind(std::string_view method, Function* function) {
    for (size_t slot = 0; slot < kSize; ++slot) {
      if (method == Interface.methods[slot]) {
        slots_[slot] = reinterpret_cast<const void*>(function);
        return *this;
      }
    }
    std::abort();
  }

  // What a COM object's first word points at.
  const void* const* Slots() const { return slots_.data(); }

 private:
  template <size_t... Slot>
  void FillWithStubs(std::index_sequence<Slot...>) {
    ((slots_[Slot] = reinterpret_cast<const void*>(&UnimplementedMethod<Interface, Slot>)), ...);
  }

  std::array<const void*, kSize> slots_{};
};

// The head every object shares: the table, then the reference count.
// Objects are plain structs deriving from it, so the table is the first
// word as COM requires.
struct ComObject {
  const void* const* vtable = nullptr;
  uint32_t references = 1;
};

}  // namespace sim::dll_host::graphics
