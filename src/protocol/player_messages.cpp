// Opcodes 159 (character name) and 160 (player statistics).
#include <cstring>

#include "host/host_functions.h"
#include "platform/platform.h"
#include "protocol/dispatcher_messages.h"
#include "protocol/handler_guard.h"
#include "protocol/message_hooks.h"
#include "protocol/message_reader.h"
#include "protocol/shared_values.h"

namespace protocol {
namespace {

// Where the host keeps each statistic, in the order the host's own parser
// wrote them. The host no longer sees opcode 160, so the library does.
struct HostStatistic {
  uint32_t address;
  uint8_t width;  // bytes written: the low bytes of the value
  uint8_t index;  // into PlayerStatistics::statistics
};
constexpr HostStatistic kHostStatistics[] = {
    {0x63FE94, 2, 0}, {0x63FE90, 2, 1}, {0x63FE68, 4, 2},  {0x63FE88, 2, 3},
    {0x63FE80, 1, 4}, {0x63FE78, 2, 5}, {0x63FE74, 2, 6},  {0x63FE84, 2, 7},
    {0x63FE7C, 1, 8}, {0x63FE70, 1, 9}, {0x63FE6C, 2, 10},
};
constexpr uint32_t kExperienceLow = 0x63FE8C;
// The high half shares its place with S1: the 16-bit write of S1 that
// follows overwrites its low bytes, as in the host.
constexpr uint32_t kExperienceHigh = 0x63FE90;

void WriteHostStatistic(const HostStatistic& row, uint32_t value) {
  switch (row.width) {
    case 1: host::Write<uint8_t>(row.address, static_cast<uint8_t>(value)); break;
    case 2: host::Write<uint16_t>(row.address, static_cast<uint16_t>(value)); break;
    default: host::Write<uint32_t>(row.address, value); break;
  }
}

void WriteHostPlayerVariables(const PlayerStatistics& s) {
  host::Write<uint32_t>(kExperienceLow, static_cast<uint32_t>(s.experience));
  if (s.experience > 0x7FFFFFFF) {
    host::Write<uint32_t>(kExperienceHigh, static_cast<uint32_t>(s.experience >> 32));
  }
  for (const HostStatistic& row : kHostStatistics) {
    WriteHostStatistic(row, s.statistics[row.index]);
  }
}

// The host's experience label: "Exp." and seven zero bytes at module base
// + 0x1BCA60, rewritten after every statistics message. The bytes lie in
// the host's image, so they are opened for writing first. When they cannot
// be opened the label is left alone: writing a protected page would crash
// the host.
void WriteExperienceLabel() {
  static constexpr char kLabel[kExperienceLabelSize] = {'E', 'x', 'p', '.'};
  platform::Platform& os = platform::Get();
  const uint32_t address = os.HostModuleBase() + kExperienceLabelOffset;
  uint32_t oldProtection = 0;
  if (!os.VirtualProtect(address, kExperienceLabelSize, platform::kPageExecuteReadWrite,
                         &oldProtection)) {
    return;
  }
  std::memcpy(host::Pointer(address), kLabel, kExperienceLabelSize);
  uint32_t ignored = 0;
  os.VirtualProtect(address, kExperienceLabelSize, oldProtection, &ignored);
}

}  // namespace

void ParseCharacterName() {
  RunQuietly([] {
    CharacterName() = ReadString();
    NotifyCharacterName(CharacterName());
  });
}

void ParsePlayerStatistics() {
  RunQuietly([] {
    PlayerStatistics s;
    for (int i = 0; i < 3; ++i) s.statistics[i] = HostReadU32();
    s.experience = ReadU64();
    for (int i = 3; i < 11; ++i) s.statistics[i] = HostReadU32();
    WriteHostPlayerVariables(s);
    StorePlayerStatistics(s);
    NotifyStatistics(s);
  });
  WriteExperienceLabel();
}

}  // namespace protocol
