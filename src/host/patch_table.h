// The patch table as plain data: one row per entry, in the order applied.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/handler_registry.h"

namespace host {

enum class PatchKind : uint8_t { Call, Jump, Nop, Dword, Word, Byte, ConditionalCall };

// What the value of a row is.
enum class ValueKind : uint8_t {
  Immediate,    // a number (NOP: the byte count)
  HostAddress,  // a host code address (CALL/JMP target)
  Handler,      // a library handler
  Data,         // the address of library data plus an offset
};

struct PatchEntry {
  const char* label;  // "1" ... "190", "53a", "191" ... "193"
  PatchKind kind;
  uint32_t address;
  ValueKind valueKind;
  uint32_t value;  // immediate or host address
  Handler handler = Handler::Count;
  DataSymbol data = DataSymbol::LargeMessageBuffer;
};

// Entries 1 to 190 with 53a between 53 and 54.
std::span<const PatchEntry> MainPatchTable();
// Entries 191 to 193, applied only when the processor has SSE2.
std::span<const PatchEntry> Sse2PatchTable();

// The 32-bit value a row writes (CALL/JMP target, DWORD value, ...).
uint32_t ResolveValue(const PatchEntry& entry);

// Applies one row through the patch primitives.
void ApplyPatch(const PatchEntry& entry);

// The target a CALL site had before the table redirected it (0 when the site
// held no CALL or was not patched). The sprite hooks continue there, and the
// formatted print falls back to it.
uint32_t OriginalCallTarget(uint32_t site);

// Observer for tools: called after each row is applied with the row.
using PatchObserver = void (*)(const PatchEntry& entry);
void SetPatchObserver(PatchObserver observer);

}  // namespace host
