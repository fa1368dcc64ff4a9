#include "features/forge/forge.h"

#include <vector>

#include "enhancements/commands.h"
#include "features/forge/requests.h"
#include "features/forge/state.h"
#include "features/forge/window.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "protocol/date_text.h"
#include "protocol/dispatcher.h"
#include "protocol/handler_guard.h"
#include "protocol/message_reader.h"

namespace forge {
namespace {

// A list is built aside and stored whole, so a message that fails half-way
// leaves the balance read before it but never half a list.
ForgeItem ReadItem(bool withTier) {
  ForgeItem item;
  item.displayId = HostReadU16();  // the wire sends the picture's id first
  item.itemId = HostReadU16();
  item.name = ReadString();
  item.tier = withTier ? HostReadU8() : 0;
  item.classification = HostReadU8();
  item.amount = HostReadU16();
  return item;
}

std::vector<ForgeItem> ReadItems(bool withTier) {
  const uint16_t count = HostReadU16();
  std::vector<ForgeItem> items;
  items.reserve(count);
  for (uint16_t i = 0; i < count; ++i) items.push_back(ReadItem(withTier));
  return items;
}

void ReadResult(void (*reload)()) {
  const uint8_t success = HostReadU8();
  const std::string message = ReadString();
  ShowResult(success != 0 ? 1 : 0, message);
  reload();
}

void LeaveGame() {
  DestroyEverywhere();
  State().Reset();
  State().history.clear();
}

}  // namespace

void ParseExaltationUpdateItems() {
  protocol::RunReportingFailure("ParseExaltationUpdateItems", [] {
    ForgeState& state = State();
    const uint64_t gold = ReadU64();
    const uint32_t cores = HostReadU32();
    std::vector<ForgeItem> items = ReadItems(true);
    state.fusionItems = std::move(items);
    state.selectedFusion.reset();
    state.gold = gold;
    state.cores = cores;
    OnFusionItemsReplaced();
  });
}

void ParseExaltationForgeResult() {
  protocol::RunReportingFailure("ParseExaltationForgeResult",
                                [] { ReadResult(&RequestFusionItems); });
}

void ParseExaltationOpenWindow() {
  protocol::RunReportingFailure("ParseExaltationOpenWindow", [] { OpenFromServer(); });
}

void ParseExaltationHistory() {
  protocol::RunReportingFailure("ParseExaltationHistory", [] {
    ForgeState& state = State();
    const uint32_t page = HostReadU32();
    const uint32_t pages = HostReadU32();
    const uint16_t count = HostReadU16();
    std::vector<ForgeHistoryEntry> history;
    history.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
      ForgeHistoryEntry entry;
      entry.action = ReadString();
      entry.timestamp = HostReadU32();
      entry.date = protocol::DateText(entry.timestamp);
      entry.details = ReadString();
      history.push_back(std::move(entry));
    }
    state.historyPage = page;
    state.historyPages = pages == 0 ? 1 : pages;
    state.history = std::move(history);
    OnHistoryReplaced();
  });
}

void ParseExaltationTransferData() {
  protocol::RunReportingFailure("ParseExaltationTransferData", [] {
    ForgeState& state = State();
    const uint64_t gold = ReadU64();
    const uint32_t cores = HostReadU32();
    std::vector<ForgeItem> sources = ReadItems(true);
    std::vector<ForgeItem> targets = ReadItems(false);
    state.transferSources = std::move(sources);
    state.transferTargets = std::move(targets);
    state.selectedSource.reset();
    state.selectedTarget.reset();
    state.gold = gold;
    state.cores = cores;
    OnTransferDataReplaced();
  });
}

void ParseExaltationTransferResult() {
  protocol::RunReportingFailure("ParseExaltationTransferResult",
                                [] { ReadResult(&RequestTransferData); });
}

void Install() {
  protocol::RegisterOpcode(0xCC, &ParseExaltationUpdateItems);
  protocol::RegisterOpcode(0xCD, &ParseExaltationForgeResult);
  protocol::RegisterOpcode(0xCE, &ParseExaltationOpenWindow);
  protocol::RegisterOpcode(0xCF, &ParseExaltationHistory);
  protocol::RegisterOpcode(0xD0, &ParseExaltationTransferData);
  protocol::RegisterOpcode(0xD1, &ParseExaltationTransferResult);
  enhancements::RegisterPanelCommand(enhancements::kOpenForgeCommand, &OpenFromCommand);
  host::RegisterGameLeftReset(&LeaveGame);
}

}  // namespace forge
