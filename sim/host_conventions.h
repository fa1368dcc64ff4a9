// How each host function the library may call takes its arguments and
// gives its result: the host's own contract at that address. The simulator
// does not need it (the core calls the host's functions as C++ calls);
// quorlan-host32 puts machine code with exactly this contract at each
// address, so a DLL that calls one the wrong way breaks there.
#pragma once

#include <cstdint>
#include <span>

namespace sim {

enum class CallKind : uint8_t {
  Cdecl,   // stack arguments, the caller removes them
  Member,  // the object in ECX, stack arguments the callee removes
  Stdcall, // stack arguments the callee removes (the Win32 API's convention)
};

struct HostConvention {
  uint32_t address;
  const char* name;
  CallKind kind;
  uint8_t arguments;    // stack arguments (the object of a member call not counted)
  uint8_t resultBytes;  // 1 or 2: only AL / AX are meaningful; 4: EAX; 0: none
};

// Every host function of the simulated host the library can reach, in
// address order.
std::span<const HostConvention> HostConventions();
// The convention at `address`, or null when the host has no function there.
const HostConvention* ConventionAt(uint32_t address);

// The renderer object's virtual operations (HostRenderer): their slots and
// the host functions the simulated renderer's table points at.
inline constexpr int kRendererPrepareSlot = 1;
inline constexpr int kRendererFillSlot = 5;
inline constexpr int kRendererFrameSlot = 16;
inline constexpr int kRendererSlots = 24;
inline constexpr uint32_t kRendererPrepareFunction = 0x522B10;
inline constexpr uint32_t kRendererFillFunction = 0x522B50;
inline constexpr uint32_t kRendererFrameFunction = 0x522BA0;
inline constexpr uint32_t kRendererUnusedFunction = 0x522BF0;

}  // namespace sim
