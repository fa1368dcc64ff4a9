// The server message dispatcher: which opcodes the library consumes and
// who parses them. OpcodePump (host/handlers.h) asks Dispatch about every
// opcode once the game state has reached 6.
//
// The table is plain data: one handler pointer per opcode value, filled at
// attach by the composition root (library.cpp) as each feature registers
// its opcodes. An opcode without a handler goes to the host unchanged, so a
// message is either consumed whole by the library or left whole to the
// host, never half-read.
#pragma once

#include <array>
#include <cstdint>

namespace protocol {

// A server-message handler: reads exactly its payload with HostReadU8/U16/U32,
// ReadU64 and ReadString, updates its feature and refreshes its window. It
// runs on the host's main thread inside the host's parsing loop.
using OpcodeHandler = void (*)();

inline constexpr int32_t kMessageEnd = -1;  // HostNextOpcode: no more opcodes
inline constexpr int32_t kConsumed = -2;    // Dispatch: the library took it
// The lowest and highest opcodes the table can hold; the rest always go to
// the host.
inline constexpr int32_t kFirstTableOpcode = 10;
inline constexpr int32_t kLastTableOpcode = 254;
// Opcode 10 is run by the library and then parsed by the host too.
inline constexpr int32_t kSharedOpcode = 10;

// Makes `handler` the parser of `opcode`. Refused (false) for an opcode
// outside 10..254, a null handler, or an opcode that another handler owns
// already: two owners of one opcode is a wiring mistake.
bool RegisterOpcode(int32_t opcode, OpcodeHandler handler);
// The registered handler, or null.
OpcodeHandler OpcodeOwner(int32_t opcode);

// kConsumed when the library consumed the opcode and its payload; the
// opcode itself when the host must parse it (always for opcode 10, after
// its handler ran). Handler exceptions end the handler, never the pump.
int32_t Dispatch(int32_t opcode);

// Tests: an empty table while it lives (for a test's own registrations),
// then the table as it was before.
class ScopedOpcodeTableForTests {
 public:
  ScopedOpcodeTableForTests();
  ~ScopedOpcodeTableForTests();
  ScopedOpcodeTableForTests(const ScopedOpcodeTableForTests&) = delete;
  ScopedOpcodeTableForTests& operator=(const ScopedOpcodeTableForTests&) = delete;

 private:
  std::array<OpcodeHandler, 256> saved_;
};

}  // namespace protocol
