#include "sim/dll_host/host_gate.h"

#include <exception>
#include <map>
#include <string>
#include <vector>

#include "host/host_memory.h"
#include "sim/address_space.h"
#include "sim/dll_host/host_step.h"
#include "sim/dll_host/session.h"
#include "sim/host_conventions.h"
#include "sim/sim_host.h"

namespace {

// Gate entries whose function lives at another address: the host function
// at 0x4F0F30 starts with five bytes the patch table moved to 0x401865
// (entries 17 to 19), which run them and jump on to 0x4F0F35; the host's
// code there is the rest of that function, the creature drawing.
std::map<uint32_t, uint32_t>& Aliases() {
  static std::map<uint32_t, uint32_t> aliases;
  return aliases;
}

constexpr uint32_t kAbandon = 0xFFFFFFFF;
constexpr uint32_t kRaiseInLibrary = 0xFFFFFFFE;

}  // namespace

// quorlan_gate_dispatch(function, arguments, object): returns EAX in the
// low half and, in the high half, the bytes of stack arguments the callee
// removes, or kAbandon (abandon the step: a host exception was raised), or
// kRaiseInLibrary (a read the host refused: the library's caller gets an
// exception of its own runtime, as the core in the simulator gets the
// refusal as an exception).
extern "C" uint32_t quorlan_library_raise;

extern "C" uint64_t quorlan_gate_dispatch(uint32_t entry, const uint32_t* stack, uint32_t object) {
  using namespace sim;
  auto alias = Aliases().find(entry);
  const uint32_t function = alias == Aliases().end() ? entry : alias->second;
  const HostConvention* convention = ConventionAt(function);
  if (convention == nullptr) {
    dll_host::FailScenario("the library called host 0x" + std::to_string(function) +
                           ", which has no convention");
  }
  std::vector<uint32_t> args;
  if (convention->kind == CallKind::Member) args.push_back(object);
  args.insert(args.end(), stack, stack + convention->arguments);
  uint32_t result = 0;
  std::exception_ptr raised;
  bool refused = false;
  try {
    SimHost& host = dll_host::MachineHost();
    const SimHost::HostFunction* body = host.FunctionAt(function);
    result = body != nullptr ? (*body)(args.data(), static_cast<int>(args.size()))
                             : host.UnknownFunction(function, args.data(),
                                                    static_cast<int>(args.size()));
  } catch (const MessageOverrun&) {
    refused = true;
  } catch (...) {
    raised = std::current_exception();
  }
  if (refused) {
    if (quorlan_library_raise == 0) {
      dll_host::FailScenario("a read past the message's end, and the library has no runtime "
                             "function to raise it with");
    }
    return uint64_t{kRaiseInLibrary} << 32;
  }
  if (raised) {
    if (!dll_host::AbandonCurrentStep(raised)) {
      dll_host::FailScenario("a host function raised outside a host step");
    }
    return uint64_t{kAbandon} << 32;
  }
  switch (convention->resultBytes) {
    case 1: result = 0xA5A5A500u | (result & 0xFF); break;
    case 2: result = 0xA5A50000u | (result & 0xFFFF); break;
    default: break;
  }
  const uint32_t removed = convention->kind == CallKind::Cdecl ? 0 : 4u * convention->arguments;
  return (uint64_t{removed} << 32) | result;
}

// The gate. On entry [esp] is the entry's address + 5 (its CALL), [esp + 4]
// the caller's return address, [esp + 8] the first stack argument, ECX the
// object of a member call. The dispatcher runs on a 16-byte aligned stack.
asm(R"(
.intel_syntax noprefix
.text
.globl quorlan_host_gate
.type quorlan_host_gate, @function
quorlan_host_gate:
  push ebp
  mov ebp, esp
  push ebx
  push esi
  push edi
  mov esi, esp
  and esp, -16
  sub esp, 4
  lea eax, [ebp + 12]
  push ecx
  push eax
  mov eax, [ebp + 4]
  sub eax, 5
  push eax
  cld
  call quorlan_gate_dispatch
  mov esp, esi
  pop edi
  pop esi
  pop ebx
  pop ebp
  cmp edx, 0xFFFFFFFF
  je quorlan_step_abandon
  add esp, 4
  cmp edx, 0xFFFFFFFE
  je 2f
  test edx, edx
  jnz 1f
  mov ecx, 0x5C5C5C5C
  ret
1:
  pop ecx
  add esp, edx
  mov edx, 0x5D5D5D5D
  jmp ecx
2:
  # As if the caller had called the runtime's raising function instead:
  # the return address on top, the stack otherwise as at the call.
  jmp dword ptr [quorlan_library_raise]
.att_syntax prefix
)");

extern "C" void quorlan_host_gate();

namespace sim::dll_host {
namespace {

constexpr uint32_t kRebuiltContinuation = 0x4F0F35;
constexpr uint32_t kCreatureDrawing = 0x401865;
// A spare place in the host image for the creature drawing's gate entry.
constexpr uint32_t kCreatureDrawingEntry = 0x4F0F50;

void WriteGateEntry(uint32_t address) {
  const auto gate = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&quorlan_host_gate));
  host::Write<uint8_t>(address, 0xE8);
  host::Write<uint32_t>(address + 1, gate - (address + 5));
}

}  // namespace

void LayOutHostFunctions(SimHost& host) {
  for (const HostConvention& c : HostConventions()) WriteGateEntry(c.address);
  // 0x4F0F35: drop the -1 and the saved EBP the rebuilt start pushed, then
  // the creature drawing through its own gate entry.
  uint32_t at = kRebuiltContinuation;
  for (uint8_t byte : {0x83, 0xC4, 0x04, 0x5D}) host::Write<uint8_t>(at++, byte);  // add esp,4; pop ebp
  host::Write<uint8_t>(at, 0xE9);
  host::Write<uint32_t>(at + 1, kCreatureDrawingEntry - (at + 5));
  WriteGateEntry(kCreatureDrawingEntry);
  Aliases()[kCreatureDrawingEntry] = kCreatureDrawing;
}

}  // namespace sim::dll_host
