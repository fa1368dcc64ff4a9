#include "sim/dll_host/pe/dll_call.h"

// quorlan_call_stdcall3(function, a, b, c): the frame pointer remembers the
// caller's ESP, so the callee may remove its arguments (stdcall) or not and
// the caller's stack is whole afterwards either way.
extern "C" uint32_t quorlan_call_stdcall3(uint32_t function, uint32_t a, uint32_t b, uint32_t c);
asm(R"(
.intel_syntax noprefix
.text
.globl quorlan_call_stdcall3
quorlan_call_stdcall3:
  push ebp
  mov ebp, esp
  push ebx
  push esi
  push edi
  and esp, -16
  sub esp, 4
  push dword ptr [ebp+20]
  push dword ptr [ebp+16]
  push dword ptr [ebp+12]
  cld
  call dword ptr [ebp+8]
  lea esp, [ebp-12]
  pop edi
  pop esi
  pop ebx
  pop ebp
  ret
.att_syntax prefix
)");

namespace sim::dll_host::pe {

uint32_t CallStdcall3(uint32_t function, uint32_t a, uint32_t b, uint32_t c) {
  return quorlan_call_stdcall3(function, a, b, c);
}

}  // namespace sim::dll_host::pe
