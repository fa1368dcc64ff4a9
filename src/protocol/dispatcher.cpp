#include "protocol/dispatcher.h"

#include "protocol/handler_guard.h"

namespace protocol {
namespace {

// Indexed by the opcode byte; entries outside 10..254 stay null.
std::array<OpcodeHandler, 256>& Table() {
  static std::array<OpcodeHandler, 256> table{};
  return table;
}

bool InTableRange(int32_t opcode) {
  // opcode - 10 > 244 as an unsigned number: below 10 or above 254.
  return static_cast<uint32_t>(opcode) - uint32_t{kFirstTableOpcode} <=
         uint32_t{kLastTableOpcode - kFirstTableOpcode};
}

}  // namespace

bool RegisterOpcode(int32_t opcode, OpcodeHandler handler) {
  if (!InTableRange(opcode) || handler == nullptr) return false;
  OpcodeHandler& slot = Table()[static_cast<size_t>(opcode)];
  if (slot != nullptr && slot != handler) return false;
  slot = handler;
  return true;
}

OpcodeHandler OpcodeOwner(int32_t opcode) {
  return InTableRange(opcode) ? Table()[static_cast<size_t>(opcode)] : nullptr;
}

int32_t Dispatch(int32_t opcode) {
  if (!InTableRange(opcode)) return opcode;
  const OpcodeHandler handler = Table()[static_cast<size_t>(opcode)];
  if (handler == nullptr) return opcode;
  RunQuietly(handler);
  return opcode == kSharedOpcode ? opcode : kConsumed;
}

ScopedOpcodeTableForTests::ScopedOpcodeTableForTests() : saved_(Table()) { Table().fill(nullptr); }
ScopedOpcodeTableForTests::~ScopedOpcodeTableForTests() { Table() = saved_; }

}  // namespace protocol
