// Access to host memory by 32-bit host address.
//
// In the DLL a host address is the address itself. The simulator maps its
// emulated host image (0x400000 upwards) and its host heap at the same low
// addresses, so the same code runs unchanged in both. Reads and writes go
// through memcpy because host fields are often unaligned.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace host {

inline void* Pointer(uint32_t address) {
  return reinterpret_cast<void*>(static_cast<uintptr_t>(address));
}

// The 32-bit host address of library data that the host addresses directly.
// REQUIRES: p lies in host-addressable memory (see library_data.h).
inline uint32_t AddressOf(const void* p) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
}

template <typename T>
T Read(uint32_t address) {
  static_assert(std::is_trivially_copyable_v<T>);
  T value;
  std::memcpy(&value, Pointer(address), sizeof(T));
  return value;
}

template <typename T>
void Write(uint32_t address, T value) {
  static_assert(std::is_trivially_copyable_v<T>);
  std::memcpy(Pointer(address), &value, sizeof(T));
}

// A reference to one host variable: host::At<uint32_t>(0x79CF28) = 8;
template <typename T>
class Ref {
 public:
  explicit Ref(uint32_t address) : address_(address) {}
  operator T() const { return Read<T>(address_); }
  Ref& operator=(T value) {
    Write<T>(address_, value);
    return *this;
  }
  Ref& operator+=(T value) { return *this = static_cast<T>(Read<T>(address_) + value); }
  uint32_t address() const { return address_; }

 private:
  uint32_t address_;
};

template <typename T>
Ref<T> At(uint32_t address) {
  return Ref<T>(address);
}

}  // namespace host
