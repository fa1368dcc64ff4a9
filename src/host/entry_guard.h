// The one guard at every place where the host enters the library.
//
// The host's frames know nothing of C++ exceptions: one that left a handler
// would tear through host code (in the DLL it cannot even unwind there). So
// each entry the host can reach runs its body under `Shielded`, and when the
// library fails the host gets what it would have got without the library:
// the entry's fallback.
//
// Where the guard stands:
// - every handler of the patch table, through `GuardedEntry`: the handler
//   registry turns the guarded functions into the simulator's invokers, and
//   the DLL writes their addresses (or thunks that call them) into host code,
//   so both hosts reach the same guard;
// - every main-thread task, where the queue runs it (task_queue.cpp);
// - the window procedures the library installs (input/).
//
// Fallbacks, by what the handler does with the host's own call:
// - it makes that call first and then adds the library's part (the bars,
//   menu entries, add-child calls, the login): nothing more is done;
// - it makes the call last, after the library's part (typed characters, the
//   captured buttons, the creature drawing, the load sequence, the
//   formatted print): the fallback makes it;
// - it makes the call first and needs its result at the end (the frame
//   call, the window creation, the window procedures): the handler keeps
//   the result with KeepHostResult right after the call, and the fallback
//   answers that result, making the call only when it was not made yet;
// - it answers a value: the host's answer for "nothing there" (0 from a
//   getter, -1 from a lookup, the end of the message from the pump, the
//   first frame from a phase, the host's flag byte from the frame tick).
// LoadDataFiles handles its own failures: it reports them with the host's
// load error, the host's exception, which the guard lets pass.
#pragma once

#include <cstdint>
#include <optional>
#include <type_traits>

#include "host/handler_registry.h"
#include "host/handlers.h"
#include "host/host_backend.h"

namespace host {

// Writes "ERROR: " and the entry's name to the debugger output. Never throws.
void ReportEntryFailure(const char* what) noexcept;
void ReportEntryFailure(Handler what) noexcept;

// Runs `body` and answers its result; if it throws anything but HostRaised
// (host_backend.h), reports `what` (a name or a Handler) and answers
// `fallback()` instead. Should the fallback fail as well, the answer is the
// result type's zero: nothing but a host exception leaves an entry, since
// the thunks and host frames between here and the host have no unwind
// information for a C++ exception to pass.
template <typename What, typename Body, typename Fallback>
auto Shielded(What what, Body&& body, Fallback&& fallback) -> decltype(body()) {
  using Result = decltype(body());
  try {
    return body();
  } catch (const HostRaised&) {
    throw;
  } catch (...) {
    ReportEntryFailure(what);
  }
  try {
    return fallback();
  } catch (const HostRaised&) {
    throw;
  } catch (...) {
    ReportEntryFailure(what);
  }
  if constexpr (!std::is_void_v<Result>) return Result{};
}

// The host call's result kept for the innermost open scope (see above).
// Main thread only, like the entries that use it.
class HostResultScope {
 public:
  HostResultScope();
  ~HostResultScope();
  HostResultScope(const HostResultScope&) = delete;
  HostResultScope& operator=(const HostResultScope&) = delete;
  // The result kept while this scope was the innermost one, if any.
  std::optional<uintptr_t> Kept() const;

 private:
  int depth_;
};
void KeepHostResult(uintptr_t result);

// ---- fallbacks of the handlers ----------------------------------------------
// By default a handler answers 0 (nothing for void). A specialisation gives
// `Answer` with the handler's own arguments, or, with kKeepsResult, the kept
// result in front of them. Defined in entry_guard.cpp.
template <Handler H>
struct EntryFallback {
  static constexpr bool kKeepsResult = false;
  template <typename R, typename... A>
  static R Answer(A...) {
    if constexpr (!std::is_void_v<R>) return R{};
  }
};

#define QUORLAN_FALLBACK(handler, R, ...)  \
  template <>                              \
  struct EntryFallback<Handler::handler> { \
    static constexpr bool kKeepsResult = false; \
    static R Answer(__VA_ARGS__);          \
  };
#define QUORLAN_KEEPING_FALLBACK(handler, R, ...)             \
  template <>                                                 \
  struct EntryFallback<Handler::handler> {                    \
    static constexpr bool kKeepsResult = true;                \
    static R Answer(std::optional<uintptr_t> kept, __VA_ARGS__); \
  };

QUORLAN_FALLBACK(OnFrameTick, uint8_t)
QUORLAN_KEEPING_FALLBACK(OnFrameDraw, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                         int32_t, int32_t, int32_t, int32_t, int32_t)
QUORLAN_KEEPING_FALLBACK(OnCreateWindow, uintptr_t, uint32_t, const char*, const char*, uint32_t,
                         int32_t, int32_t, int32_t, int32_t, uintptr_t, uintptr_t, uintptr_t,
                         void*)
QUORLAN_FALLBACK(OnTypedChar, void, int32_t)
QUORLAN_FALLBACK(DrawCreatureWithMount, void, int32_t, int32_t, int32_t, uint32_t)
QUORLAN_FALLBACK(StartUpdater, void)
QUORLAN_FALLBACK(OpcodePump, int32_t)
QUORLAN_FALLBACK(DoubleFirstArgument, uint32_t, uint32_t)
QUORLAN_FALLBACK(CreatureWalkPhase, int32_t, uint32_t)
QUORLAN_FALLBACK(WalkPhaseClamp, int32_t, uint32_t, int32_t)
QUORLAN_FALLBACK(AnimatedPhaseA, int32_t, int32_t)
QUORLAN_FALLBACK(LookupSse2A, int32_t, int32_t)
QUORLAN_FALLBACK(LookupSse2B, int32_t, int32_t, int32_t, const uint32_t*)
QUORLAN_FALLBACK(LookupSse2C, int32_t, int32_t, int32_t, int32_t)
#define QUORLAN_BUTTON_FALLBACK(handler)                                                   \
  QUORLAN_FALLBACK(handler, uint32_t, uint32_t, int32_t, int32_t, int32_t, int32_t, uint32_t, \
                   int32_t, const char*, int32_t)
QUORLAN_BUTTON_FALLBACK(CaptureButtonA)
QUORLAN_BUTTON_FALLBACK(CaptureButtonB)
QUORLAN_BUTTON_FALLBACK(CaptureButtonC)
QUORLAN_BUTTON_FALLBACK(CaptureButtonD)
QUORLAN_BUTTON_FALLBACK(CaptureButtonE)
#undef QUORLAN_BUTTON_FALLBACK
#undef QUORLAN_FALLBACK
#undef QUORLAN_KEEPING_FALLBACK

// ---- the guarded handlers ------------------------------------------------------
// GuardedEntry<H, &::Name>::Call has the handler's own type: it is what the
// host reaches in place of the handler.
template <Handler H, auto F>
struct GuardedEntry;

template <Handler H, typename R, typename... A, R (*F)(A...)>
struct GuardedEntry<H, F> {
  static R Call(A... args) {
    using Fallback = EntryFallback<H>;
    if constexpr (Fallback::kKeepsResult) {
      HostResultScope scope;
      return Shielded(
          H, [&] { return F(args...); }, [&] { return Fallback::Answer(scope.Kept(), args...); });
    } else if constexpr (requires(A... a) { Fallback::Answer(a...); }) {
      return Shielded(H, [&] { return F(args...); }, [&] { return Fallback::Answer(args...); });
    } else {
      return Shielded(H, [&] { return F(args...); },
                      [&] { return Fallback::template Answer<R, A...>(args...); });
    }
  }
};

// The formatted print is variadic: the host passes one 32-bit value after
// the format at the patched call site, and the guard hands on that value.
// Should the library fail, the host's own print makes the text.
template <>
struct GuardedEntry<Handler::OnCallSite55A147, &::OnCallSite55A147> {
  static int32_t Call(char* buffer, const char* format, ...);
};

}  // namespace host
