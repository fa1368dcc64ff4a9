// Registration points of the dispatcher's own messages. The dispatcher
// parses the shared values (character name, statistics, balances); the
// features that show or use them register here at attach, through the
// composition root (library.cpp). Points without registrations do nothing.
// Every point is called in registration order, on the main thread, from
// inside the handler (a throw ends the handler quietly).
#pragma once

#include <memory>
#include <string>

#include "protocol/dispatcher.h"
#include "protocol/shared_values.h"

namespace protocol {

// Opcode 159, after CharacterName was replaced: the hotkey presets switch
// to the character. Called for every 159, also when the name is unchanged.
void RegisterCharacterNameHook(void (*onName)(const std::string& name));

// Opcode 160, after the host's player variables were written and the
// statistics stored: the analyzer initialises its displays on the first
// message of the process and tracks the experience.
void RegisterStatisticsHook(void (*onStatistics)(const PlayerStatistics& statistics));

// Opcodes 223, 242 and 251, after the coin balances changed: the market's
// and the store's balance displays.
void RegisterCoinBalanceRefresh(void (*refresh)());

// Opcode 238, after BalanceU64 changed: the imbuement window and the charms
// view.
void RegisterGoldBalanceRefresh(void (*refresh)());

// Opcode 251 is the coin balances followed by store data. The store
// registers the reader of that rest here; only then does 251 become a
// library opcode (until then the host receives the whole message). False
// when 251 already has another owner.
bool RegisterStoreBalanceMessage(OpcodeHandler readRest);

// The dispatcher's own opcodes: 10, 97, 159, 160, 189, 223, 238 and 242.
// False when one of them was already taken.
bool RegisterDispatcherOpcodes();

// Tests: empties every registration point (not the opcode table) while it
// lives, then puts back what was registered before.
class ScopedMessageHooksForTests {
 public:
  ScopedMessageHooksForTests();
  ~ScopedMessageHooksForTests();
  ScopedMessageHooksForTests(const ScopedMessageHooksForTests&) = delete;
  ScopedMessageHooksForTests& operator=(const ScopedMessageHooksForTests&) = delete;

 private:
  std::unique_ptr<struct MessageHooks> saved_;
};

// ---- used by the dispatcher's handlers -------------------------------------
void NotifyCharacterName(const std::string& name);
void NotifyStatistics(const PlayerStatistics& statistics);
void NotifyCoinBalance();
void NotifyGoldBalance();
void ReadStoreBalanceRest();

}  // namespace protocol
