// The library's handlers and host-addressed data, by name.
//
// The patch table refers to handlers by `Handler` and to library data by
// `DataSymbol`; a backend turns them into the 32-bit values it writes into
// host code: the DLL into the addresses of its functions and thunks, the
// simulator into tokens that map back to the handlers here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Every handler named by the patch table, in the table's order of first use.
#define QUORLAN_HANDLERS(X)                                                                  \
  X(ClockMillis) X(DrawBarWithPercentA) X(DrawBarWithPercentB) X(DrawObjectWithTier)        \
  X(DrawOwnSecondBar) X(AddMountMenuEntry) X(AddWrapMenuEntry) X(OnMenuCommand)             \
  X(DrawCreatureWithMount) X(MountAwareFieldA) X(MountAwareFieldB) X(ReadU8AndU16)          \
  X(ReadU16SkipU16) X(OnTypedChar) X(OnCallSite55A147) X(OnFrameTick) X(OnCreateWindow)     \
  X(DoubleFirstArgument) X(LoadDataFiles) X(DataRewind) X(DataSeek) X(DataReadU8)           \
  X(DataReadU16) X(DataReadU32) X(ForwardToHost507000)                                      \
  X(ItemHasFlag) X(ItemAttributeA0) X(ItemAttributeA5) X(ItemAttributeA6) X(ItemAttributeA3) \
  X(ItemAttributeA4) X(ItemAttributeA7) X(ItemAttributeA8) X(ItemAttributeA9)               \
  X(ItemDimension0) X(ItemDimension1) X(ItemDimension2) X(ItemDimension3) X(ItemDimension4) \
  X(ItemDimension5) X(ItemDimension6) X(ItemDimension7) X(ItemSpriteIndexAnimated)         \
  X(OutfitHasFlag) X(OutfitAttributeA5) X(OutfitAttributeA6) X(OutfitAttributeA3)           \
  X(OutfitAttributeA4) X(OutfitDimension0) X(OutfitDimension1) X(OutfitDimension2)          \
  X(OutfitDimension3) X(OutfitDimension4) X(OutfitDimension5) X(OutfitDimension5Mapped)     \
  X(OutfitDimension7) X(OutfitSpriteIndex) X(EffectHasFlag) X(EffectAttributeA5)            \
  X(EffectAttributeA6) X(EffectDimension0) X(EffectDimension1) X(EffectDimension3)          \
  X(EffectDimension4) X(EffectDimension5) X(EffectDimension7) X(EffectSpriteIndex)          \
  X(MissileHasFlag) X(MissileAttributeA5) X(MissileAttributeA6) X(MissileDimension0)        \
  X(MissileDimension1) X(MissileDimension3) X(MissileSpriteIndex)                           \
  X(ResetGroupIndex) X(CreatureWalkPhase) X(WalkPhaseClamp) X(AnimatedPhaseA) X(EffectTick) \
  X(OpcodePump) X(SpriteHookA) X(SpriteHookB) X(SpriteHookC) X(StartUpdater)               \
  X(OnActionButton) X(CaptureButtonA) X(CaptureButtonB) X(CaptureButtonC) X(CaptureButtonD) \
  X(CaptureButtonE) X(OnActionBarCreate) X(OnFrameDraw) X(OnLoginWindowCreate)              \
  X(OnLoginWindowEvent) X(ReturnZeroStub) X(LookupSse2A) X(LookupSse2B) X(LookupSse2C)

namespace host {

enum class Handler : uint16_t {
#define QUORLAN_ENUM(name) name,
  QUORLAN_HANDLERS(QUORLAN_ENUM)
#undef QUORLAN_ENUM
      Count
};
inline constexpr int kHandlerCount = static_cast<int>(Handler::Count);

// Calls a handler the way the host does: each argument a 32-bit value
// (pointers are host addresses), the result as the host would find it in EAX.
using HostInvoker = uint32_t (*)(const uint32_t* args);

struct HandlerInfo {
  Handler id;
  const char* name;
  // The core function behind its guard (entry_guard.h), with the core
  // function's own type (cast back before calling).
  void (*function)();
  HostInvoker invoke;
  int argumentCount;
  // Host function in which the handler's host code continues once the
  // handler returns (a tail jump in the DLL), or 0.
  uint32_t continuation;
};

const HandlerInfo& Info(Handler id);
std::optional<Handler> HandlerByName(const std::string& name);

// Library data whose host addresses are written into host code.
enum class DataSymbol : uint8_t { LargeMessageBuffer, OutfitPatternZ, AnalyzerText };
const char* Name(DataSymbol symbol);
uint32_t AddressOf(DataSymbol symbol);

}  // namespace host
