// Library variables that the host's own code reads through 32-bit pointers
// written by the patch table. They live in storage the backend provides at a
// host-addressable place (in the DLL simply the library's data).
#pragma once

#include <cstdint>

namespace host {

inline constexpr uint32_t kLargeMessageBufferSize = 0xFFF8;  // 65,528 bytes
inline constexpr char kAnalyzerText[] = "Check the details in the analyzer";

struct LibraryData {
  uint8_t largeMessageBuffer[kLargeMessageBufferSize];
  uint32_t outfitPatternZ;
  char analyzerText[sizeof(kAnalyzerText)];
  // The error code LoadDataFiles hands to the host's load-error exception,
  // which reads it through a 32-bit pointer.
  int32_t loadErrorCode;
  // Texts handed to host objects that keep a pointer to them (button
  // tooltips, menu texts): see host_texts.h.
  char hostTexts[8192];
  uint32_t hostTextsUsed;
};

// The one instance, created on first use from the backend's storage with the
// initial values (OutfitPatternZ 1, the analyzer text).
LibraryData& Data();

}  // namespace host

// The names host code and handlers know them by.
inline uint8_t* LargeMessageBuffer() { return host::Data().largeMessageBuffer; }
inline uint32_t& OutfitPatternZ() { return host::Data().outfitPatternZ; }

// Which of an appearance record's two frame groups the outfit getters read
// (0 or 1). Only library code reads it, so it is an ordinary variable.
extern uint8_t SpriteGroupIndex;
