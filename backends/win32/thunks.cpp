// Hook thunks: the host reaches these handlers with contracts a C++ function
// cannot express, so each gets a few instructions of assembly that adapt the
// contract and then call the plain cdecl core function of the same name
// (handlers.h) through its guard (host/entry_guard.h), which holds the
// fallback for any failure; the thunks only move arguments and registers.
//
// Stack on entry to every thunk (each is reached by a CALL in host code,
// directly or through a pointer the patch table redirected):
//   [esp]      return address into host code
//   [esp + 4]  first stack argument, [esp + 8] the second, ...
// `push dword ptr [esp + k]` reads its operand before ESP moves, so pushing
// [esp + 4n] n times copies n arguments in their original order.
#include "thunks.h"

#include "host/entry_guard.h"
#include "host/handlers.h"
#include "host/patch_table.h"

namespace {

template <typename F>
struct Arity;
template <typename R, typename... A>
struct Arity<R (*)(A...)> {
  static constexpr int value = sizeof...(A);
};

}  // namespace

// clang-format off

// The core function a thunk calls, behind its guard, under a C name the
// assembly can use (the C++ names are mangled). It has the core function's
// own type, and the static_assert ties the core's argument count to what
// the thunk passes.
#define QUORLAN_CORE(name, arity)                                            \
  extern "C" decltype(&::name) const quorlanCore##name =                     \
      &host::GuardedEntry<host::Handler::name, &::name>::Call;               \
  static_assert(Arity<decltype(&::name)>::value == (arity),                  \
                #name ": the thunk passes a different number of arguments");

// A thunk is a naked function: the compiler places and names it and adds no
// prologue; the body is the assembly alone.
#define QUORLAN_THUNK(name, body)                                            \
  extern "C" __attribute__((naked)) void QuorlanThunk##name() {              \
    asm(".intel_syntax noprefix\n" body ".att_syntax prefix\n");             \
  }

#define QUORLAN_CALL_CORE(name) "  call dword ptr [_quorlanCore" #name "]\n"
#define QUORLAN_COPY_ARGS(args)                                              \
  ".rept " #args "\n"                                                        \
  "  push dword ptr [esp + 4 * " #args "]\n"                                 \
  ".endr\n"

// ---- member calls ----------------------------------------------------------
// The host calls a member function: the object in ECX and `args` stack
// arguments that the callee removes (thiscall). The core takes
// (object, args...) as cdecl: the thunk pushes a copy of the arguments and
// ECX in front of them, drops the copy after the call and returns with
// `ret 4 * args`. A result stays in EAX.
#define QUORLAN_MEMBER_THUNK(name, args)                                     \
  QUORLAN_CORE(name, (args) + 1)                                             \
  QUORLAN_THUNK(name,                                                        \
                QUORLAN_COPY_ARGS(args)                                      \
                "  push ecx\n"                                               \
                QUORLAN_CALL_CORE(name)                                      \
                "  add esp, 4 * (" #args " + 1)\n"                           \
                "  ret 4 * " #args "\n")

// ---- stdcall ----------------------------------------------------------------
// The callee removes `args` stack arguments; ECX carries nothing the core
// needs.
#define QUORLAN_STDCALL_THUNK(name, args)                                    \
  QUORLAN_CORE(name, args)                                                   \
  QUORLAN_THUNK(name,                                                        \
                QUORLAN_COPY_ARGS(args)                                      \
                QUORLAN_CALL_CORE(name)                                      \
                "  add esp, 4 * " #args "\n"                                 \
                "  ret 4 * " #args "\n")

// ---- one pushed argument, registers kept --------------------------------------
// The patched host code pushes one value (a one-byte `push ecx` or
// `push eax` written in front of the CALL) and never pops it, so the thunk
// removes it. The CALL stands where plain instructions kept every register
// but the result, so ECX and EDX survive the core call as well.
#define QUORLAN_FIELD_THUNK(name)                                            \
  QUORLAN_CORE(name, 1)                                                      \
  QUORLAN_THUNK(name,                                                        \
                "  push ecx\n"                                               \
                "  push edx\n"                                               \
                "  push dword ptr [esp + 12]\n"                              \
                QUORLAN_CALL_CORE(name)                                      \
                "  add esp, 4\n"                                             \
                "  pop edx\n"                                                \
                "  pop ecx\n"                                                \
                "  ret 4\n")

// ---- tail jumps into host functions ---------------------------------------------
// The core runs, then the host function the handler stands in front of
// runs with the return address and stack arguments exactly as the caller
// left them, and returns straight to the caller. EAX, ECX and EDX are kept
// for it too (it may take an object in ECX). The continuation is read from
// quorlanContinuation<name>, which ThunkAddress fills from the handler
// registry before the thunk's address can reach host code.
#define QUORLAN_CONTINUATION(name)                                           \
  extern "C" {                                                               \
  uint32_t quorlanContinuation##name = 0;                                    \
  }

#define QUORLAN_TAIL_THUNK(name)                                             \
  QUORLAN_CORE(name, 0)                                                      \
  QUORLAN_CONTINUATION(name)                                                 \
  QUORLAN_THUNK(name,                                                        \
                "  push eax\n"                                               \
                "  push ecx\n"                                               \
                "  push edx\n"                                               \
                QUORLAN_CALL_CORE(name)                                      \
                "  pop edx\n"                                                \
                "  pop ecx\n"                                                \
                "  pop eax\n"                                                \
                "  jmp dword ptr [_quorlanContinuation" #name "]\n")

// ---- sprite hooks -------------------------------------------------------------------
// Every register and the flags are saved and a slot for the continuation is
// reserved below them. Stack after the three pushes: [esp] the eight
// registers (32 bytes), [esp + 32] the flags, [esp + 36] the slot,
// [esp + 40] the return address. The continuation is entered with `ret` once
// the registers are restored, so the callee finds the caller's stack as it
// was built for it.
#define QUORLAN_SPRITE_THUNK(name)                                           \
  QUORLAN_CORE(name, 0)                                                      \
  QUORLAN_THUNK(name,                                                        \
                "  push eax\n"                                               \
                "  pushfd\n"                                                 \
                "  pushad\n"                                                 \
                "  cld\n"                                                    \
                QUORLAN_CALL_CORE(name)                                      \
                "  push dword ptr [esp + 40]\n"                              \
                "  call _QuorlanSpriteContinuation\n"                        \
                "  add esp, 4\n"                                             \
                "  mov dword ptr [esp + 36], eax\n"                          \
                "  popad\n"                                                  \
                "  popfd\n"                                                  \
                "  ret\n")

// clang-format on

// ---- the thunks ---------------------------------------------------------------

// Context-menu entries: host add menu entry on the menu (command, text, hint).
QUORLAN_MEMBER_THUNK(AddMountMenuEntry, 3)
QUORLAN_MEMBER_THUNK(AddWrapMenuEntry, 3)
// The host's button construction on the new button, eight arguments; the
// core returns the constructed object.
QUORLAN_MEMBER_THUNK(CaptureButtonA, 8)
QUORLAN_MEMBER_THUNK(CaptureButtonB, 8)
QUORLAN_MEMBER_THUNK(CaptureButtonC, 8)
QUORLAN_MEMBER_THUNK(CaptureButtonD, 8)
QUORLAN_MEMBER_THUNK(CaptureButtonE, 8)
// The side panel's add-child call. The patched host code pushes the panel's
// parent in front of the child, so two stack arguments are removed where the
// original call removed one: that keeps the host's stack balanced.
QUORLAN_MEMBER_THUNK(OnActionBarCreate, 2)
// The login dialog's add-child call (child).
QUORLAN_MEMBER_THUNK(OnLoginWindowCreate, 1)

// The host calls CreateWindowExA through its import slot: a Win32 API
// function, stdcall with twelve arguments.
QUORLAN_STDCALL_THUNK(OnCreateWindow, 12)
// Stands in for the renderer's frame operation (virtual slot 16), a member
// call with ten arguments. The core asks for the renderer itself, so the
// object in ECX is not passed on.
QUORLAN_STDCALL_THUNK(OnFrameDraw, 10)

// The creature pushed by the patched code (push ecx / push eax).
QUORLAN_FIELD_THUNK(MountAwareFieldA)
QUORLAN_FIELD_THUNK(MountAwareFieldB)

// Rewinds the library's sprite-file reader, continues in host 0x4AB720.
QUORLAN_TAIL_THUNK(DataRewind)
// Continues in host 0x507000.
QUORLAN_TAIL_THUNK(ForwardToHost507000)
// Resets SpriteGroupIndex, continues in host 0x4B5E90.
QUORLAN_TAIL_THUNK(ResetGroupIndex)

// A tail jump that changes one argument: the host function at 0x571A12
// receives the doubled first argument. The core computes it from the stack
// slot and the thunk writes it back into that same slot before jumping on.
// With three registers saved, the first argument is at [esp + 16].
QUORLAN_CORE(DoubleFirstArgument, 1)
QUORLAN_CONTINUATION(DoubleFirstArgument)
// clang-format off
QUORLAN_THUNK(DoubleFirstArgument,
              "  push eax\n"
              "  push ecx\n"
              "  push edx\n"
              "  push dword ptr [esp + 16]\n"
              QUORLAN_CALL_CORE(DoubleFirstArgument)
              "  add esp, 4\n"
              "  mov dword ptr [esp + 16], eax\n"
              "  pop edx\n"
              "  pop ecx\n"
              "  pop eax\n"
              "  jmp dword ptr [_quorlanContinuationDoubleFirstArgument]\n")
// clang-format on

// The sprite hooks sit on host calls whose arguments and register use are
// the host's business: the core hook runs, then the call continues in the
// target it had before it was patched. The call site is the return address
// minus 5 (SpriteHookA serves two sites, so the site is looked up on each
// pass).
//
// When no original target is known (a site the patch table did not record,
// which the table cannot produce), the original call is skipped: control
// returns to the caller as from a call that did nothing, with EAX as it was.
extern "C" __attribute__((naked)) void QuorlanSpriteSkip() { asm("ret\n"); }

extern "C" uint32_t QuorlanSpriteContinuation(uint32_t returnAddress) noexcept {
  const uint32_t target = host::Shielded(
      "QuorlanSpriteContinuation", [&] { return host::OriginalCallTarget(returnAddress - 5); },
      [] { return uint32_t{0}; });
  if (target != 0) return target;
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&QuorlanSpriteSkip));
}

QUORLAN_SPRITE_THUNK(SpriteHookA)
QUORLAN_SPRITE_THUNK(SpriteHookB)
QUORLAN_SPRITE_THUNK(SpriteHookC)

// ---- addresses for the patch table ------------------------------------------------
namespace win32 {
namespace {

uint32_t Address(void (*thunk)()) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(thunk));
}

}  // namespace

uint32_t ThunkAddress(host::Handler id) {
#define QUORLAN_THUNK_CASE(name) \
  case host::Handler::name:      \
    return Address(&QuorlanThunk##name);
#define QUORLAN_TAIL_CASE(name)                                               \
  case host::Handler::name:                                                   \
    quorlanContinuation##name = host::Info(host::Handler::name).continuation; \
    return Address(&QuorlanThunk##name);

  switch (id) {
    QUORLAN_THUNK_CASE(AddMountMenuEntry)
    QUORLAN_THUNK_CASE(AddWrapMenuEntry)
    QUORLAN_THUNK_CASE(CaptureButtonA)
    QUORLAN_THUNK_CASE(CaptureButtonB)
    QUORLAN_THUNK_CASE(CaptureButtonC)
    QUORLAN_THUNK_CASE(CaptureButtonD)
    QUORLAN_THUNK_CASE(CaptureButtonE)
    QUORLAN_THUNK_CASE(OnActionBarCreate)
    QUORLAN_THUNK_CASE(OnLoginWindowCreate)
    QUORLAN_THUNK_CASE(OnCreateWindow)
    QUORLAN_THUNK_CASE(OnFrameDraw)
    QUORLAN_THUNK_CASE(MountAwareFieldA)
    QUORLAN_THUNK_CASE(MountAwareFieldB)
    QUORLAN_THUNK_CASE(SpriteHookA)
    QUORLAN_THUNK_CASE(SpriteHookB)
    QUORLAN_THUNK_CASE(SpriteHookC)
    QUORLAN_TAIL_CASE(DataRewind)
    QUORLAN_TAIL_CASE(ForwardToHost507000)
    QUORLAN_TAIL_CASE(ResetGroupIndex)
    QUORLAN_TAIL_CASE(DoubleFirstArgument)
    default:
      return 0;
  }
#undef QUORLAN_THUNK_CASE
#undef QUORLAN_TAIL_CASE
}

}  // namespace win32
