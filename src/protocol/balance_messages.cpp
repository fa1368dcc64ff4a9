// Opcodes 223, 242, 251 (coin balances) and 238 (gold balance).
#include "host/host_functions.h"
#include "protocol/dispatcher_messages.h"
#include "protocol/message_hooks.h"
#include "protocol/message_reader.h"
#include "protocol/shared_values.h"

namespace protocol {
namespace {

// u8 flag; with flag 1 the two balances follow, otherwise both become 0.
void ReadCoinBalances() {
  if (HostReadU8() != 1) {
    CoinBalanceA() = 0;
    CoinBalanceB() = 0;
    return;
  }
  CoinBalanceA() = HostReadU32();
  CoinBalanceB() = HostReadU32();
}

enum class GoldUpdate : uint8_t { Set = 0, Add = 1 };

}  // namespace

void ParseCoinBalance() {
  ReadCoinBalances();
  NotifyCoinBalance();
}

void ParseStoreCoinBalance() {
  ReadCoinBalances();
  NotifyCoinBalance();
  ReadStoreBalanceRest();
}

void ParseCoinBalanceFlag() {
  // Zero clears both balances; any other value leaves them as they are.
  if (HostReadU8() == 0) {
    CoinBalanceA() = 0;
    CoinBalanceB() = 0;
  }
  NotifyCoinBalance();
}

void ParseGoldBalance() {
  const auto kind = static_cast<GoldUpdate>(HostReadU8());
  if (kind == GoldUpdate::Set) {
    BalanceU64() = ReadU64();
  } else if (kind == GoldUpdate::Add) {
    BalanceU64() += ReadU64();  // unsigned: wraps at 2^64, no overflow trap
  }
  NotifyGoldBalance();
}

}  // namespace protocol
