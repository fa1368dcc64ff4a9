#include "features/prey/prey.h"

#include "enhancements/commands.h"
#include "features/prey/state.h"
#include "features/prey/tracker.h"
#include "features/prey/window.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "input/input_hooks.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_reader.h"
#include "protocol/outfit_field.h"

namespace prey {
namespace {

constexpr uint8_t kWildcardsKind = 10;
constexpr uint8_t kGoldKind = 1;

void ReadBonus(PreySlot& slot) {
  slot.bonusType = HostReadU8();
  slot.bonusValue = HostReadU16();
  slot.bonusGrade = HostReadU8();
}

void ReadChoices(PreySlot& slot) {
  const uint8_t count = HostReadU8();
  slot.choices.reserve(count);
  for (uint8_t i = 0; i < count; ++i) {
    PreyChoice choice;
    choice.name = ReadString();
    choice.outfit = ReadOutfit();
    slot.choices.push_back(std::move(choice));
  }
}

void Skip(int bytes) {
  for (int i = 0; i < bytes; ++i) HostReadU8();
}

void LeaveGame() {
  DestroyEverywhere();
  CloseTracker();
  ResetAll();
}

}  // namespace

void ParsePreySlot() {
  protocol::RunQuietly([] {
    // The record is built aside and stored only once the whole message was
    // read, so a message cut short changes nothing.
    const uint8_t index = HostReadU8();
    PreySlot slot;
    slot.state = HostReadU8();
    switch (slot.state) {
      case kLocked: slot.lockedOption = HostReadU8(); break;
      case kActive:
        slot.creatureName = ReadString();
        slot.outfit = ReadOutfit();
        ReadBonus(slot);
        slot.timeLeft = HostReadU16();
        break;
      case kSelection: ReadChoices(slot); break;
      case kSelectionChangeBonus:
        ReadBonus(slot);
        ReadChoices(slot);
        break;
      default: break;  // kInactive and unknown states carry nothing more
    }
    slot.freeRerollMinutes = HostReadU16();
    Skip(3);
    const uint64_t wildcards = ReadU64();
    Skip(2);
    const uint64_t gold = ReadU64();
    Skip(1);
    const uint32_t price = HostReadU32();
    Skip(2);

    if (index < kSlotCount) Slots()[index] = std::move(slot);
    StoreResource(kWildcardsKind, wildcards);
    StoreResource(kGoldKind, gold);
    Resources().listRerollPrice = price;
    if (index < kSlotCount) OnSlotReplaced(index);
    OnResourcesChanged();
  });
}

void ParsePreyTime() {
  protocol::RunQuietly([] {
    const uint8_t index = HostReadU8();
    const uint16_t timeLeft = HostReadU16();
    if (index < kSlotCount) Slots()[index].timeLeft = timeLeft;
  });
}

void Install() {
  protocol::RegisterOpcode(0xE8, &ParsePreySlot);
  protocol::RegisterOpcode(0xE7, &ParsePreyTime);
  enhancements::RegisterPanelCommand(enhancements::kOpenPreyCommand, &OpenPreyWindow);
  enhancements::RegisterPanelCommand(enhancements::kOpenPreyTrackerCommand, &ToggleTracker);
  input::hooks::openPreyDialog = &OpenPreyWindow;
  InstallTracker();
  host::RegisterGameLeftReset(&LeaveGame);
}

}  // namespace prey
