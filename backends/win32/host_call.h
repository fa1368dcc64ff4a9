// Calls of host code at a fixed 32-bit address with the host's conventions.
//
// Every argument the host takes is one 32-bit stack slot, so the wrappers
// accept only 32-bit scalar and pointer types: narrower values are widened
// by the caller, where the widening is visible.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace win32 {

template <typename T>
concept HostWord = sizeof(T) == 4 && (std::is_integral_v<T> || std::is_pointer_v<T>);

// cdecl: arguments pushed right to left, the caller removes them.
template <typename R, HostWord... A>
R CallCdecl(uint32_t address, A... args) {
  using Function = R(__attribute__((cdecl))*)(A...);
  return reinterpret_cast<Function>(static_cast<uintptr_t>(address))(args...);
}

// thiscall: the object in ECX, the callee removes the stack arguments.
template <typename R, HostWord... A>
R CallThiscall(uint32_t address, uint32_t object, A... args) {
  using Function = R(__attribute__((thiscall))*)(uint32_t, A...);
  return reinterpret_cast<Function>(static_cast<uintptr_t>(address))(object, args...);
}

// Address of virtual operation `slot` of a host object (the vtable pointer
// is the object's first word).
inline uint32_t VirtualSlot(uint32_t object, int slot) {
  const auto* vtable = *reinterpret_cast<const uint32_t* const*>(static_cast<uintptr_t>(object));
  return vtable[slot];
}

// The same calls with `count` arguments from an array, one instantiation
// per count, chosen through a table built at compile time.
namespace detail {

template <std::size_t... I>
uint32_t CdeclFromArray(uint32_t address, uint32_t, const uint32_t* args,
                        std::index_sequence<I...>) {
  return CallCdecl<uint32_t>(address, args[I]...);
}

template <std::size_t... I>
uint32_t ThiscallFromArray(uint32_t address, uint32_t object, const uint32_t* args,
                           std::index_sequence<I...>) {
  return CallThiscall<uint32_t>(address, object, args[I]...);
}

using ArrayCall = uint32_t (*)(uint32_t address, uint32_t object, const uint32_t* args);

template <bool kThiscall, std::size_t N>
uint32_t FromArray(uint32_t address, uint32_t object, const uint32_t* args) {
  if constexpr (kThiscall) {
    return ThiscallFromArray(address, object, args, std::make_index_sequence<N>{});
  } else {
    return CdeclFromArray(address, object, args, std::make_index_sequence<N>{});
  }
}

template <bool kThiscall, std::size_t... N>
constexpr auto MakeTable(std::index_sequence<N...>) {
  return std::array<ArrayCall, sizeof...(N)>{&FromArray<kThiscall, N>...};
}

}  // namespace detail
}  // namespace win32
