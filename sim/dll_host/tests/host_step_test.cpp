// i686 checks of the host steps and the gate of the host's functions, run
// under qemu-i386: library code that keeps or breaks the host's contract,
// host functions reached through their machine code in each convention.
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/host_memory.h"
#include "sim/address_space.h"
#include "sim/dll_host/host_gate.h"
#include "sim/dll_host/host_step.h"
#include "sim/dll_host/machine.h"
#include "sim/os/sim_os.h"
#include "sim/sim_host.h"

using namespace sim;
using namespace sim::dll_host;

// Stand-ins for library code, each doing one thing right or wrong.
extern "C" {
void CdeclAdd();          // returns [esp+4] + [esp+8]
void StdcallAdd();        // the same, removes its two arguments
void PopsTooMany();       // cdecl that removes 4 bytes
void ClobbersEbx();
void ClobbersEsi();
void LeavesDirectionSet();
void ReturnsEcx();        // returns ECX (the object of a member call)
void CallsHostRead();     // calls host 0x4F9A60 (HostReadU8) and returns EAX whole
void CallsMember();       // calls host 0x47CFC0 (check box checked) on [esp+4]
}
asm(R"(
.intel_syntax noprefix
.text
CdeclAdd: mov eax, [esp+4]
  add eax, [esp+8]
  ret
StdcallAdd: mov eax, [esp+4]
  add eax, [esp+8]
  ret 8
PopsTooMany: ret 4
ClobbersEbx: xor ebx, ebx
  ret
ClobbersEsi: mov esi, 1
  ret
LeavesDirectionSet: std
  ret
ReturnsEcx: mov eax, ecx
  ret
CallsHostRead: mov eax, 0x4F9A60
  call eax
  ret
CallsMember: push ebx
  mov ecx, [esp+8]
  mov eax, 0x47CFC0
  call eax
  pop ebx
  ret
.att_syntax prefix
)");

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  if (!ok) ++failures;
}

uint32_t Address(void (*f)()) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(f)); }

StepSetup Call(void (*f)(), std::vector<uint32_t> stack, uint32_t popped = 0) {
  StepSetup s;
  s.what = "test";
  s.start = Address(f);
  s.returnTo = StepReturnAddress();
  s.stack = std::move(stack);
  s.poppedWords = popped;
  return s;
}

std::string FailureOf(const StepSetup& setup) {
  try {
    RunHostStep(setup);
  } catch (const StepFailure& e) {
    return e.what();
  }
  return "";
}

}  // namespace

int main() {
  AddressSpace::Reset();
  Os os;
  SimHost host;
  SetMachine(&os, &host);
  LayOutHostFunctions(host);

  // The contract kept: results, the callee's pops, the object in ECX.
  Check(RunHostStep(Call(&CdeclAdd, {40, 2})).eax == 42, "cdecl result");
  Check(RunHostStep(Call(&StdcallAdd, {40, 2}, 2)).eax == 42, "stdcall removes its arguments");
  StepSetup member = Call(&ReturnsEcx, {});
  member.ecx = 0x1234;
  Check(RunHostStep(member).eax == 0x1234, "the object arrives in ECX");

  // Each broken rule is named.
  const struct {
    void (*code)();
    uint32_t popped;
    const char* named;
  } kBroken[] = {
      {&PopsTooMany, 0, "ESP off by 4"},
      {&StdcallAdd, 0, "ESP off by 8"},
      {&CdeclAdd, 2, "ESP off by -8"},
      {&ClobbersEbx, 0, "EBX"},
      {&ClobbersEsi, 0, "ESI"},
      {&LeavesDirectionSet, 0, "direction flag"},
  };
  for (const auto& b : kBroken) {
    const std::string failure = FailureOf(Call(b.code, {1, 2}, b.popped));
    Check(failure.find(b.named) != std::string::npos, std::string("names ") + b.named + ": " + failure);
  }

  // Host functions through their machine code: a narrow result comes in AL
  // with garbage above it; a member call removes its argument.
  host.SetMessage({0x7F, 0x01});
  const uint32_t read = RunHostStep(Call(&CallsHostRead, {})).eax;
  Check((read & 0xFF) == 0x7F && (read >> 8) != 0, "HostReadU8 answers in AL only");
  host.DefineFunction(0x47CFC0, [](const uint32_t* a, int count) -> uint32_t {
    return count == 1 && a[0] == 0x5150 ? 1 : 0;
  });
  Check((RunHostStep(Call(&CallsMember, {0x5150})).eax & 0xFF) == 1,
        "a member call gets its object and is balanced");

  // A host exception inside a step continues in the host.
  host.DefineFunction(0x47CFC0, [](const uint32_t*, int) -> uint32_t {
    throw SimError("host fault");
  });
  std::string raised;
  try {
    RunHostStep(Call(&CallsMember, {1}));
  } catch (const SimError& e) {
    raised = e.what();
  }
  Check(raised == "host fault", "a host exception leaves the step and reaches the host");
  Check(!InsideHostStep(), "no step is left open");

  std::printf("%d failed\n", failures);
  return failures == 0 ? 0 : 1;
}
