// Every library function that the patch table makes the host call.
//
// Each handler keeps the host-facing contract of the call or function it
// replaces: its arguments, its result, and (for member calls) the object.
// Object and text arguments are host addresses. Handlers whose behaviour
// belongs to a later subsystem forward to a registration point (hook_points.h)
// and, until something registers, do what the host itself would have done.
//
// The DLL reaches handlers with plain cdecl contracts directly; the few with
// register, stack or tail-jump contracts go through small thunks in
// backends/win32 (see the notes on each declaration).
#pragma once

#include <cstdint>

// ---- clock, bars, objects ---------------------------------------------------
uint32_t ClockMillis();
// Replace a HostFillRect call (same eight arguments), then draw a percentage.
int32_t DrawBarWithPercentA(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                            int32_t element, int32_t zero1, int32_t zero2);
int32_t DrawBarWithPercentB(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                            int32_t element, int32_t zero1, int32_t zero2);
// Replaces a HostDrawObject call (same twenty arguments).
int32_t DrawObjectWithTier(int32_t surface, int32_t x, int32_t y, int32_t size, int32_t objectId,
                           int32_t data, int32_t d0, int32_t d1, int32_t d2, int32_t d3,
                           int32_t d4, int32_t d5, int32_t d6, int32_t d7, int32_t d8, int32_t d9,
                           int32_t d10, int32_t d11, int32_t d12, int32_t d13);
// The creature health bar under a creature: the host's renderer fill
// arguments (surface, x, y, width, height, colour) and the creature.
void DrawOwnSecondBar(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                      int32_t r, int32_t g, int32_t b, uint32_t creature);

// ---- context menu and panel buttons ----------------------------------------
// Member calls on the menu (host add menu entry): DLL thunk, thiscall.
void AddMountMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint);
void AddWrapMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint);
void OnMenuCommand(int32_t command);
void OnActionButton(int32_t command);
// Member calls of the host's button construction (0x47C650) on the new
// object: DLL thunk, thiscall. Return the constructed object.
uint32_t CaptureButtonA(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero);
uint32_t CaptureButtonB(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero);
uint32_t CaptureButtonC(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero);
uint32_t CaptureButtonD(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero);
uint32_t CaptureButtonE(uint32_t button, int32_t x, int32_t y, int32_t image, int32_t pressed,
                        uint32_t parent, int32_t command, const char* tooltip, int32_t zero);
// Replaces the side panel's add-child member call; the patched code pushes
// the panel's parent ([ebp+8]) in front of the child: DLL thunk, thiscall.
void OnActionBarCreate(uint32_t panel, uint32_t panelParent, uint32_t child);

// ---- login dialog of the host -------------------------------------------------
// Replaces the login dialog's add-child member call: DLL thunk, thiscall.
void OnLoginWindowCreate(uint32_t dialog, uint32_t child);
// Replaces the host's call of HostLogin.
void OnLoginWindowEvent(const char* account, const char* password);

// ---- creatures and mounts ---------------------------------------------------
void DrawCreatureWithMount(int32_t x, int32_t y, int32_t third, uint32_t creature);
// The patched code pushes the creature before the call and does not pop it:
// DLL thunk, stdcall with one argument.
int32_t MountAwareFieldA(uint32_t creature);
int32_t MountAwareFieldB(uint32_t creature);

// ---- message reading --------------------------------------------------------
int32_t OpcodePump();
uint32_t ReadU8AndU16();
uint32_t ReadU16SkipU16();
// Replaces a host formatted print (cdecl, variadic like the host's own).
int32_t OnCallSite55A147(char* buffer, const char* format, ...);

// ---- input and windows ----------------------------------------------------------
void OnTypedChar(int32_t character);
// The host's CreateWindowExA import slot: DLL thunk, stdcall.
uintptr_t OnCreateWindow(uint32_t exStyle, const char* className, const char* windowName,
                         uint32_t style, int32_t x, int32_t y, int32_t width, int32_t height,
                         uintptr_t parent, uintptr_t menu, uintptr_t instance, void* param);

// ---- frame ----------------------------------------------------------------------
uint8_t OnFrameTick();
// Replaces the renderer's frame call (a member call with ten arguments that
// the callee removes): DLL thunk.
int32_t OnFrameDraw(int32_t a0, int32_t a1, int32_t a2, int32_t a3, int32_t a4, int32_t a5,
                    int32_t a6, int32_t a7, int32_t a8, int32_t a9);

// ---- small stubs --------------------------------------------------------------------
// Returns the doubled first argument; the DLL thunk stores it back and jumps
// on to host 0x571A12.
uint32_t DoubleFirstArgument(uint32_t first);
int32_t ReturnZeroStub();
void StartUpdater();

// ---- data files and appearance store ----------------------------------------
uint32_t LoadDataFiles(uint32_t argument);
uint8_t DataReadU8();
uint16_t DataReadU16();
uint32_t DataReadU32();
void DataSeek(uint32_t position);
void DataRewind();           // then continues in host 0x4AB720
void ForwardToHost507000();  // then continues in host 0x507000
void ResetGroupIndex();      // then continues in host 0x4B5E90
// Animation phases (timing rules in appearance/animation.h and
// appearance/phase_handlers.cpp). Each answers a one-based frame, the
// convention of the sprite-index getters' frame argument, so the host
// passes a phase straight on. The contracts take what the rules need as
// plain values: the creature record (fields of creature.h), an appearance
// id, a start time on ClockMillis; nothing that would tie the library to
// more of the host's object layouts.
// - The frame of the creature's current outfit group now.
int32_t CreatureWalkPhase(uint32_t creature);
// - `phase` kept within 1 .. the frames of the creature's current outfit
//   group (1 when it has none).
int32_t WalkPhaseClamp(uint32_t creature, int32_t phase);
// - The frame item `id` shows now.
int32_t AnimatedPhaseA(int32_t id);
// - The frame effect `id`, created at `startTime`, shows now, or 0 once it
//   has played to its end (the host then removes it).
int32_t EffectTick(int32_t id, uint32_t startTime);

// The 49 appearance getters (entries 80 to 128). Flag tests answer 0 or 1.
// Ids are the low 16 bits of the argument. Sprite-index getters answer the
// sprite id at the position the coordinates name (0 for none); coordinates
// are one-based as the host passes them:
// - ItemSpriteIndexAnimated: (id, w, h, layer, pattern x, y, z); the frame
//   comes from the item's animator and the clock.
// - OutfitSpriteIndex: (id, w, h, layer, pattern x, y, frame); pattern Z is
//   OutfitPatternZ, the group is the one SpriteGroupIndex selects.
// - EffectSpriteIndex: (id, w, h, layer, pattern x, y, z, frame); effect 13
//   takes its frame from its animator instead.
// - MissileSpriteIndex: (id, w, h, layer, direction, frame); the direction
//   gives pattern x and y, pattern Z is the first.
int32_t ItemHasFlag(int32_t id, int32_t flag);
int32_t ItemAttributeA0(int32_t id);
int32_t ItemAttributeA5(int32_t id);
int32_t ItemAttributeA6(int32_t id);
int32_t ItemAttributeA3(int32_t id);
int32_t ItemAttributeA4(int32_t id);
int32_t ItemAttributeA7(int32_t id);
int32_t ItemAttributeA8(int32_t id);
int32_t ItemAttributeA9(int32_t id);
int32_t ItemDimension0(int32_t id);
int32_t ItemDimension1(int32_t id);
int32_t ItemDimension2(int32_t id);
int32_t ItemDimension3(int32_t id);
int32_t ItemDimension4(int32_t id);
int32_t ItemDimension5(int32_t id);
int32_t ItemDimension6(int32_t id);
int32_t ItemDimension7(int32_t id);
int32_t ItemSpriteIndexAnimated(int32_t id, int32_t w, int32_t h, int32_t layer, int32_t x,
                                int32_t y, int32_t z);
int32_t OutfitHasFlag(int32_t id, int32_t flag);
int32_t OutfitAttributeA5(int32_t id);
int32_t OutfitAttributeA6(int32_t id);
int32_t OutfitAttributeA3(int32_t id);
int32_t OutfitAttributeA4(int32_t id);
int32_t OutfitDimension0(int32_t id);
int32_t OutfitDimension1(int32_t id);
int32_t OutfitDimension2(int32_t id);
int32_t OutfitDimension3(int32_t id);
int32_t OutfitDimension4(int32_t id);
int32_t OutfitDimension5(int32_t id);
int32_t OutfitDimension5Mapped(int32_t id);
int32_t OutfitDimension7(int32_t id);
int32_t OutfitSpriteIndex(int32_t id, int32_t w, int32_t h, int32_t layer, int32_t x, int32_t y,
                          int32_t frame);
int32_t EffectHasFlag(int32_t id, int32_t flag);
int32_t EffectAttributeA5(int32_t id);
int32_t EffectAttributeA6(int32_t id);
int32_t EffectDimension0(int32_t id);
int32_t EffectDimension1(int32_t id);
int32_t EffectDimension3(int32_t id);
int32_t EffectDimension4(int32_t id);
int32_t EffectDimension5(int32_t id);
int32_t EffectDimension7(int32_t id);
int32_t EffectSpriteIndex(int32_t id, int32_t w, int32_t h, int32_t layer, int32_t x, int32_t y,
                          int32_t z, int32_t frame);
int32_t MissileHasFlag(int32_t id, int32_t flag);
int32_t MissileAttributeA5(int32_t id);
int32_t MissileAttributeA6(int32_t id);
int32_t MissileDimension0(int32_t id);
int32_t MissileDimension1(int32_t id);
int32_t MissileDimension3(int32_t id);
int32_t MissileSpriteIndex(int32_t id, int32_t w, int32_t h, int32_t layer, int32_t direction,
                           int32_t frame);

// ---- sprite drawing hooks -------------------------------------------------------
// Their host calls' arguments are not ours to know: the DLL thunks preserve
// every register and stack argument, run these, and continue in the call's
// original target (see sprite_hooks.cpp).
void SpriteHookA();
void SpriteHookB();
void SpriteHookC();

// ---- SSE2 lookups ---------------------------------------------------------------
int32_t LookupSse2A(int32_t key);
int32_t LookupSse2B(int32_t a, int32_t b, const uint32_t* block);
int32_t LookupSse2C(int32_t a, int32_t b, int32_t c);
