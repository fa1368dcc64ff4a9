#include "host/entry_guard.h"

#include <array>
#include <cstdarg>
#include <string>

#include "host/host_functions.h"
#include "host/hook_points.h"
#include "host/library_data.h"
#include "host/patch_table.h"
#include "platform/platform.h"

namespace host {
namespace {

// Host functions the fallbacks call in the library's place.
constexpr uint32_t kHostCharacterHandler = 0x458200;
constexpr uint32_t kHostCreatureDrawing = 0x401865;  // rebuilt by entries 17 to 19
constexpr uint32_t kFormattedPrintSite = 0x55A147;   // its original target prints

constexpr int32_t kMessageEnd = -1;   // the host's "no more opcodes"
constexpr int32_t kNotFound = -1;     // the host lookups' "no entry"
constexpr int32_t kFirstFrame = 1;    // phases are one-based frames

// Kept host results, one slot per open scope, innermost last. A slot array
// rather than pointers into the scopes' frames: a host exception that passes
// a scope without running its destructor (the DLL's case) then leaves a
// stale depth, never a dangling pointer, and the next outer scope that
// closes puts the depth right again.
struct KeptSlot {
  bool kept = false;
  uintptr_t result = 0;
};
constexpr int kMaxScopes = 32;
std::array<KeptSlot, kMaxScopes> slots;
int depth = 0;

}  // namespace

void ReportEntryFailure(const char* what) noexcept {
  try {
    platform::Get().DebugOutput("ERROR: " + std::string(what));
  } catch (...) {
    // Nothing is left to report with.
  }
}

void ReportEntryFailure(Handler what) noexcept { ReportEntryFailure(Info(what).name); }

HostResultScope::HostResultScope() : depth_(depth) {
  if (depth_ < kMaxScopes) slots[depth_] = KeptSlot{};
  depth = depth_ + 1;
}

HostResultScope::~HostResultScope() { depth = depth_; }

std::optional<uintptr_t> HostResultScope::Kept() const {
  if (depth_ >= kMaxScopes || !slots[depth_].kept) return std::nullopt;
  return slots[depth_].result;
}

void KeepHostResult(uintptr_t result) {
  if (depth > 0 && depth <= kMaxScopes) slots[depth - 1] = KeptSlot{true, result};
}

// ---- fallbacks ------------------------------------------------------------------

uint8_t EntryFallback<Handler::OnFrameTick>::Answer() {
  return host::At<uint8_t>(addr::kFrameTickResult);
}

int32_t EntryFallback<Handler::OnFrameDraw>::Answer(std::optional<uintptr_t> kept, int32_t a0,
                                                    int32_t a1, int32_t a2, int32_t a3, int32_t a4,
                                                    int32_t a5, int32_t a6, int32_t a7, int32_t a8,
                                                    int32_t a9) {
  if (kept) return static_cast<int32_t>(*kept);
  return HostRendererFrame(HostRenderer(), FrameArgs{{a0, a1, a2, a3, a4, a5, a6, a7, a8, a9}});
}

uintptr_t EntryFallback<Handler::OnCreateWindow>::Answer(
    std::optional<uintptr_t> kept, uint32_t exStyle, const char* className,
    const char* windowName, uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
    uintptr_t parent, uintptr_t menu, uintptr_t instance, void* param) {
  if (kept) return *kept;
  return platform::Get().CreateWindowExA(exStyle, className, windowName, style, x, y, width,
                                         height, parent, menu, instance, param);
}

void EntryFallback<Handler::OnTypedChar>::Answer(int32_t character) {
  HostCall(kHostCharacterHandler, {static_cast<uint32_t>(character)});
}

// The mount's look type and the rider's pattern Z are already put back (the
// drawing restores them however it ends); the creature is drawn as the host
// draws it, standing in its own outfit.
void EntryFallback<Handler::DrawCreatureWithMount>::Answer(int32_t x, int32_t y, int32_t third,
                                                           uint32_t creature) {
  SpriteGroupIndex = 0;
  HostCall(kHostCreatureDrawing, {static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                                  static_cast<uint32_t>(third), creature});
}

void EntryFallback<Handler::StartUpdater>::Answer() { RunHostLoadSequence(); }

int32_t EntryFallback<Handler::OpcodePump>::Answer() {
  // The pump may have read part of the message: the host must not parse
  // the rest from the middle of a payload.
  return kMessageEnd;
}

uint32_t EntryFallback<Handler::DoubleFirstArgument>::Answer(uint32_t first) { return first * 2; }

int32_t EntryFallback<Handler::CreatureWalkPhase>::Answer(uint32_t) { return kFirstFrame; }
int32_t EntryFallback<Handler::WalkPhaseClamp>::Answer(uint32_t, int32_t) { return kFirstFrame; }
int32_t EntryFallback<Handler::AnimatedPhaseA>::Answer(int32_t) { return kFirstFrame; }

int32_t EntryFallback<Handler::LookupSse2A>::Answer(int32_t) { return kNotFound; }
int32_t EntryFallback<Handler::LookupSse2B>::Answer(int32_t, int32_t, const uint32_t*) {
  return kNotFound;
}
int32_t EntryFallback<Handler::LookupSse2C>::Answer(int32_t, int32_t, int32_t) {
  return kNotFound;
}

// The captured buttons run the library's part before the host builds the
// button, so a failure means the button is not built yet: the host builds
// it with its own arguments.
#define QUORLAN_BUTTON_FALLBACK(handler)                                                       \
  uint32_t EntryFallback<Handler::handler>::Answer(                                            \
      uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed, uint32_t parent,  \
      int32_t command, const char* tooltip, int32_t zero) {                                    \
    return HostOwnButtonConstruct(button, x, y, image, pressed, parent, command, tooltip,     \
                                  zero);                                                       \
  }
QUORLAN_BUTTON_FALLBACK(CaptureButtonA)
QUORLAN_BUTTON_FALLBACK(CaptureButtonB)
QUORLAN_BUTTON_FALLBACK(CaptureButtonC)
QUORLAN_BUTTON_FALLBACK(CaptureButtonD)
QUORLAN_BUTTON_FALLBACK(CaptureButtonE)
#undef QUORLAN_BUTTON_FALLBACK

int32_t GuardedEntry<Handler::OnCallSite55A147, &::OnCallSite55A147>::Call(char* buffer,
                                                                          const char* format,
                                                                          ...) {
  va_list rest;
  va_start(rest, format);
  const uint32_t value = va_arg(rest, uint32_t);
  va_end(rest);
  return Shielded(
      Handler::OnCallSite55A147, [&] { return ::OnCallSite55A147(buffer, format, value); },
      [&] {
        const uint32_t hostPrint = OriginalCallTarget(kFormattedPrintSite);
        if (hostPrint == 0) return 0;  // not reached: the site is patched only over a CALL
        return static_cast<int32_t>(
            HostCall(hostPrint, {AddressOf(buffer), AddressOf(format), value}));
      });
}

}  // namespace host
