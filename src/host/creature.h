// The fields of a host creature record that the library reads. The record
// belongs to the host; these offsets are the host's layout.
#pragma once

#include <cstdint>

#include "host/host_memory.h"

namespace host::creature {

inline constexpr uint32_t kId = 0x00;             // u32; top bit set for a summon icon
inline constexpr uint32_t kLookType = 0x44;       // u32: outfit appearance id
inline constexpr uint32_t kMountLookType = 0x5C;  // u32: 0 when not mounted
inline constexpr uint32_t kWalking = 0x74;        // u8: 1 while a step is animated
inline constexpr uint32_t kWalkEndTime = 0x78;    // u32: ClockMillis at which the step ends

inline uint32_t Id(uint32_t c) { return Read<uint32_t>(c + kId); }
inline Ref<uint32_t> LookType(uint32_t c) { return At<uint32_t>(c + kLookType); }
inline uint32_t MountLookType(uint32_t c) { return Read<uint32_t>(c + kMountLookType); }
inline uint8_t Walking(uint32_t c) { return Read<uint8_t>(c + kWalking); }
inline uint32_t WalkEndTime(uint32_t c) { return Read<uint32_t>(c + kWalkEndTime); }

}  // namespace host::creature
