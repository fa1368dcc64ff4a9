#include "protocol/message_hooks.h"

#include <utility>
#include <vector>

#include "protocol/dispatcher_messages.h"
#include "protocol/handler_guard.h"

namespace protocol {

struct MessageHooks {
  std::vector<void (*)(const std::string&)> characterName;
  std::vector<void (*)(const PlayerStatistics&)> statistics;
  std::vector<void (*)()> coinBalance;
  std::vector<void (*)()> goldBalance;
  OpcodeHandler storeBalanceRest = nullptr;
};

namespace {

MessageHooks& Hooks() {
  static MessageHooks hooks;
  return hooks;
}

}  // namespace

void RegisterCharacterNameHook(void (*onName)(const std::string&)) {
  if (onName != nullptr) Hooks().characterName.push_back(onName);
}
void RegisterStatisticsHook(void (*onStatistics)(const PlayerStatistics&)) {
  if (onStatistics != nullptr) Hooks().statistics.push_back(onStatistics);
}
void RegisterCoinBalanceRefresh(void (*refresh)()) {
  if (refresh != nullptr) Hooks().coinBalance.push_back(refresh);
}
void RegisterGoldBalanceRefresh(void (*refresh)()) {
  if (refresh != nullptr) Hooks().goldBalance.push_back(refresh);
}

ScopedMessageHooksForTests::ScopedMessageHooksForTests()
    : saved_(std::make_unique<MessageHooks>(std::exchange(Hooks(), MessageHooks{}))) {}
ScopedMessageHooksForTests::~ScopedMessageHooksForTests() { Hooks() = std::move(*saved_); }

// Each registered function runs under its own guard: a display that fails
// to refresh does not keep the next one from refreshing.
void NotifyCharacterName(const std::string& name) {
  for (auto hook : Hooks().characterName) RunQuietly([&] { hook(name); });
}
void NotifyStatistics(const PlayerStatistics& statistics) {
  for (auto hook : Hooks().statistics) RunQuietly([&] { hook(statistics); });
}
void NotifyCoinBalance() {
  for (auto refresh : Hooks().coinBalance) RunQuietly(refresh);
}
void NotifyGoldBalance() {
  for (auto refresh : Hooks().goldBalance) RunQuietly(refresh);
}
void ReadStoreBalanceRest() {
  if (Hooks().storeBalanceRest != nullptr) RunQuietly(Hooks().storeBalanceRest);
}

bool RegisterStoreBalanceMessage(OpcodeHandler readRest) {
  if (readRest == nullptr || !RegisterOpcode(251, &ParseStoreCoinBalance)) return false;
  Hooks().storeBalanceRest = readRest;
  return true;
}

bool RegisterDispatcherOpcodes() {
  bool all = true;
  all &= RegisterOpcode(kSharedOpcode, &ParseHostNotice);
  all &= RegisterOpcode(97, &ParseSkippedValues97);
  all &= RegisterOpcode(159, &ParseCharacterName);
  all &= RegisterOpcode(160, &ParsePlayerStatistics);
  all &= RegisterOpcode(189, &ParseSkippedValues189);
  all &= RegisterOpcode(223, &ParseCoinBalance);
  all &= RegisterOpcode(238, &ParseGoldBalance);
  all &= RegisterOpcode(242, &ParseCoinBalanceFlag);
  return all;
}

}  // namespace protocol
