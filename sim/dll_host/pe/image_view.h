// Bounded access to a mapped image by RVA. The image's own tables (imports,
// relocations, TLS) are data of the file, so every read through them is
// checked against SizeOfImage before it is made.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace sim::dll_host::pe {

class ImageView {
 public:
  ImageView(uint8_t* base, uint32_t size) : base_(base), size_(size) {}

  uint32_t Base() const { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(base_)); }
  uint32_t Size() const { return size_; }

  bool Holds(uint32_t rva, uint64_t bytes) const { return rva <= size_ && size_ - rva >= bytes; }
  // The RVA of virtual address `va`, when it lies in the image.
  bool RvaOf(uint32_t va, uint32_t* rva) const {
    if (va < Base() || va - Base() >= size_) return false;
    *rva = va - Base();
    return true;
  }

  template <typename T>
  bool Read(uint32_t rva, T* out) const {
    if (!Holds(rva, sizeof(T))) return false;
    std::memcpy(out, base_ + rva, sizeof(T));
    return true;
  }
  template <typename T>
  bool Write(uint32_t rva, const T& value) {
    if (!Holds(rva, sizeof(T))) return false;
    std::memcpy(base_ + rva, &value, sizeof(T));
    return true;
  }
  // A NUL-terminated string at `rva` that ends inside the image.
  bool ReadString(uint32_t rva, std::string* out) const {
    if (rva >= size_) return false;
    const void* end = std::memchr(base_ + rva, 0, size_ - rva);
    if (end == nullptr) return false;
    const auto* start = reinterpret_cast<const char*>(base_ + rva);
    out->assign(start, static_cast<const char*>(end));
    return true;
  }

 private:
  uint8_t* base_;
  uint32_t size_;
};

}  // namespace sim::dll_host::pe
