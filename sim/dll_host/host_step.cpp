#include "sim/dll_host/host_step.h"

#include <cstdio>
#include <utility>

namespace sim::dll_host {

// The step's words, at fixed offsets the assembly below uses.
struct StepFrame {
  uint32_t hostEsp;     // 0: the host's stack inside quorlan_step_run
  uint32_t start;       // 4
  uint32_t words;       // 8: the stack words, lowest first
  uint32_t wordCount;   // 12
  uint32_t returnTo;    // 16
  uint32_t ecx;         // 20
  uint32_t edx;         // 24
  uint32_t eax;         // 28
  uint32_t ebp;         // 32
  uint32_t espAtEntry;  // 36: ESP once the words are pushed
  uint32_t outEax;      // 40
  uint32_t outEdx;      // 44
  uint32_t outEcx;      // 48
  uint32_t outEbx;      // 52
  uint32_t outEsi;      // 56
  uint32_t outEdi;      // 60
  uint32_t outEbp;      // 64
  uint32_t outEsp;      // 68
  uint32_t outFlags;    // 72
  uint32_t abandoned;   // 76
};
static_assert(sizeof(StepFrame) == 80);

}  // namespace sim::dll_host

extern "C" {
sim::dll_host::StepFrame* quorlan_active_step = nullptr;
uint32_t quorlan_step_run(sim::dll_host::StepFrame* frame);
void quorlan_step_return();
}

// Values the callee-saved registers hold while library code runs, so a
// callee that does not restore them is seen at once.
#define QUORLAN_SENTINEL_EBX "0x5EB05EB0"
#define QUORLAN_SENTINEL_ESI "0x5E515E51"
#define QUORLAN_SENTINEL_EDI "0x5ED15ED1"
#define QUORLAN_SENTINEL_EBP "0x5EB95EB9"

// quorlan_step_run(frame): saves the host's callee-saved registers, pushes
// the words (the last first), then the return address if any, and enters
// `start` with the registers of the setup. quorlan_step_return is where
// control comes back: it stores what the callee left and returns from
// quorlan_step_run. quorlan_step_abandon returns from it at once (a host
// exception inside the step).
asm(R"(
.intel_syntax noprefix
.text
.globl quorlan_step_run
.type quorlan_step_run, @function
quorlan_step_run:
  push ebp
  push ebx
  push esi
  push edi
  mov eax, [esp + 20]
  mov [eax + 0], esp
  mov ecx, [eax + 12]
  mov esi, [eax + 8]
1:
  test ecx, ecx
  jz 2f
  dec ecx
  push dword ptr [esi + ecx * 4]
  jmp 1b
2:
  mov [eax + 36], esp
  mov edx, [eax + 16]
  test edx, edx
  jz 3f
  push edx
3:
  push dword ptr [eax + 4]
  mov ecx, [eax + 20]
  mov edx, [eax + 24]
  mov ebp, [eax + 32]
  mov ebx, )" QUORLAN_SENTINEL_EBX R"(
  mov esi, )" QUORLAN_SENTINEL_ESI R"(
  mov edi, )" QUORLAN_SENTINEL_EDI R"(
  mov eax, [eax + 28]
  cld
  ret

.globl quorlan_step_return
.type quorlan_step_return, @function
quorlan_step_return:
  push eax
  mov eax, dword ptr [quorlan_active_step]
  mov [eax + 44], edx
  pop edx
  mov [eax + 40], edx
  mov [eax + 48], ecx
  mov [eax + 52], ebx
  mov [eax + 56], esi
  mov [eax + 60], edi
  mov [eax + 64], ebp
  mov [eax + 68], esp
  pushfd
  pop edx
  mov [eax + 72], edx
  cld
  mov esp, [eax + 0]
  pop edi
  pop esi
  pop ebx
  pop ebp
  mov eax, [eax + 40]
  ret

.globl quorlan_step_abandon
.type quorlan_step_abandon, @function
quorlan_step_abandon:
  mov eax, dword ptr [quorlan_active_step]
  mov dword ptr [eax + 76], 1
  cld
  mov esp, [eax + 0]
  pop edi
  pop esi
  pop ebx
  pop ebp
  xor eax, eax
  ret
.att_syntax prefix
)");

namespace sim::dll_host {
namespace {

constexpr uint32_t kSentinelEbx = 0x5EB05EB0, kSentinelEsi = 0x5E515E51,
                   kSentinelEdi = 0x5ED15ED1, kSentinelEbp = 0x5EB95EB9;
constexpr uint32_t kDirectionFlag = 0x400;

// The error of each open step, innermost last.
struct OpenStep {
  StepFrame* frame;
  std::exception_ptr error;
  const std::string* what;
};
std::vector<OpenStep>& OpenSteps() {
  static std::vector<OpenStep> steps;
  return steps;
}

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%X", value);
  return text;
}

}  // namespace

uint32_t StepReturnAddress() {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&quorlan_step_return));
}

bool InsideHostStep() { return !OpenSteps().empty(); }

std::string CurrentStepName() { return OpenSteps().empty() ? std::string() : *OpenSteps().back().what; }

bool AbandonCurrentStep(std::exception_ptr error) {
  if (OpenSteps().empty()) return false;
  OpenSteps().back().error = std::move(error);
  return true;
}

StepResult RunHostStep(const StepSetup& setup) {
  StepFrame frame{};
  frame.start = setup.start;
  frame.words = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(setup.stack.data()));
  frame.wordCount = static_cast<uint32_t>(setup.stack.size());
  frame.returnTo = setup.returnTo;
  frame.ecx = setup.ecx;
  frame.edx = setup.edx;
  frame.eax = setup.eax;
  frame.ebp = setup.ebp != 0 ? setup.ebp : kSentinelEbp;

  StepFrame* outer = quorlan_active_step;
  OpenSteps().push_back({&frame, nullptr, &setup.what});
  quorlan_active_step = &frame;
  quorlan_step_run(&frame);
  quorlan_active_step = outer;
  std::exception_ptr error = std::move(OpenSteps().back().error);
  OpenSteps().pop_back();

  if (frame.abandoned != 0) {
    if (error) std::rethrow_exception(error);
    return {};  // the process ended inside the step: nothing comes back
  }
  std::string broken;
  const uint32_t wantedEsp = frame.espAtEntry + 4 * setup.poppedWords;
  if (frame.outEsp != wantedEsp) {
    broken += " ESP off by " + std::to_string(static_cast<int32_t>(frame.outEsp - wantedEsp));
  }
  if (frame.outEbx != kSentinelEbx) broken += " EBX";
  if (frame.outEsi != kSentinelEsi) broken += " ESI";
  if (frame.outEdi != kSentinelEdi) broken += " EDI";
  if (frame.outEbp != frame.ebp) broken += " EBP";
  if ((frame.outFlags & kDirectionFlag) != 0) broken += " direction flag set";
  if (!broken.empty()) {
    throw StepFailure(setup.what + " (start " + Hex(setup.start) + ") broke the host's contract:" +
                      broken);
  }
  return {frame.outEax, frame.outEdx, frame.outEcx};
}

}  // namespace sim::dll_host
