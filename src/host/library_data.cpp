#include "host/library_data.h"

#include <cstring>
#include <new>

#include "host/handler_registry.h"
#include "host/host_backend.h"
#include "host/host_memory.h"

uint8_t SpriteGroupIndex = 0;

namespace host {

LibraryData& Data() {
  static LibraryData* data = [] {
    void* storage = Backend().LibraryDataStorage(sizeof(LibraryData));
    auto* d = new (storage) LibraryData{};
    d->outfitPatternZ = 1;
    std::memcpy(d->analyzerText, kAnalyzerText, sizeof(kAnalyzerText));
    return d;
  }();
  return *data;
}

const char* Name(DataSymbol symbol) {
  switch (symbol) {
    case DataSymbol::LargeMessageBuffer: return "LargeMessageBuffer";
    case DataSymbol::OutfitPatternZ: return "OutfitPatternZ";
    case DataSymbol::AnalyzerText: return "AnalyzerText";
  }
  return "?";
}

uint32_t AddressOf(DataSymbol symbol) {
  LibraryData& d = Data();
  switch (symbol) {
    case DataSymbol::LargeMessageBuffer: return host::AddressOf(d.largeMessageBuffer);
    case DataSymbol::OutfitPatternZ: return host::AddressOf(&d.outfitPatternZ);
    case DataSymbol::AnalyzerText: return host::AddressOf(d.analyzerText);
  }
  return 0;
}

}  // namespace host
