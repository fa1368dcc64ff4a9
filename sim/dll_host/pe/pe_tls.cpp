#include "sim/dll_host/pe/pe_tls.h"

#include "sim/dll_host/pe/dll_call.h"

namespace sim::dll_host::pe {
namespace {

// This loader holds one DLL with TLS: its slot is the first.
constexpr uint32_t kModuleTlsIndex = 0;
// More callbacks than this means a missing terminator.
constexpr uint32_t kMaxCallbacks = 1024;

}  // namespace

bool ReadTls(ImageView& view, const PeImage& image, const std::string& path, TlsLayout* out,
             std::string* error) {
  *out = TlsLayout{};
  const DataDirectory& directory = image.Directory(kDirectoryTls);
  if (directory.virtualAddress == 0) return true;
  TlsDirectory32 tls{};
  if (directory.size < sizeof(tls) || !view.Read(directory.virtualAddress, &tls)) {
    *error = path + ": TLS directory too small";
    return false;
  }
  uint32_t start = 0, end = 0, index = 0;
  const bool hasData = tls.startAddressOfRawData != 0;
  if (hasData && (!view.RvaOf(tls.startAddressOfRawData, &start) ||
                  tls.endAddressOfRawData < tls.startAddressOfRawData ||
                  !view.Holds(start, tls.endAddressOfRawData - tls.startAddressOfRawData))) {
    *error = path + ": TLS template lies outside the image";
    return false;
  }
  if (hasData) {
    end = start + (tls.endAddressOfRawData - tls.startAddressOfRawData);
    const auto* base = reinterpret_cast<const uint8_t*>(uintptr_t{view.Base()});
    out->initialData.assign(base + start, base + end);
  }
  out->zeroFill = tls.sizeOfZeroFill;
  out->index = kModuleTlsIndex;
  if (tls.addressOfIndex != 0 &&
      (!view.RvaOf(tls.addressOfIndex, &index) || !view.Write(index, out->index))) {
    *error = path + ": TLS index lies outside the image";
    return false;
  }
  uint32_t list = 0;
  if (tls.addressOfCallBacks == 0) return true;
  if (!view.RvaOf(tls.addressOfCallBacks, &list)) {
    *error = path + ": TLS callback list lies outside the image";
    return false;
  }
  for (uint32_t i = 0; i < kMaxCallbacks; ++i) {
    uint32_t callback = 0, rva = 0;
    if (!view.Read(list + i * 4, &callback)) break;
    if (callback == 0) return true;
    if (!view.RvaOf(callback, &rva)) {
      *error = path + ": TLS callback " + std::to_string(i) + " lies outside the image";
      return false;
    }
    out->callbacks.push_back(callback);
  }
  *error = path + ": TLS callback list has no end";
  return false;
}

void RunTlsCallbacks(const TlsLayout& tls, uint32_t module, uint32_t reason) {
  for (uint32_t callback : tls.callbacks) CallStdcall3(callback, module, reason, 0);
}

}  // namespace sim::dll_host::pe
