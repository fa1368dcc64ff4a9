#include "features/imbuements/imbuements.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "enhancements/commands.h"
#include "features/imbuements/state.h"
#include "features/imbuements/tracker.h"
#include "features/imbuements/window.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_hooks.h"
#include "protocol/message_reader.h"

namespace imbuements {
namespace {

constexpr int32_t kWindowOpcode = 0xEB;
constexpr int32_t kResultOpcode = 0xED;
constexpr int32_t kTrackerOpcode = 0x5D;

// The fields an occupied slot and an applicable imbuement share, up to the
// protection cost. A slot's sources are read and dropped; an applicable
// imbuement keeps them and names them in `sourceNames`.
ImbuementInfo ReadImbuement(std::map<uint16_t, std::string>* sourceNames) {
  ImbuementInfo info;
  info.id = HostReadU32();
  info.name = ReadString();
  info.description = ReadString();
  info.group = ReadString();
  info.iconId = HostReadU16();
  info.duration = HostReadU32();
  info.premiumOnly = HostReadU8() != 0;
  const uint8_t sourceCount = HostReadU8();
  if (sourceNames != nullptr) info.sources.reserve(sourceCount);
  for (uint8_t i = 0; i < sourceCount; ++i) {
    SourceNeed need;
    need.itemId = HostReadU16();
    std::string name = ReadString();
    need.count = HostReadU16();
    if (sourceNames == nullptr) continue;
    (*sourceNames)[need.itemId] = std::move(name);
    info.sources.push_back(need);
  }
  info.cost = HostReadU32();
  info.successRate = HostReadU8();
  info.protectionCost = HostReadU32();
  return info;
}

ImbuementSlot ReadSlot(uint8_t index) {
  ImbuementSlot slot;
  slot.index = index;
  if (HostReadU8() == 0) return slot;  // empty: nothing more
  slot.empty = false;
  slot.imbuement = ReadImbuement(nullptr);
  slot.remaining = HostReadU32();
  slot.clearCost = HostReadU32();
  return slot;
}

// Items 0, 97, 98 and 99 carry no slots.
bool CarriesSlots(uint16_t itemId) { return itemId != 0 && (itemId < 97 || itemId > 99); }

TrackerItem ReadTrackerItem() {
  TrackerItem item;
  item.equipmentSlot = HostReadU8();
  item.itemId = HostReadU16();
  if (!CarriesSlots(item.itemId)) return item;
  item.slotCount = HostReadU8();
  item.entries.reserve(item.slotCount);
  for (uint8_t i = 0; i < item.slotCount; ++i) {
    TrackerEntry entry;
    if (HostReadU8() != 0) {
      entry.name = ReadString();
      entry.iconId = HostReadU16();
      entry.timeLeft = HostReadU32();
      HostReadU8();  // not used
      entry.active = entry.timeLeft != 0;
    }
    item.entries.push_back(std::move(entry));
  }
  return item;
}

void LeaveGame() {
  DestroyEverywhere();
  State() = WindowState{};
  ResetTracker();
}

}  // namespace

void ParseImbuementWindow() {
  protocol::RunQuietly([] {
    // Everything is read into a fresh state that replaces the old one only
    // once the whole message was read: a message cut short changes nothing.
    // The fresh state also starts the selection over.
    WindowState next;
    next.itemId = HostReadU16();
    // A server announcing more than three slots has the rest of the
    // message read as if it had announced three.
    next.slotCount = std::min(HostReadU8(), kMaxSlots);
    next.slots.reserve(next.slotCount);
    for (uint8_t i = 0; i < next.slotCount; ++i) next.slots.push_back(ReadSlot(i));
    const uint16_t infoCount = HostReadU16();
    next.applicable.reserve(infoCount);
    for (uint16_t i = 0; i < infoCount; ++i) {
      next.applicable.push_back(ReadImbuement(&next.sourceNames));
    }
    const uint32_t ownedCount = HostReadU32();
    // Four bytes an entry: a count the buffer cannot hold is a broken
    // message, not four billion reads.
    if (uint64_t{ownedCount} * 4 > BytesLeftInBuffer()) throw std::length_error("owned sources");
    for (uint32_t i = 0; i < ownedCount; ++i) {
      const uint16_t itemId = HostReadU16();
      next.ownedSources[itemId] = HostReadU16();
    }
    next.Derive();
    State() = std::move(next);
    OpenOrUpdate();
  });
}

void ParseImbuementResult() {
  protocol::RunQuietly([] {
    const uint8_t kind = HostReadU8();
    const std::string message = ReadString();
    ShowResult(kind, message);
  });
}

void ParseImbuementTracker() {
  protocol::RunQuietly([] {
    const uint8_t itemCount = HostReadU8();
    std::vector<TrackerItem> items;
    items.reserve(itemCount);
    for (uint8_t i = 0; i < itemCount; ++i) {
      TrackerItem item = ReadTrackerItem();
      const bool running = std::any_of(item.entries.begin(), item.entries.end(),
                                       [](const TrackerEntry& entry) { return entry.active; });
      if (running) items.push_back(std::move(item));
    }
    TrackerItems() = std::move(items);
    OnTrackerItemsReplaced();
  });
}

void Install() {
  protocol::RegisterOpcode(kWindowOpcode, &ParseImbuementWindow);
  protocol::RegisterOpcode(kResultOpcode, &ParseImbuementResult);
  protocol::RegisterOpcode(kTrackerOpcode, &ParseImbuementTracker);
  protocol::RegisterGoldBalanceRefresh(&OnGoldChanged);
  enhancements::RegisterPanelCommand(enhancements::kOpenImbuementTrackerCommand, &ToggleTracker);
  InstallTracker();
  host::RegisterGameLeftReset(&LeaveGame);
}

}  // namespace imbuements
